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

storage::Table* OpenRoundTable(registry::WorkingState& state, int round) {
  const int rounds = RegisterRoundCount(state);
  // Round 0 or a round past the tournament's last has no table; past 15 there are not even
  // per-round fields to copy it into. The name in the message is spelled out by hand: the
  // name builder takes real rounds only.
  if (round < 1 || round > rounds || round > registry::kMaxRounds) {
    const std::string name = "r" + std::to_string(round) + state.CCLAVE;
    state.dialogs->MsgStop("El torneo no tiene la ronda " + std::to_string(round) +
                           "\r\nNo existe el fichero de ronda " + name);
    state.workspace.Select("cuadro");
    return nullptr;
  }
  const std::string name = registry::RoundTableName(round, state.CCLAVE);
  auto opened = state.workspace.Use(RoundTablePath(state, round), "ronda", /*shared=*/false);
  if (!opened.ok()) {
    state.dialogs->MsgStop("No se ha podido abrir el fichero de ronda " + name + "\r\n" +
                           opened.status().message());
    state.workspace.Select("cuadro");
    return nullptr;
  }
  return *opened;
}

void CloseRoundTable(registry::WorkingState& state) {
  state.workspace.Close("ronda");
  state.workspace.Select("cuadro");
}

}  // namespace movarel::rounds
