#include "shell/reports_commands.h"

#include "register/working_state.h"
#include "reports/round_listings_menu.h"
#include "reports/seeding_report.h"
#include "reports/prize_report.h"
#include "reports/result_slips.h"
#include "reports/standings_report_menu.h"
#include "reports/tournament_list.h"
#include "reports/tournament_pages.h"
#include "shell/nohagasnada.h"
#include "shell/program_texts.h"
#include "shell/tournament_commands.h"
#include "ui/form.h"
#include "ui/run_time_error.h"
#include "ui/ui.h"

namespace movarel::shell {

void LISHTMOF(registry::WorkingState& state, ui::Ui&, const std::string& file_name, bool open_browser) {
  ui::ActiveOperation op("LISHTMOF");
  reports::LISHTMOF(state, file_name, open_browser);
}

void LISHTMP(registry::WorkingState& state, ui::Ui& ui) { reports::LISHTMP(state, ui); }

void LISHTMC(registry::WorkingState& state, ui::Ui& ui) { reports::LISHTMC(state, ui); }

void LISHTMCURDA(registry::WorkingState& state, ui::Ui& ui) { reports::LISHTMCURDA(state, ui); }

void LISHTMGP(registry::WorkingState& state, ui::Ui& ui) { reports::LISHTMGP(state, ui); }

void LISHTMPR(registry::WorkingState& state, ui::Ui&, const std::string& page_name) {
  reports::LISHTMPR(state, page_name);
}

void LISHTMPAG(registry::WorkingState& state, ui::Ui&) {
  ui::ActiveOperation op("LISHTMPAG");
  reports::LISHTMPAG(state);
}

void LISTORNS(registry::WorkingState& state, ui::Ui& ui) {
  ui::ActiveOperation op("LISTORNS");
  // Listing another folder's register closes the open tournament: the menu and the title
  // follow as soon as it is closed.
  reports::LISTORNS(state, [&ui] {
    if (ui::Form* frm = ui.MainForm()) {
      NOTORNEO(*frm);
      frm->Caption(kProgramTitle);
    }
  });
}

void LISPAPRDOS(registry::WorkingState& state, ui::Ui& ui) { reports::LISPAPRDOS(state, ui); }

}  // namespace movarel::shell
