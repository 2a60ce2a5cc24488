#include "shell/register_commands.h"

#include "register/round_boards.h"
#include "register/tournament_browser.h"
#include "register/tournament_form.h"
#include "register/tournament_import.h"
#include "register/tournament_opening.h"
#include "register/working_state.h"
#include "shell/program_texts.h"
#include "shell/tournament_commands.h"
#include "trf_tables/trf_import.h"
#include "ui/dos_text.h"
#include "ui/form.h"
#include "ui/run_time_error.h"
#include "ui/ui.h"

namespace movarel::shell {

namespace {

// The register reports what became of the open tournament; the menu and the title follow.
void Follow(ui::Ui& ui, const registry::TournamentOutcome& outcome) {
  ui::Form* frm = ui.MainForm();
  if (frm == nullptr) return;
  switch (outcome.change) {
    case registry::TournamentChange::kUnchanged:
      break;
    case registry::TournamentChange::kOpened:
      SITORNEO(*frm);
      frm->Caption(std::string(kProgramTitle) + " - " + ui::NOHB_OEMTOANSI(outcome.name));
      break;
    case registry::TournamentChange::kClosed:
      NOTORNEO(*frm);
      frm->Caption(kProgramTitle);
      break;
  }
}

}  // namespace

void ELEGIRTORNEO(registry::WorkingState& state, ui::Ui& ui) { Follow(ui, registry::ELEGIRTORNEO(state)); }

void ABRIRTORNEO(registry::WorkingState& state, ui::Ui& ui, const std::string& path) {
  Follow(ui, registry::ABRIRTORNEO(state, path));
}

void HOJEARTORNEOS(registry::WorkingState& state, ui::Ui& ui) { Follow(ui, registry::HOJEARTORNEOS(state, ui)); }

void TORNEONUEVO(registry::WorkingState& state, ui::Ui& ui) { Follow(ui, registry::TORNEONUEVO(state, ui)); }

void EDITARTORNEO(registry::WorkingState& state, ui::Ui& ui) { registry::EDITARTORNEO(state, ui); }

void ANAREGFRDAS(registry::WorkingState& state, ui::Ui&) { registry::ANAREGFRDAS(state); }

void IMPTORNEO(registry::WorkingState& state, ui::Ui&) { registry::IMPTORNEO(state); }

void IMPTRF(registry::WorkingState& state, ui::Ui& ui) { Follow(ui, trf_tables::IMPTRF(state)); }

void ZDNTX(registry::WorkingState& state, ui::Ui&) { registry::ZDNTX(state); }

}  // namespace movarel::shell
