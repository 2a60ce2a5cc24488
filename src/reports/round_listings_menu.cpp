#include "reports/round_listings_menu.h"

#include <optional>
#include <string>

#include "reports/pairing_report.h"
#include "reports/score_groups_report.h"
#include "rounds/round_chooser.h"
#include "storage/value.h"
#include "ui/run_time_error.h"

namespace movarel::reports {

void LISHTMP(registry::WorkingState& state, ui::Ui& ui) {
  ui::ActiveOperation op("LISHTMP");
  rounds::ChooseRound(state, ui, rounds::RoundChooserVariant::kPairingList,
                      [&](const rounds::RoundChoice& choice) {
                        // The file box gives the page's name; blanks around it would end up in the file name.
                        LISHTMPAREO(state, choice.round, std::string(storage::AllTrim(choice.file)),
                                    choice.with_results, true);
                      });
}

void LISHTMGP(registry::WorkingState& state, ui::Ui& ui) {
  ui::ActiveOperation op("LISHTMGP");
  const std::optional<rounds::RoundChoice> choice =
      rounds::ChooseRound(state, ui, rounds::RoundChooserVariant::kRoundOnly);
  if (!choice) return;
  reports::LISHTMGP(state, choice->round);
}

}  // namespace movarel::reports
