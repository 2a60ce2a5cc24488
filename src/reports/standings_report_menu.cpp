#include "reports/standings_report_menu.h"

#include <optional>

#include "reports/standings_report.h"
#include "rounds/round_chooser.h"
#include "ui/run_time_error.h"

namespace movarel::reports {

void LISHTMC(registry::WorkingState& state, ui::Ui& ui) {
  ui::ActiveOperation op("LISHTMC");
  const std::optional<rounds::RoundChoice> choice =
      rounds::ChooseRound(state, ui, rounds::RoundChooserVariant::kRoundOnly);
  if (!choice) return;
  LISHTMCLAS(state, choice->round, "zendral", true);
}

void LISHTMCURDA(registry::WorkingState& state, ui::Ui& ui) {
  ui::ActiveOperation op("LISHTMCURDA");
  const std::optional<rounds::RoundChoice> choice =
      rounds::ChooseRound(state, ui, rounds::RoundChooserVariant::kRoundOnly);
  if (!choice) return;
  LISHTMCU(state, choice->round, "zendral", true);
}

}  // namespace movarel::reports
