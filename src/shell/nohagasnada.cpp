#include "shell/nohagasnada.h"

#include "ui/dialogs.h"

namespace movarel::shell {

void NOHAGASNADA(ui::Dialogs& dialogs) { dialogs.MsgInfo("Opci\xF3n no disponible por el momento"); }

}  // namespace movarel::shell
