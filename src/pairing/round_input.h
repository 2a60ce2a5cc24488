#pragma once
// The pairing engine's input and output: plain data, no tables, no files.

#include <string>
#include <vector>

namespace movarel::pairing {

enum class Colour : unsigned char { none, white, black };

constexpr Colour opposite(Colour c) {
  return c == Colour::white ? Colour::black : c == Colour::black ? Colour::white : Colour::none;
}

// What happened to a player in one round. Only win/draw/loss are games played over the board:
// every other outcome is an unplayed round (no colour, no meeting, C.04.2 "unplayed rounds").
enum class Outcome : unsigned char {
  win,
  draw,
  loss,
  forfeit_win,
  forfeit_loss,
  pairing_bye,  // the pairing-allocated bye (PAB)
  full_bye,
  half_bye,
  zero_bye,  // announced absence, zero-point bye, or nothing recorded
};

constexpr bool is_played(Outcome o) {
  return o == Outcome::win || o == Outcome::draw || o == Outcome::loss;
}

struct RoundRecord {
  int opponent = 0;              // pairing number of the scheduled opponent; 0 when none
  Colour colour = Colour::none;  // scheduled colour; ignored for pairing unless played
  Outcome outcome = Outcome::zero_bye;
  int points = 0;  // points scored this round, in RoundInput's score unit
};

struct PlayerEntry {
  int number = 0;  // pairing number (starting rank) 1..9999; 1 is the strongest
  int rating = 0;  // informative: the pairing numbers already encode the initial order
  std::vector<RoundRecord> rounds;  // rounds 1 .. round-1, in order
  bool plays = true;  // false: withdrawn, absent or on a requested bye in the round to pair
};

struct RoundInput {
  int round = 1;         // the round to pair, 1..99
  int total_rounds = 1;  // announced number of rounds: the last round has its own colour rules
  // Colour of the top-ranked player in round 1 (C.04.3 Art. 5.1). Colour::none: infer it from
  // the colour the highest-ranked player paired in round 1 received.
  Colour initial_colour = Colour::none;
  // Scores are integers in a unit of the caller's choice (half-points with the defaults), so that
  // no floating point ever decides a pairing.
  int win_points = 2;
  int draw_points = 1;
  std::vector<PlayerEntry> players;  // any order; numbers unique
  std::vector<std::pair<int, int>> forbidden_pairs;  // extra bans, treated like C1
};

struct Board {
  int white = 0;
  int black = 0;
};

struct RoundPairing {
  std::vector<Board> boards;  // in board order
  int bye = 0;                // pairing number of the PAB receiver, 0 when none
};

// Limits of the engine.
constexpr int max_players = 9999;
constexpr int max_rounds = 99;

}  // namespace movarel::pairing
