#pragma once
// The tournament's choice between the classical tie-break systems and a list of FIDE
// tie-breaks. The DOS program shares the tie-break table "ds" + key, so the FIDE list lives in
// a file of this program's own beside it, "ds" + key + ".fid": one line with the list in the
// TRF tag-202 form ("DE,BH/C1,BH,SB"). No file (or an empty one) means the classical systems.

#include <optional>
#include <string>
#include <vector>

#include "register/working_state.h"
#include "storage/status.h"
#include "storage/value.h"
#include "tiebreaks/tie_break_list.h"
#include "tiebreaks/tournament.h"

namespace movarel::standings {

struct FideChoice {
  tiebreaks::RuleSet rules = tiebreaks::RuleSet::kRules2024;
  std::vector<tiebreaks::TieBreak> list;
};

// "ds" + key + ".fid" in `folder` (which ends in '/' or is empty).
std::string FideChoicePath(const std::string& folder, const std::string& key);

// The rules of a tournament that starts on `start`; an empty date takes the rules in force
// now, those of March 2026.
tiebreaks::RuleSet RulesForStart(const storage::Date& start);
// "2024", "2026" or "anteriores a 2024", as the dialog and the pages name them.
std::string RulesName(tiebreaks::RuleSet rules);

// The stored choice; nothing for the classical systems. A file that cannot be read, or whose
// list does not parse under `rules`, is an error naming the file and what is wrong.
storage::Result<std::optional<FideChoice>> ReadFideChoice(const std::string& path, tiebreaks::RuleSet rules);

// The open tournament's choice ("ds" + CCLAVE + ".fid" beside the player table `cuadro`),
// under the rules of its start date (FECHA_INI of its register record `torneos`).
struct OpenTournamentChoice {
  std::string path;
  tiebreaks::RuleSet rules = tiebreaks::RuleSet::kRules2026;
  storage::Date start;
};
OpenTournamentChoice LocateFideChoice(registry::WorkingState& state);
storage::Result<std::optional<FideChoice>> ReadOpenTournamentChoice(registry::WorkingState& state);

// Writes the list (replacing the file whole), or removes the file for the classical systems
// (an empty list).
storage::Status WriteFideChoice(const std::string& path, const std::vector<tiebreaks::TieBreak>& list);

}  // namespace movarel::standings
