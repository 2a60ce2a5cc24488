#include "tiebreaks/unplayed_rounds.h"

#include <algorithm>

namespace movarel::tiebreaks {

namespace {

constexpr int kDraw = 1;  // half-points

bool IsRequestedBye(RoundKind kind) {
  return kind == RoundKind::kHalfBye || kind == RoundKind::kZeroBye || kind == RoundKind::kAbsent;
}

bool IsForfeit(RoundKind kind) {
  return kind == RoundKind::kForfeitWin || kind == RoundKind::kForfeitLoss || kind == RoundKind::kDoubleForfeit;
}

bool ValidOpponent(const Tournament& tournament, int opponent) {
  return opponent >= 1 && opponent <= static_cast<int>(tournament.players.size());
}

}  // namespace

bool IsGame(RoundKind kind) { return kind == RoundKind::kPlayed; }

bool IsVoluntary(RoundKind kind) {
  return IsRequestedBye(kind) || kind == RoundKind::kForfeitLoss || kind == RoundKind::kDoubleForfeit;
}

UnplayedRounds AnalyseUnplayedRounds(const Tournament& tournament) {
  const size_t count = tournament.players.size();
  const int rounds = tournament.Rounds();
  UnplayedRounds out;
  out.score.assign(count, 0);
  out.adjusted.assign(count, 0);
  out.dummy.assign(count, std::vector<int>(static_cast<size_t>(rounds), -1));
  out.voluntary.assign(count, std::vector<bool>(static_cast<size_t>(rounds), false));

  for (size_t p = 0; p < count; ++p) {
    const std::vector<RoundResult>& results = tournament.players[p].rounds;
    int score = 0;
    int adjusted = 0;
    // Walking backwards: a requested bye followed only by voluntarily unplayed rounds (or in
    // the last round) means the player had stopped playing, and counts as a draw for others.
    bool only_voluntary_after = true;
    for (int r = rounds - 1; r >= 0; --r) {
      const RoundResult& result = results[static_cast<size_t>(r)];
      const bool voluntary = IsVoluntary(result.kind);
      out.voluntary[p][static_cast<size_t>(r)] = voluntary;
      score += result.points;
      if (tournament.rules == RuleSet::kVirtualOpponent) {
        adjusted += IsGame(result.kind) ? result.points : kDraw;
      } else {
        adjusted += IsRequestedBye(result.kind) && only_voluntary_after ? kDraw : result.points;
      }
      only_voluntary_after = only_voluntary_after && voluntary;
    }
    out.score[p] = score;
    out.adjusted[p] = adjusted;
  }

  for (size_t p = 0; p < count; ++p) {
    const std::vector<RoundResult>& results = tournament.players[p].rounds;
    int before = 0;
    for (int r = 0; r < rounds; ++r) {
      const RoundResult& result = results[static_cast<size_t>(r)];
      if (!IsGame(result.kind)) {
        int dummy = out.score[p];
        if (tournament.rules == RuleSet::kVirtualOpponent) {
          // Starts the round level with the player, takes the other result, draws the rest.
          dummy = before + (2 - result.points) + kDraw * (rounds - r - 1);
        } else if (tournament.rules == RuleSet::kRules2026) {
          const bool forfeit = IsForfeit(result.kind) && ValidOpponent(tournament, result.opponent);
          const int cap = forfeit ? out.adjusted[static_cast<size_t>(result.opponent - 1)] : kDraw * rounds;
          dummy = std::min(dummy, cap);
        }
        out.dummy[p][static_cast<size_t>(r)] = dummy;
      }
      before += result.points;
    }
  }
  return out;
}

Tournament WithForfeitsAsGames(const Tournament& tournament) {
  Tournament out = tournament;
  for (Player& player : out.players) {
    for (RoundResult& result : player.rounds) {
      if (IsForfeit(result.kind) && ValidOpponent(tournament, result.opponent)) result.kind = RoundKind::kPlayed;
    }
  }
  return out;
}

Tournament WithLastRoundDrawn(const Tournament& tournament) {
  Tournament out = tournament;
  if (out.Rounds() == 0) return out;
  for (Player& player : out.players) {
    RoundResult& last = player.rounds.back();
    if ((IsGame(last.kind) || IsForfeit(last.kind)) && ValidOpponent(tournament, last.opponent)) {
      last.kind = RoundKind::kPlayed;
      last.points = kDraw;
    }
  }
  return out;
}

}  // namespace movarel::tiebreaks
