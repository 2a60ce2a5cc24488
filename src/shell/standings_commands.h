#pragma once
// Menu commands of the per-tournament standings configuration. Until their operations are in the
// program each one shows "Opción no disponible por el momento" (NOHAGASNADA); the body is the only
// thing that changes when an operation arrives.

namespace movarel::registry {
struct WorkingState;
}
namespace movarel::ui {
class Ui;
}

namespace movarel::shell {

void CFGDESEMPATES(registry::WorkingState& state, ui::Ui& ui);  // the tie-breaks of this tournament
void CFGDESEMPATESFIDE(registry::WorkingState& state, ui::Ui& ui);  // classical or FIDE tie-breaks
void CFGLISCLAS(registry::WorkingState& state,
                ui::Ui& ui);  // the columns of the standings and crosstable listings

}  // namespace movarel::shell
