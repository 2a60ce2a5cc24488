#include "trf/consistency_checks.h"

#include <algorithm>
#include <set>
#include <string>
#include <utility>

#include "trf/error_text.h"
#include "trf/line_fields.h"
#include "trf/result_codes.h"

namespace movarel::trf {

namespace {

std::string Number(int n) { return "nº " + std::to_string(n); }

const Player* FindPlayer(const std::vector<Player>& players, int starting_rank) {
  auto it = std::lower_bound(players.begin(), players.end(), starting_rank,
                             [](const Player& p, int rank) { return p.starting_rank < rank; });
  return it != players.end() && it->starting_rank == starting_rank ? &*it : nullptr;
}

std::optional<Error> CheckOpponent(const std::vector<Player>& players, const Player& player,
                                   int round, int line) {
  const RoundEntry& entry = player.rounds[round - 1];
  std::string where = "ronda " + std::to_string(round) + ": el jugador " +
                      Number(player.starting_rank) + " tiene de rival al " + Number(entry.opponent);
  if (entry.opponent == player.starting_rank) {
    return LineError(line, ErrorKind::kAsymmetricPairing, where + ", que es él mismo");
  }
  const Player* opponent = FindPlayer(players, entry.opponent);
  const RoundEntry back = static_cast<size_t>(round) <= opponent->rounds.size()
                              ? opponent->rounds[round - 1]
                              : RoundEntry{};
  if (back.opponent != player.starting_rank) {
    return LineError(line, ErrorKind::kAsymmetricPairing,
                     where + ", que no lo tiene a él de rival");
  }
  if (back.colour == entry.colour) {
    return LineError(line, ErrorKind::kAsymmetricPairing, where + " y los dos llevan el mismo color");
  }
  if (!ResultsAgree(entry.result, back.result)) {
    return LineError(line, ErrorKind::kAsymmetricPairing,
                     where + ", pero los resultados \"" + std::string(1, entry.result) + "\" y \"" +
                         std::string(1, back.result) + "\" no casan");
  }
  return std::nullopt;
}

}  // namespace

std::optional<Error> CheckConsistency(const Tournament& tournament, const std::vector<int>& lines,
                                      bool check_points, std::vector<Error>& warnings) {
  const std::vector<Player>& players = tournament.players;
  for (size_t i = 1; i < players.size(); ++i) {
    if (players[i].starting_rank == players[i - 1].starting_rank) {
      int later = std::max(lines[i], lines[i - 1]);
      int earlier = std::min(lines[i], lines[i - 1]);
      return LineError(later, ErrorKind::kDuplicatePlayer,
                       "el jugador " + Number(players[i].starting_rank) +
                           " ya aparece en la línea " + std::to_string(earlier));
    }
  }
  // Missing opponents first: a number with no line is the fault, not the silence of whoever
  // happens to carry that number's games.
  for (size_t i = 0; i < players.size(); ++i) {
    for (size_t r = 0; r < players[i].rounds.size(); ++r) {
      int opponent = players[i].rounds[r].opponent;
      if (opponent != 0 && FindPlayer(players, opponent) == nullptr) {
        return LineError(lines[i], ErrorKind::kUnknownOpponent,
                         "ronda " + std::to_string(r + 1) + ": el jugador " +
                             Number(players[i].starting_rank) + " tiene de rival al " +
                             Number(opponent) + ", que no existe");
      }
    }
  }
  std::vector<int> pab_line;  // per round: line of the first 'U', 0 = none yet
  for (size_t i = 0; i < players.size(); ++i) {
    const Player& player = players[i];
    int sum = 0;
    std::set<int> met;
    for (size_t r = 0; r < player.rounds.size(); ++r) {
      const RoundEntry& entry = player.rounds[r];
      int round = static_cast<int>(r) + 1;
      sum += PointsOf(entry.result, tournament.scoring);
      if (entry.opponent != 0) {
        if (auto error = CheckOpponent(players, player, round, lines[i])) return error;
        if (WasPlayedAtBoard(entry.result) && !met.insert(entry.opponent).second) {
          warnings.push_back(LineError(lines[i], ErrorKind::kAsymmetricPairing,
                                       "el jugador " + Number(player.starting_rank) +
                                           " juega otra vez contra el " + Number(entry.opponent) +
                                           " en la ronda " + std::to_string(round)));
        }
      }
      if (entry.result == 'U') {
        if (pab_line.size() <= r) pab_line.resize(r + 1, 0);
        if (pab_line[r] != 0) {
          return LineError(lines[i], ErrorKind::kTwoPabs,
                           "ronda " + std::to_string(round) +
                               ": segundo descanso por emparejamiento (U); el primero está en la línea " +
                               std::to_string(pab_line[r]));
        }
        pab_line[r] = lines[i];
      }
    }
    if (check_points && sum != player.points_tenths) {
      return LineError(lines[i], ErrorKind::kPointsDiffer,
                       "el jugador " + Number(player.starting_rank) + " tiene " +
                           FormatTenths(player.points_tenths) + " puntos pero sus resultados suman " +
                           FormatTenths(sum));
    }
  }
  return std::nullopt;
}

}  // namespace movarel::trf
