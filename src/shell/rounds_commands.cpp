#include "shell/rounds_commands.h"

#include "register/working_state.h"
#include "rounds/pairing_editor.h"
#include "rounds/player_table_view.h"
#include "rounds/seeding_order.h"
#include "shell/nohagasnada.h"
#include "ui/run_time_error.h"

namespace movarel::shell {

void CREAROF(registry::WorkingState& state, ui::Ui&, const std::string& criterion) {
  rounds::CREAROF(state, criterion);
}

void VEREMPAREJ(registry::WorkingState& state, ui::Ui& ui) { rounds::VEREMPAREJ(state, ui); }

void VERRDOS(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("VERRDOS");
  NOHAGASNADA(*state.dialogs);
}

void VERCUADRO(registry::WorkingState& state, ui::Ui& ui) { rounds::VERCUADRO(state, ui); }

void FIGIMPP(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("FIGIMPP");
  NOHAGASNADA(*state.dialogs);
}

}  // namespace movarel::shell
