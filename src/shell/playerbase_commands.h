#pragma once
// Menu commands of the player database.

namespace movarel::registry {
struct WorkingState;
}
namespace movarel::ui {
class Ui;
}

namespace movarel::shell {

void HOJEARBASEJUGS(registry::WorkingState& state, ui::Ui& ui);  // browse the player database
void ANAJUGSABASE(registry::WorkingState& state, ui::Ui& ui);  // add the tournament's players to the database

}  // namespace movarel::shell
