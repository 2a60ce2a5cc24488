#pragma once
// Menu commands of the prizes: browsing, eligibility, category order, distribution, help.

namespace movarel::registry {
struct WorkingState;
}
namespace movarel::ui {
class Ui;
}

namespace movarel::shell {

void HOJEARPREMIOS(registry::WorkingState& state, ui::Ui& ui);  // browse and edit the prizes
void EDITARCUADROPREMIOS(registry::WorkingState& state,
                         ui::Ui& ui);                          // the prize categories each player may win
void ORDENPREMIOS(registry::WorkingState& state, ui::Ui& ui);  // the order in which categories are handed out
void CALCULARPREMIOS(registry::WorkingState& state, ui::Ui& ui);  // distribute the prizes
void AYUDAPREMIOS(registry::WorkingState& state, ui::Ui& ui);     // the help page on prizes

}  // namespace movarel::shell
