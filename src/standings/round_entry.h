#pragma once
// One round of one player as the standings read it from the per-round fields R<n>J, R<n>C,
// R<n>P and R<n>I of the player table.

#include <string_view>

namespace movarel::standings {

struct RoundEntry {
  // R<n>J as stored: the opponent's player number. 0 means no opponent; so does any number
  // that is no record of the player table (see PlayerInput::OpponentOf).
  int opponent = 0;
  // p(n): the points of the round.
  double points = 0;
  // A bye, a forfeit, an absence or a withdrawal: R<n>I is "i", or R<n>C is "D" or blank.
  bool unplayed = true;
  // R<n>I is the lower-case "i". Only the lower case counts: result entry writes it so, and
  // the DOS program's upper-case marks never reached the standings either.
  bool forfeit = false;
};

// p(n) from R<n>P. The half point comes in two codings: 0xBD (Windows-1252, written by result
// entry) and 0xAB (code page 850, written by the DOS program and by the Figaro import). Any
// other text counts by the VAL rule, so "1" is 1 and a blank or a letter 0.
double RoundPoints(std::string_view points_field);

// Builds the entry from the field texts (padded as stored) and the opponent number.
RoundEntry MakeRoundEntry(double opponent_field, std::string_view colour_field,
                          std::string_view points_field, std::string_view forfeit_field);

}  // namespace movarel::standings
