#include "rounds/round_pairing_check.h"

#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

#include "register/file_names.h"
#include "rounds/tournament_tables.h"
#include "storage/letter_case.h"
#include "storage/table.h"
#include "storage/value.h"
#include "storage/workspace.h"

namespace movarel::rounds {
namespace {

// The player's opponent and upper-cased colour in the round; the player table is on it.
struct Pairing {
  double opponent = 0;
  char colour = ' ';
};

Pairing PairingOf(const storage::Table& cuadro, int round) {
  const std::string colour = cuadro.GetText(registry::RoundFieldName(round, 'C'));
  return {cuadro.GetNumber(registry::RoundFieldName(round, 'J')),
          colour.empty() ? ' ' : storage::UpperAscii(colour[0])};
}

}  // namespace

std::vector<std::string> UnconfirmedBoards(registry::WorkingState& state, int round) {
  std::vector<std::string> boards;
  storage::Table* ronda = state.workspace.Find("ronda");
  storage::Table* cuadro = state.workspace.Find("cuadro");
  if (ronda == nullptr || cuadro == nullptr) return boards;
  auto holds = [&](double player, double opponent, char colour) {
    if (!IsPlayerRecord(*cuadro, player)) return false;
    cuadro->GoTo(static_cast<uint32_t>(player));
    const Pairing stored = PairingOf(*cuadro, round);
    return stored.opponent == opponent && stored.colour == colour;
  };
  for (ronda->GoTop(); !ronda->Eof(); ronda->Skip()) {
    const double white = ronda->GetNumber("JUG_B");
    const double black = ronda->GetNumber("JUG_N");
    if (white == 0) continue;
    if (holds(white, black, black == 0 ? 'D' : 'B') && (black == 0 || holds(black, white, 'N'))) continue;
    const std::string board =
        "mesa " + std::to_string(ronda->RecNo()) + " (" + std::to_string(static_cast<long>(white));
    boards.push_back(board +
                     (black == 0 ? " descansa)" : "-" + std::to_string(static_cast<long>(black)) + ")"));
  }
  return boards;
}

bool PairingConfirmed(registry::WorkingState& state, int round) {
  if (!UnconfirmedBoards(state, round).empty()) return false;
  storage::Table* ronda = state.workspace.Find("ronda");
  storage::Table* cuadro = state.workspace.Find("cuadro");
  if (ronda == nullptr || cuadro == nullptr) return false;
  std::vector<bool> on_board(cuadro->LastRec() + 1, false);
  for (ronda->GoTop(); !ronda->Eof(); ronda->Skip()) {
    const double white = ronda->GetNumber("JUG_B");
    if (white == 0) continue;
    for (const double player : {white, ronda->GetNumber("JUG_N")}) {
      if (IsPlayerRecord(*cuadro, player)) on_board[static_cast<size_t>(player)] = true;
    }
  }
  for (cuadro->GoTop(); !cuadro->Eof(); cuadro->Skip()) {
    if (on_board[cuadro->RecNo()]) continue;
    const Pairing stored = PairingOf(*cuadro, round);
    if (stored.opponent != 0 || stored.colour != ' ') return false;
  }
  return true;
}

}  // namespace movarel::rounds
