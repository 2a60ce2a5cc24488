#pragma once
// CFGDESEMPATES: the dialog "FrmCfgDs" with which the user picks the tournament's tie-break
// systems and their order. The choice lives in the tie-break table "ds" + key (ORDEN "01",
// "02", ... for a system in use, blank for one not used) and takes effect at the next
// standings computation.
//
// The list operations are plain functions over the two lists so that both the dialog and the
// tests use the same rules; positions are 1-based, as the list boxes give them.

#include <string>
#include <string_view>
#include <vector>

#include "register/working_state.h"
#include "storage/status.h"
#include "storage/table.h"

namespace movarel::ui {
class Ui;
}

namespace movarel::standings {

// The two list boxes of the dialog: system names (SISTEMA without trailing blanks).
struct TieBreakChoice {
  std::vector<std::string> used;    // in order, the first tie-break after the points first
  std::vector<std::string> unused;
};

// DIVIDIRDESEMPATES for one record: a record whose ORDEN is neither blank nor "99" goes to
// the end of the used list, every other one to the end of the unused list.
void DIVIDIRDESEMPATES(std::string_view ORDEN, std::string_view SISTEMA, TieBreakChoice& choice);

// The moves. Each returns the position to select afterwards in the list it acted on, and
// changes nothing (returning `selected`) when the move does not apply: up on the first item,
// down on the last, no item selected.
int DSARRIBA(TieBreakChoice& choice, int selected);
int DSABAJO(TieBreakChoice& choice, int selected);
// Moves unused item `selected` to the end of the used list; returns true when it moved.
// A system the standings order key has no room for (RoomForTieBreak) is not taken.
bool DSANADIR(TieBreakChoice& choice, int selected);
// Whether the standings can order by the used systems and unused item `selected` after them.
bool RoomForTieBreak(const TieBreakChoice& choice, int selected);
// Moves used item `selected` to the end of the unused list; returns true when it moved.
bool DSQUITAR(TieBreakChoice& choice, int selected);

// ACTUALIZARDESEMPATES for the current record of `desemps`: ORDEN := the 1-based position of
// SISTEMA in `used` with two digits ("01", "02", ...), or two blanks when it is not there.
storage::Status ACTUALIZARDESEMPATES(storage::Table& desemps, const std::vector<std::string>& used);

// The choice as the table holds it: the records walked in ORDEN order (the open index).
TieBreakChoice ReadTieBreakChoice(storage::Table& desemps);

// FDSOK without the dialog: every record in physical order gets its ORDEN from `used`, then
// the index "ds" + key + ".ntx" on ORDEN is rebuilt at `index_path`.
storage::Status SaveTieBreakChoice(storage::Table& desemps, const std::vector<std::string>& used,
                                   const std::string& index_path);

// Opens the dialog for the open tournament (the player table under `cuadro` names its
// folder). The tie-break table is created from the template "desempsw.mod" when the
// tournament has none, opened exclusively under `desemps` for the dialog's lifetime and
// closed afterwards. A table that cannot be created or opened gets a stop box naming it.
void CFGDESEMPATES(registry::WorkingState& state, ui::Ui& ui);

}  // namespace movarel::standings
