#pragma once
// Menu commands of the PGN export. Until their operations are in the program each one shows
// "Opción no disponible por el momento" (NOHAGASNADA); the body is the only thing that changes
// when an operation arrives.

namespace movarel::registry {
struct WorkingState;
}
namespace movarel::ui {
class Ui;
}

namespace movarel::shell {

void ZDCREAPGNRDA(registry::WorkingState& state, ui::Ui& ui);  // the games of a round
void ZDCREAPGN(registry::WorkingState& state, ui::Ui& ui);     // the games of the tournament
void ZDCREAPGNJUG(registry::WorkingState& state, ui::Ui& ui);  // the games of one player

}  // namespace movarel::shell
