#pragma once
// Menu commands of the tournament register: choosing, opening, creating, editing, browsing and
// importing tournaments. Each runs its operation and then brings the main window in line with
// what became of the open tournament (SITORNEO or NOTORNEO, and the title).

#include <string>

namespace movarel::registry {
struct WorkingState;
}
namespace movarel::ui {
class Ui;
}

namespace movarel::shell {

void ELEGIRTORNEO(registry::WorkingState& state,
                  ui::Ui& ui);  // choose a player table with the file chooser and open it
void ABRIRTORNEO(registry::WorkingState& state, ui::Ui& ui,
                 const std::string& path);  // open the tournament of a player-table path (the recent entries)
void HOJEARTORNEOS(registry::WorkingState& state, ui::Ui& ui);  // browse the folder's register
void TORNEONUEVO(registry::WorkingState& state, ui::Ui& ui);    // create a tournament
void EDITARTORNEO(registry::WorkingState& state, ui::Ui& ui);   // edit the open tournament's record
void ANAREGFRDAS(registry::WorkingState& state, ui::Ui& ui);    // add a board to every round table
void IMPTORNEO(registry::WorkingState& state, ui::Ui& ui);      // import a tournament from another folder
void IMPTRF(registry::WorkingState& state, ui::Ui& ui);         // create a tournament from a TRF file
void ZDNTX(registry::WorkingState& state, ui::Ui& ui);          // rebuild the indexes of the register

}  // namespace movarel::shell
