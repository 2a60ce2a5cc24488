#pragma once
// Reading a Tournament Report File (TRF16 or TRF26, with or without the XX extension
// records) into plain data, refusing files that contradict themselves.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "trf/tournament.h"

namespace movarel::trf {

enum class ErrorKind {
  kNotTrf,            // no player record at all, or an empty file
  kLineTooShort,      // a 001 line that ends before its points
  kBadField,          // a number that does not parse, a fixed space that is not one, a bad tag value
  kUnknownResult,     // a result code outside the table
  kDuplicatePlayer,   // two 001 lines with one starting rank
  kUnknownOpponent,   // an opponent number with no 001 line
  kAsymmetricPairing, // the opponent does not name the player back with the opposite colour
                      // and the complementary result
  kBadColour,         // a colour with no opponent, or no colour with one
  kTwoPabs,           // more than one pairing-allocated bye in a round
  kPointsDiffer,      // the points field is not the sum of the results
};

struct Error {
  int line = 0;       // 1-based line of the file; CR, LF and CR LF each end one line
  ErrorKind kind = ErrorKind::kNotTrf;
  // Spanish, Windows-1252, complete: "Línea 12: ...". Names the value that is wrong.
  std::string message;
};

struct ReadResult {
  Tournament tournament;  // complete only when there is no error
  std::optional<Error> error;
  // Not reasons to refuse the file: records this reader does not know, 062 differing from the
  // number of players, two players meeting twice at the board (allowed in round robins).
  std::vector<Error> warnings;
  // Where things stand in the file, for callers that refuse what the file may hold but they
  // cannot (more rounds or players than their tables take): the line of each player, in the
  // order of tournament.players, and of the 142 or XXR line (0 = none).
  std::vector<int> player_lines;
  int rounds_line = 0;

  bool ok() const { return !error.has_value(); }
};

// `bytes` is the whole file. Lines may end in CR, LF or CR LF; blank lines, trailing spaces and
// a UTF-8 byte-order mark are ignored. A file that is well-formed UTF-8 is read as UTF-8,
// any other as Windows-1252. Players come out sorted by starting rank; numbers may have gaps.
// Checks: every field parses, starting ranks are unique, every opponent exists and names the
// player back (opposite colour, complementary result; a double forfeit is '-' on both sides),
// at most one 'U' per round, points equal the sum of the results under the file's scoring
// (not checked when the file carries 299 point adjustments).
ReadResult Read(std::string_view bytes);

}  // namespace movarel::trf
