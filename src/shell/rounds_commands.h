#pragma once
// Menu commands of the players and rounds: seeding order, pairings, results, player table, Fígaro
// import. Until their operations are in the program each one shows "Opción no disponible por el
// momento" (NOHAGASNADA); the body is the only thing that changes when an operation arrives.

#include <string>

namespace movarel::registry {
struct WorkingState;
}
namespace movarel::ui {
class Ui;
}

namespace movarel::shell {

void CREAROF(registry::WorkingState& state, ui::Ui& ui,
             const std::string& criterion);                  // seeding order by "FFF", "FF0", "F00" or "NUM"
void VEREMPAREJ(registry::WorkingState& state, ui::Ui& ui);  // pairings of a round
void VERRDOS(registry::WorkingState& state, ui::Ui& ui);     // results of a round
void VERCUADRO(registry::WorkingState& state, ui::Ui& ui);   // the player table
void FIGIMPP(registry::WorkingState& state, ui::Ui& ui);     // import a round from Fígaro's printed list

}  // namespace movarel::shell
