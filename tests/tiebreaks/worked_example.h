#pragma once
// The six-player, four-round event worked by hand in FIDE's tie-break notes (Abel, Brook,
// Cole, Dorn, Engel, Frost): a half-point bye, a pairing-allocated bye and a forfeit.

#include "tiebreaks/tournament.h"

namespace movarel::tiebreaks::testing {

inline RoundResult Game(int opponent, Colour colour, int halves) {
  return {RoundKind::kPlayed, opponent, colour, halves};
}

inline Tournament WorkedExample(RuleSet rules) {
  constexpr Colour W = Colour::kWhite;
  constexpr Colour B = Colour::kBlack;
  Tournament t;
  t.rules = rules;
  t.players = {
      {2200, {Game(4, W, 2), Game(2, B, 2), Game(3, W, 1), Game(5, B, 1)}},
      {2150, {Game(5, B, 2), Game(1, W, 0), {RoundKind::kForfeitWin, 4, B, 2}, Game(3, B, 0)}},
      {2100, {Game(6, W, 2), {RoundKind::kHalfBye, 0, Colour::kNone, 1}, Game(1, B, 1), Game(2, W, 2)}},
      {2050, {Game(1, B, 0), Game(5, W, 1), {RoundKind::kForfeitLoss, 2, W, 0}, Game(6, W, 1)}},
      {2000, {Game(2, W, 0), Game(4, B, 1), Game(6, B, 2), Game(1, W, 1)}},
      {1950, {Game(3, B, 0), {RoundKind::kPairingBye, 0, Colour::kNone, 2}, Game(5, W, 0), Game(4, B, 1)}},
  };
  return t;
}

}  // namespace movarel::tiebreaks::testing
