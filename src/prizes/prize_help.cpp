#include "prizes/prize_help.h"

#include "register/file_names.h"
#include "storage/files.h"
#include "ui/dialogs.h"
#include "ui/run_time_error.h"

namespace movarel::prizes {

void AYUDAPREMIOS(registry::WorkingState& state) {
  ui::ActiveOperation op("AYUDAPREMIOS");
  const std::string page =
      storage::ResolvePath(registry::TemplatesFolder(state.CCARPINI) + "Ayuda_Premios.html");
  if (!storage::FileExists(page)) {
    // The browser would only say that the file is missing, without saying which.
    state.dialogs->MsgStop("No existe el fichero " + page);
    return;
  }
  state.dialogs->OpenDocument(page);
}

}  // namespace movarel::prizes
