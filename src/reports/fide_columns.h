#pragma once
// What the standings and crosstable listings print for a tournament on FIDE tie-breaks: one
// column per tie-break of its list, headed by the FIDE code ("BH/C1"), and, in the
// standings, the places shared by players whom points and every tie-break leave equal
// ("3-5.").

#include <cstdint>
#include <string>
#include <vector>

#include "standings/fide_standings.h"

namespace movarel::reports {

class FideColumns {
 public:
  FideColumns(standings::FideTable table, const std::vector<tiebreaks::TieBreak>& list);

  // The players (record numbers) in standings order.
  std::vector<uint32_t> StandingsOrder() const;

  // The place column: blanks over it in the header, "3-5. " or "  4. " on a line.
  std::string PlaceHeader() const;
  std::string PlaceText(uint32_t recno) const;

  // The tie-break columns, each one blank and the code or value right-aligned.
  std::string Header() const;
  std::string Values(uint32_t recno) const;

 private:
  std::string Cell(size_t entry, int player) const;

  standings::FideTable table_;
  std::vector<std::string> codes_;
  std::vector<int> decimals_;
  std::vector<size_t> widths_;
  size_t place_width_ = 3;
};

}  // namespace movarel::reports
