#pragma once
// A tournament as the tie-breaks see it: players with their rating and, round by round, what
// happened to them. Plain data filled by an adapter; nothing here knows where it came from.
//
// Points are integer half-points (a win 2, a draw 1, a loss 0) so that no sum or comparison
// drifts: every score of a standard event is a multiple of ½ and every Sonneborn-Berger term a
// multiple of ¼.

#include <vector>

namespace movarel::tiebreaks {

// What a round was for one player.
enum class RoundKind {
  kPlayed,         // a game over the board (also an unrated game of less than one move)
  kForfeitWin,     // the scheduled opponent did not appear
  kForfeitLoss,    // the player did not appear
  kDoubleForfeit,  // neither appeared: a forfeit loss for both
  kPairingBye,     // PAB, the bye of an odd number of players
  kFullBye,        // FPB, a requested or regulation full-point bye
  kHalfBye,        // HPB
  kZeroBye,        // ZPB
  kAbsent,         // not paired: absent, withdrawn, or not yet entered; treated as a ZPB
};

enum class Colour { kNone, kWhite, kBlack };

struct RoundResult {
  RoundKind kind = RoundKind::kAbsent;
  int opponent = 0;      // the scheduled opponent's pairing number (kPlayed and forfeits), else 0
  Colour colour = Colour::kNone;
  int points = 0;        // half-points awarded in the round: 0, 1 or 2
};

struct Player {
  int rating = 0;                   // 0 = unrated
  std::vector<RoundResult> rounds;  // rounds 1..n at positions 0..n-1, the same n for everybody
};

// Which text of the regulations applies.
enum class RuleSet {
  kVirtualOpponent,  // before the 2023 regulations: unplayed rounds against a virtual opponent
  kRules2024,        // in force 1 April 2024 to 28 February 2026: dummy on the player's own score
  kRules2026,        // from 1 March 2026: the dummy's score capped
};

// The rules of an event that started on the given day: an event keeps the rules it started
// under to its end.
RuleSet RulesForStartDate(int year, int month, int day);

struct Tournament {
  // Player i has pairing number i + 1; opponents are pairing numbers.
  std::vector<Player> players;
  RuleSet rules = RuleSet::kRules2024;
  // Rating that counts for an unrated opponent in the rating tie-breaks; 0 leaves games
  // against unrated opponents out of them.
  int unrated_rating = 0;

  int Rounds() const { return players.empty() ? 0 : static_cast<int>(players.front().rounds.size()); }
};

}  // namespace movarel::tiebreaks
