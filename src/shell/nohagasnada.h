#pragma once
// The placeholder behind every menu command whose operation is not in the program yet.

namespace movarel::ui {
class Dialogs;
}

namespace movarel::shell {

// Shows the information box "Opción no disponible por el momento" and nothing else.
void NOHAGASNADA(ui::Dialogs& dialogs);

}  // namespace movarel::shell
