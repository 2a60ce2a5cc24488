#include "rounds/round_table_access.h"

#include <string>

#include "register/file_names.h"
#include "register/table_layouts.h"
#include "rounds/tournament_tables.h"
#include "storage/workspace.h"
#include "ui/dialogs.h"

namespace movarel::rounds {

std::string RoundTablePath(registry::WorkingState& state, int round) {
  std::string folder;
  if (storage::Table* cuadro = state.workspace.Find("cuadro")) folder = TournamentFolderPrefix(*cuadro);
  return folder + registry::RoundTableName(round, state.CCLAVE) + ".dbf";
}

storage::Table* OpenRoundTable(registry::WorkingState& state, int round, const std::string& title) {
  const int rounds = RegisterRoundCount(state);
  // Round 0 or a round past the tournament's last has no table; past 15 there are not even
  // per-round fields to copy it into.
  if (round < 1 || round > rounds || round > registry::kMaxRounds) {
    state.dialogs->MsgStop(
        "El torneo no tiene la ronda " + std::to_string(round) + "\r\nNo se ha cambiado nada", title);
    state.workspace.Select("cuadro");
    return nullptr;
  }
  const std::string name = registry::RoundTableName(round, state.CCLAVE);
  auto opened = state.workspace.Use(RoundTablePath(state, round), "ronda", /*shared=*/false);
  if (opened.ok()) return *opened;
  // Worded as the pairing editor words it, so every round operation refuses alike.
  const storage::Status::Code code = opened.status().code();
  const std::string reason = code == storage::Status::Code::kLocked
                                 ? "est\xE1 siendo utilizado por otro programa"
                             : code == storage::Status::Code::kNotFound ? "no existe"
                                                                        : "no se puede leer";
  state.dialogs->MsgStop("El fichero de la ronda " + std::to_string(round) + " (" + name + ".dbf) " + reason +
                             "\r\nNo se ha cambiado nada",
                         title);
  state.workspace.Close("ronda");
  state.workspace.Select("cuadro");
  return nullptr;
}

void CloseRoundTable(registry::WorkingState& state) {
  state.workspace.Close("ronda");
  state.workspace.Select("cuadro");
}

storage::Status SetCurrentRound(registry::WorkingState& state, int round) {
  return PutRegisterNumber(state, "N_R_ACTUAL", [round](double) { return round; });
}

}  // namespace movarel::rounds
