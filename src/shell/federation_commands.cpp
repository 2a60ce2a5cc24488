#include "shell/federation_commands.h"

#include "register/working_state.h"
#include "shell/nohagasnada.h"
#include "trf_tables/trf_export.h"
#include "ui/run_time_error.h"

namespace movarel::shell {

void INFIDE(registry::WorkingState& state, ui::Ui&, const std::string&) {
  ui::ActiveOperation op("INFIDE");
  NOHAGASNADA(*state.dialogs);
}

void INFEDA(registry::WorkingState& state, ui::Ui&, const std::string&) {
  ui::ActiveOperation op("INFEDA");
  NOHAGASNADA(*state.dialogs);
}

void FIFIDE(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("FIFIDE");
  NOHAGASNADA(*state.dialogs);
}

void FIBLOQFIDE(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("FIBLOQFIDE");
  NOHAGASNADA(*state.dialogs);
}

void FIFEDA(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("FIFEDA");
  NOHAGASNADA(*state.dialogs);
}

void FIBLOQFEDA(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("FIBLOQFEDA");
  NOHAGASNADA(*state.dialogs);
}

void FIFVA(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("FIFVA");
  NOHAGASNADA(*state.dialogs);
}

void FINUEFVA(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("FINUEFVA");
  NOHAGASNADA(*state.dialogs);
}

void INFTRF(registry::WorkingState& state, ui::Ui&) { trf_tables::INFTRF(state); }

}  // namespace movarel::shell
