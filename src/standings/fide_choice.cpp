#include "standings/fide_choice.h"

#include "register/file_names.h"
#include "storage/files.h"
#include "storage/workspace.h"

namespace movarel::standings {

std::string FideChoicePath(const std::string& folder, const std::string& key) {
  return folder + registry::TieBreakTableName(key) + ".fid";
}

tiebreaks::RuleSet RulesForStart(const storage::Date& start) {
  if (start.empty()) return tiebreaks::RuleSet::kRules2026;
  return tiebreaks::RulesForStartDate(start.year, start.month, start.day);
}

std::string RulesName(tiebreaks::RuleSet rules) {
  switch (rules) {
    case tiebreaks::RuleSet::kVirtualOpponent:
      return "anteriores a 2024";
    case tiebreaks::RuleSet::kRules2024:
      return "2024";
    case tiebreaks::RuleSet::kRules2026:
      return "2026";
  }
  return "";
}

storage::Result<std::optional<FideChoice>> ReadFideChoice(const std::string& path, tiebreaks::RuleSet rules) {
  const std::string resolved = storage::ResolvePath(path);
  if (!storage::FileExists(resolved)) return std::optional<FideChoice>();
  storage::Result<std::string> bytes = storage::ReadWholeFile(resolved);
  if (!bytes.ok()) return bytes.status();
  std::string text = *bytes;
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
  if (text.empty()) return std::optional<FideChoice>();
  tiebreaks::ParsedList parsed = tiebreaks::ParseList(text, rules);
  if (!parsed.error.empty()) {
    return storage::Status::Corrupt("El fichero " + resolved + " no tiene una lista de desempates v\xE1lida (\"" + text +
                                    "\"): " + parsed.error);
  }
  return std::optional<FideChoice>(FideChoice{rules, std::move(parsed.list)});
}

OpenTournamentChoice LocateFideChoice(registry::WorkingState& state) {
  OpenTournamentChoice located;
  const storage::Table* cuadro = state.workspace.Find("cuadro");
  std::string folder = cuadro != nullptr ? registry::FolderOfPath(cuadro->path()) : std::string();
  if (!folder.empty()) folder += '/';
  located.path = FideChoicePath(folder, state.CCLAVE);
  const storage::Table* torneos = state.workspace.Find("torneos");
  if (torneos != nullptr && torneos->HasField("FECHA_INI")) located.start = torneos->GetDate("FECHA_INI");
  located.rules = RulesForStart(located.start);
  return located;
}

storage::Result<std::optional<FideChoice>> ReadOpenTournamentChoice(registry::WorkingState& state) {
  const OpenTournamentChoice located = LocateFideChoice(state);
  return ReadFideChoice(located.path, located.rules);
}

storage::Status WriteFideChoice(const std::string& path, const std::vector<tiebreaks::TieBreak>& list) {
  const std::string resolved = storage::ResolvePath(path);
  if (list.empty()) return storage::FileExists(resolved) ? storage::EraseFile(resolved) : storage::Status::Ok();
  return storage::WriteFileAtomically(resolved, tiebreaks::ListText(list) + "\r\n");
}

}  // namespace movarel::standings
