#include "shell/trf_commands.h"

#include "trf_tables/trf_export.h"

namespace movarel::shell {

void INFTRF(registry::WorkingState& state, ui::Ui&) { trf_tables::INFTRF(state); }

}  // namespace movarel::shell
