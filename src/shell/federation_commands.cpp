#include "shell/federation_commands.h"

#include "federation/exchange_files.h"
#include "federation/federation_report.h"
#include "register/working_state.h"

namespace movarel::shell {

void INFIDE(registry::WorkingState& state, ui::Ui&, const std::string& file_name) {
  federation::INFIDE(state, file_name);
}

void INFEDA(registry::WorkingState& state, ui::Ui&, const std::string& file_name) {
  federation::INFEDA(state, file_name);
}

void FIFIDE(registry::WorkingState& state, ui::Ui&) { federation::FIFIDE(state); }
void FIBLOQFIDE(registry::WorkingState& state, ui::Ui&) { federation::FIBLOQFIDE(state); }
void FIFEDA(registry::WorkingState& state, ui::Ui&) { federation::FIFEDA(state); }
void FIBLOQFEDA(registry::WorkingState& state, ui::Ui&) { federation::FIBLOQFEDA(state); }
void FIFVA(registry::WorkingState& state, ui::Ui&) { federation::FIFVA(state); }
void FINUEFVA(registry::WorkingState& state, ui::Ui&) { federation::FINUEFVA(state); }

}  // namespace movarel::shell
