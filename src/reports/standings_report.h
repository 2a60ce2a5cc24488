#pragma once
// The standings ("Clasificación") and the crosstable ("Cuadro del torneo") after a chosen
// round: the same fixed-width columns, switched on and off in the folder's column table
// "cclas" (16 records read by position), players in standings order or in player-number
// order. Both recompute the standings up to the round first (ZDCLAS).

#include <array>
#include <string>
#include <string_view>

#include "register/working_state.h"
#include "reports/html_writer.h"
#include "storage/table.h"

namespace movarel::reports {

class FideColumns;

// Records of "cclas", numbered as in the table (record 1 = player number ... 16 = rating
// variation).
inline constexpr int kColumnRecords = 16;

struct StandingsColumns {
  std::array<bool, kColumnRecords + 1> shown{};       // SN by record number; [0] unused
  std::array<std::string, kColumnRecords + 1> campo;  // CAMPO without trailing blanks
};

// The switches of the open `cclas` table. Records the table lacks count as not shown.
StandingsColumns ReadStandingsColumns(storage::Table& cclas);

// The column header of both listings for rounds 1 to `rounds`. Tie-break slot k shows the
// k-th system of ADESEMPATES; a slot beyond the systems in use (NDS) shows blanks. A tournament
// on FIDE tie-breaks (`fide`) shows their columns instead, and in the standings (`places`) the
// shared places.
std::string CABECERACLAS(const registry::WorkingState& state, int rounds, const StandingsColumns& columns,
                         const FideColumns* fide = nullptr, bool places = false);

// Writes the line of the current `cuadro` record into `page` (counting it in the page's
// lines, whose count is also the place printed). Mode "cu" is the crosstable: the points are
// always printed; otherwise points equal to the previous line's (`NPTOSANT`) print as a ditto.
// With `fide`, its tie-break columns and, in the standings, its places.
void PROCLINCLAS(registry::WorkingState& state, HtmlPage& page, int rounds, const StandingsColumns& columns,
                 const storage::Table& cuadro, std::string_view mode, double& NPTOSANT,
                 const FideColumns* fide = nullptr);

// The standings page after `round`, written to the page `page_name` (".htm" in the current
// folder). The tournament is open (`torneos` on its record, `cuadro` writable). Returns true
// when the page was written; every failure has shown its message and written nothing.
bool LISHTMCLAS(registry::WorkingState& state, int round, std::string_view page_name, bool open_afterwards);

// The crosstable page after `round`, in player-number order.
bool LISHTMCU(registry::WorkingState& state, int round, std::string_view page_name, bool open_afterwards);

}  // namespace movarel::reports
