#include "shell/rounds_commands.h"

#include "register/working_state.h"
#include "rounds/figaro_import.h"
#include "rounds/pairing_editor.h"
#include "rounds/player_table_view.h"
#include "rounds/result_entry.h"
#include "rounds/seeding_order.h"
#include "shell/nohagasnada.h"
#include "ui/run_time_error.h"

namespace movarel::shell {

void CREAROF(registry::WorkingState& state, ui::Ui&, const std::string& criterion) {
  rounds::CREAROF(state, criterion);
}

void VEREMPAREJ(registry::WorkingState& state, ui::Ui& ui) { rounds::VEREMPAREJ(state, ui); }

void VERRDOS(registry::WorkingState& state, ui::Ui& ui) { rounds::VERRDOS(state, ui); }

void VERCUADRO(registry::WorkingState& state, ui::Ui& ui) { rounds::VERCUADRO(state, ui); }

void FIGIMPP(registry::WorkingState& state, ui::Ui&) { rounds::FIGIMPP(state); }

}  // namespace movarel::shell
