#include "rounds/tournament_tables.h"

#include "register/file_names.h"

namespace movarel::rounds {

std::string TournamentFolderPrefix(const storage::Table& cuadro) {
  std::string folder = registry::FolderOfPath(cuadro.path());
  if (!folder.empty()) folder += '/';
  return folder;
}

bool IsPlayerRecord(const storage::Table& cuadro, double number) {
  return number >= 1 && number <= static_cast<double>(cuadro.LastRec());
}

storage::Status PutRegisterNumber(registry::WorkingState& state, std::string_view field,
                                  const std::function<double(double)>& change) {
  storage::Table* torneos = state.workspace.Find("torneos");
  if (torneos == nullptr || torneos->Eof()) return storage::Status::Ok();
  const bool shared = torneos->mode() != storage::OpenMode::kExclusive;
  if (shared && !torneos->RLock()) {
    return storage::Status::Locked(torneos->path() + ": el registro del torneo est\xE1 bloqueado");
  }
  storage::Status status = torneos->Put(field, change(torneos->GetNumber(field)));
  if (status.ok()) status = torneos->Commit();
  if (shared) torneos->Unlock();
  return status;
}

storage::Status AddToPlayerCount(registry::WorkingState& state, int delta) {
  return PutRegisterNumber(state, "N_JUGS", [delta](double count) { return count + delta; });
}

int RegisterPlayerCount(registry::WorkingState& state) {
  storage::Table* torneos = state.workspace.Find("torneos");
  return torneos == nullptr ? 0 : static_cast<int>(torneos->GetNumber("N_JUGS"));
}

int RegisterRoundCount(registry::WorkingState& state) {
  storage::Table* torneos = state.workspace.Find("torneos");
  return torneos == nullptr ? 0 : static_cast<int>(torneos->GetNumber("N_RONDAS"));
}

}  // namespace movarel::rounds
