#pragma once
// Menu commands of the HTML listings and result slips. Until their operations are in the program
// each one shows "Opción no disponible por el momento" (NOHAGASNADA); the body is the only thing
// that changes when an operation arrives.

#include <string>

namespace movarel::registry {
struct WorkingState;
}
namespace movarel::ui {
class Ui;
}

namespace movarel::shell {

void LISHTMOF(registry::WorkingState& state, ui::Ui& ui, const std::string& file_name,
              bool open_browser);                             // seeding order
void LISHTMP(registry::WorkingState& state, ui::Ui& ui);      // pairings and results of a round
void LISHTMC(registry::WorkingState& state, ui::Ui& ui);      // standings
void LISHTMCURDA(registry::WorkingState& state, ui::Ui& ui);  // crosstable
void LISHTMGP(registry::WorkingState& state, ui::Ui& ui);     // score groups
void LISHTMPR(registry::WorkingState& state, ui::Ui& ui, const std::string& file_name);  // prizes
void LISHTMPAG(registry::WorkingState& state, ui::Ui& ui);   // the full set of the tournament's pages
void LISTORNS(registry::WorkingState& state, ui::Ui& ui);    // the tournaments of a folder
void LISPAPRDOS(registry::WorkingState& state, ui::Ui& ui);  // result slips of a round

}  // namespace movarel::shell
