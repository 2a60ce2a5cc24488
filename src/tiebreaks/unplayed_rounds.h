#pragma once
// How unplayed rounds enter the tie-breaks: which are voluntary (VUR), the adjusted score by
// which a player counts in other players' tie-breaks, and the score of the dummy opponent a
// player meets in each of his own unplayed rounds. All in half-points.

#include <vector>

#include "tiebreaks/tournament.h"

namespace movarel::tiebreaks {

struct UnplayedRounds {
  std::vector<int> score;     // actual score
  std::vector<int> adjusted;  // score as it counts in the opponents' tie-breaks
  // [player][round]: the dummy's score for an unplayed round, -1 for a game.
  std::vector<std::vector<int>> dummy;
  // [player][round]: the round is voluntarily unplayed (a requested bye, an absence, a forfeit
  // loss).
  std::vector<std::vector<bool>> voluntary;
};

bool IsGame(RoundKind kind);
bool IsVoluntary(RoundKind kind);

UnplayedRounds AnalyseUnplayedRounds(const Tournament& tournament);

// The same tournament with every forfeit (won, lost or double) turned into a game against the
// scheduled opponent with the points as awarded: the /P modifier.
Tournament WithForfeitsAsGames(const Tournament& tournament);

// The same tournament with every pairing of the last round, forfeits included, turned into a
// drawn game; byes keep their points. Fore Buchholz is computed on it.
Tournament WithLastRoundDrawn(const Tournament& tournament);

}  // namespace movarel::tiebreaks
