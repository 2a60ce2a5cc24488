#include "reports/fide_columns.h"

#include <algorithm>

#include "tiebreaks/tie_break_values.h"

namespace movarel::reports {

namespace {

std::string RightAligned(const std::string& text, size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

}  // namespace

FideColumns::FideColumns(standings::FideTable table, const std::vector<tiebreaks::TieBreak>& list)
    : table_(std::move(table)) {
  const size_t players = table_.data.recno.size();
  for (size_t entry = 0; entry < list.size(); ++entry) {
    codes_.push_back(tiebreaks::Descriptor(list[entry]));
    decimals_.push_back(tiebreaks::DisplayDecimals(list[entry].code));
    size_t width = codes_.back().size();
    for (size_t p = 0; p < players; ++p) width = std::max(width, Cell(entry, static_cast<int>(p)).size());
    widths_.push_back(width);
  }
  for (size_t p = 0; p < players; ++p) {
    place_width_ = std::max(place_width_, PlaceText(table_.data.recno[p]).size() - 2);
  }
}

std::vector<uint32_t> FideColumns::StandingsOrder() const {
  std::vector<uint32_t> order;
  for (int player : table_.standings.order) order.push_back(table_.data.recno[static_cast<size_t>(player)]);
  return order;
}

std::string FideColumns::PlaceHeader() const { return std::string(place_width_ + 2, ' '); }

std::string FideColumns::PlaceText(uint32_t recno) const {
  const int player = table_.PlayerOf(recno);
  if (player < 0) return RightAligned("", place_width_) + "  ";
  const int first = table_.standings.first_place[static_cast<size_t>(player)];
  const int last = table_.standings.last_place[static_cast<size_t>(player)];
  std::string place = std::to_string(first);
  if (last != first) place += "-" + std::to_string(last);
  return RightAligned(place, place_width_) + ". ";
}

std::string FideColumns::Cell(size_t entry, int player) const {
  if (player < 0) return "";
  const std::optional<tiebreaks::Value>& value = table_.standings.values[entry][static_cast<size_t>(player)];
  // A direct encounter that never came into play (the player was not tied when it was reached).
  if (!value) return "-";
  return tiebreaks::FormatValue(*value, decimals_[entry]);
}

std::string FideColumns::Header() const {
  std::string header;
  for (size_t entry = 0; entry < codes_.size(); ++entry) header += " " + RightAligned(codes_[entry], widths_[entry]);
  return header;
}

std::string FideColumns::Values(uint32_t recno) const {
  const int player = table_.PlayerOf(recno);
  std::string line;
  for (size_t entry = 0; entry < codes_.size(); ++entry) line += " " + RightAligned(Cell(entry, player), widths_[entry]);
  return line;
}

}  // namespace movarel::reports
