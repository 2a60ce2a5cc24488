#pragma once
// The game tally behind every line of the federation reports and exchange files: the games a
// player played against opponents the body counts as rated, his points in them, and the
// average rating of those opponents.

#include "federation/rating_body.h"

namespace movarel::federation {

// How an opponent's rating enters the average. A member's report limits each opponent to
// 350 points from the player's own rating (FVA: only when the player has one); a block
// candidate, who has no rating yet, takes the opponents' ratings as they are.
enum class RatingTerm { kLimitedToOwn, kUnlimited };

struct Tally {
  int games = 0;        // G
  int half_points = 0;  // S in half points, so that sums of draws stay exact
  long rating_sum = 0;  // T

  double points() const { return half_points / 2.0; }
  // T / G to the nearest whole number, halves away from zero; 0 without games.
  int average() const;
};

// The tally of `player` over his rounds. A round counts when the opponent is a record of the
// table, the player's forfeit mark is not "I", the opponent is rated for `body`, and the
// opponent's result of that round is entered; the player's points come from the opponent's
// result (a half point either byte, otherwise 1 minus its value).
Tally TallyGames(const Entrants& entrants, const Entrant& player, RatingBody body, RatingTerm term);

}  // namespace movarel::federation
