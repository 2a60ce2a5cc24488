#pragma once
// Menu commands of the federation reports and rating exchange files. Until their operations are in
// the program each one shows "Opción no disponible por el momento" (NOHAGASNADA); the body is the
// only thing that changes when an operation arrives.

#include <string>

namespace movarel::registry {
struct WorkingState;
}
namespace movarel::ui {
class Ui;
}

namespace movarel::shell {

void INFIDE(registry::WorkingState& state, ui::Ui& ui,
            const std::string& file_name);  // tournament report for FIDE
void INFEDA(registry::WorkingState& state, ui::Ui& ui,
            const std::string& file_name);                   // tournament report for FEDA
void FIFIDE(registry::WorkingState& state, ui::Ui& ui);      // FIDE rating file
void FIBLOQFIDE(registry::WorkingState& state, ui::Ui& ui);  // FIDE block file
void FIFEDA(registry::WorkingState& state, ui::Ui& ui);      // FEDA rating file
void FIBLOQFEDA(registry::WorkingState& state, ui::Ui& ui);  // FEDA block file
void FIFVA(registry::WorkingState& state, ui::Ui& ui);       // FVA rating file
void FINUEFVA(registry::WorkingState& state, ui::Ui& ui);    // FVA new players file
void INFTRF(registry::WorkingState& state, ui::Ui& ui);      // the tournament as a TRF file

}  // namespace movarel::shell
