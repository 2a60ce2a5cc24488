#include "shell/reports_commands.h"

#include "register/working_state.h"
#include "reports/standings_report_menu.h"
#include "shell/nohagasnada.h"
#include "ui/run_time_error.h"

namespace movarel::shell {

void LISHTMOF(registry::WorkingState& state, ui::Ui&, const std::string&, bool) {
  ui::ActiveOperation op("LISHTMOF");
  NOHAGASNADA(*state.dialogs);
}

void LISHTMP(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("LISHTMP");
  NOHAGASNADA(*state.dialogs);
}

void LISHTMC(registry::WorkingState& state, ui::Ui& ui) { reports::LISHTMC(state, ui); }

void LISHTMCURDA(registry::WorkingState& state, ui::Ui& ui) { reports::LISHTMCURDA(state, ui); }

void LISHTMGP(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("LISHTMGP");
  NOHAGASNADA(*state.dialogs);
}

void LISHTMPR(registry::WorkingState& state, ui::Ui&, const std::string&) {
  ui::ActiveOperation op("LISHTMPR");
  NOHAGASNADA(*state.dialogs);
}

void LISHTMPAG(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("LISHTMPAG");
  NOHAGASNADA(*state.dialogs);
}

void LISTORNS(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("LISTORNS");
  NOHAGASNADA(*state.dialogs);
}

void LISPAPRDOS(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("LISPAPRDOS");
  NOHAGASNADA(*state.dialogs);
}

}  // namespace movarel::shell
