#include "standings/player_scores.h"

#include <algorithm>

namespace movarel::standings {

int OpponentOf(const PlayerList& players, const PlayerInput& player, int round) {
  const int opponent = player.rounds[static_cast<size_t>(round - 1)].opponent;
  if (opponent < 1 || static_cast<size_t>(opponent) > players.size()) return 0;
  return opponent;
}

void PTOSJUG(const PlayerInput& player, int rounds, WorkArrays& work, PlayerScores& scores) {
  double running = 0;  // T(n)
  double acum = 0;
  std::array<double, kCutProgressives> acu{};
  int wins = 0;
  double buchholz_score = 0;
  double rating_score = 0;
  for (int n = 1; n <= rounds; ++n) {
    const RoundEntry& entry = player.rounds[static_cast<size_t>(n - 1)];
    const double NPTOSRDA = entry.points;
    running += NPTOSRDA;
    acum += running;
    for (int k = 1; k <= kCutProgressives && k < n; ++k) acu[static_cast<size_t>(k - 1)] += running;
    buchholz_score += entry.unplayed ? 0.5 : NPTOSRDA;
    rating_score += entry.unplayed ? 0 : NPTOSRDA;
    if (NPTOSRDA == 1) ++wins;
  }
  work.APTBUC[player.recno] += buchholz_score;
  work.APTELO[player.recno] += rating_score;
  scores.ptos = running;
  scores.acum = acum;
  scores.acu = acu;
  scores.n_vic = wins;
}

void DESEMJUG(const PlayerList& players, const PlayerInput& player, int rounds,
              const WorkArrays& work, ExpectedScoreTable& table, PlayerScores& scores) {
  double total = 0;
  double sonneborn = 0;
  // The largest value starts at 0 and the smallest at 999, so that with no rounds both cut
  // Buchholz values come out negative and are stored as 0.
  double largest = 0;
  double NMIN = 999;
  double rating_sum = 0;
  int rated = 0;
  for (int n = 1; n <= rounds; ++n) {
    const RoundEntry& entry = player.rounds[static_cast<size_t>(n - 1)];
    const int opponent = OpponentOf(players, player, n);
    const double NPTBUC = opponent > 0 ? work.APTBUC[static_cast<size_t>(opponent)] : rounds / 2.0;
    total += NPTBUC;
    sonneborn += entry.points * NPTBUC;
    largest = std::max(largest, NPTBUC);
    NMIN = std::min(NMIN, NPTBUC);
    if (opponent > 0 && !entry.forfeit) {
      const double opponent_elo = players[static_cast<size_t>(opponent - 1)].elo;
      rating_sum += opponent_elo;
      if (opponent_elo > 0) ++rated;
    }
  }
  const double NBR = total - largest - NMIN;
  const double cut = total - NMIN;
  const double NELOOPM = rating_sum / (rated > 0 ? rated : 1);
  scores.buc_t = total;
  scores.buc_r = NBR > 0 ? NBR : 0;
  scores.elo_m = NELOOPM;
  scores.buc_b = cut > 0 ? cut : 0;
  scores.var_elo = FVARELO(player.elo, NELOOPM, rated, work.APTELO[player.recno], player.k, table);
  scores.sonen = sonneborn;
}

std::vector<PlayerScores> ComputeScores(const PlayerList& players, int rounds,
                                        ExpectedScoreTable& table) {
  rounds = std::clamp(rounds, 0, kMaxRounds);
  WorkArrays work;
  work.APTBUC.assign(players.size() + 1, 0.0);
  work.APTELO.assign(players.size() + 1, 0.0);
  std::vector<PlayerScores> scores(players.size());
  for (size_t i = 0; i < players.size(); ++i) {
    if (!players[i].deleted) PTOSJUG(players[i], rounds, work, scores[i]);
  }
  for (size_t i = 0; i < players.size(); ++i) {
    if (!players[i].deleted) DESEMJUG(players, players[i], rounds, work, table, scores[i]);
  }
  return scores;
}

}  // namespace movarel::standings
