#pragma once
// Menu commands of the the player database. Until their operations are in the program each one
// shows "Opción no disponible por el momento" (NOHAGASNADA); the body is the only thing that
// changes when an operation arrives.

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
