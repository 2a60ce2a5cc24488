#pragma once
// Menu command of the TRF export ("Fichero &TRF (FIDE)" of the reports menu). The import
// lives with the register's commands, as it makes and opens a tournament.

namespace movarel::registry {
struct WorkingState;
}
namespace movarel::ui {
class Ui;
}

namespace movarel::shell {

void INFTRF(registry::WorkingState& state, ui::Ui& ui);  // the tournament as a TRF file

}  // namespace movarel::shell
