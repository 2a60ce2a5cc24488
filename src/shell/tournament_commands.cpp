#include "shell/tournament_commands.h"

#include <cassert>

#include "ui/form.h"
#include "ui/menu.h"

namespace movarel::shell {

namespace {

void EnableTournamentCommands(ui::Form& frm, bool on) {
  for (std::string_view name : kTournamentCommands) {
    ui::MenuItem* item = frm.FindMenuItem(name);
    assert(item != nullptr && "every tournament command is in the menu");
    if (item != nullptr) item->SetEnabled(on);
  }
}

}  // namespace

void SITORNEO(ui::Form& frm) { EnableTournamentCommands(frm, true); }

void NOTORNEO(ui::Form& frm) { EnableTournamentCommands(frm, false); }

}  // namespace movarel::shell
