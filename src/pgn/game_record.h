#pragma once
// One game of a PGN file as the export writes it: the tag section, a comment saying so when
// the game was decided by forfeit, the move text "1." with no moves, so the games can be
// entered later in a chess database, and the game's termination marker on a line of its own.
// Without the marker a game has no end: chess databases join it to the next one or, at the
// end of the file, drop it. Every line ends with CR LF and there are no blank lines, neither
// inside a game nor between games.

#include <string>

#include "storage/value.h"

namespace movarel::pgn {

struct GameRecord {
  std::string event;   // TORNEO
  std::string site;    // LOCALIDAD
  std::string date;    // PgnDate of FECHA_INI
  std::string round;   // "3.2" in round exports, "3" in the one-player export
  std::string white;   // JUG of the player with White
  std::string black;   // JUG of the player with Black
  std::string result;  // "1-0", "1/2-1/2" ...; empty while the game has none
  std::string eco;     // empty in round exports, "A00" in the one-player export
  int white_elo = 0;   // ELOFIDE; the tag is written only when greater than 0
  int black_elo = 0;
  std::string comment;  // written as "{comment}" before the move text; empty: none
};

// "yyyy.mm.dd". A tournament without a start date gives PGN's unknown date "????.??.??"
// rather than the "   0.00.00" the date parts would spell.
std::string PgnDate(const storage::Date& date);

// A tag value: trailing blanks removed, a name the DOS program wrote in code page 850 turned
// into Windows-1252 like every text typed here (NOHB_OEMTOANSI). A quote or backslash is
// escaped with a backslash, as PGN requires, so a name holding one cannot end the tag early.
std::string TagValue(std::string_view text);

// The Result tag's value and the termination marker for a result: the three decisive or
// drawn results stand as they are; no result yet, and the double forfeit "0-0" or the "1-1"
// of a double win the standings allow, are not game results PGN knows, so they are written
// as an unfinished game "*".
std::string GameTermination(std::string_view result);

// The lines of one game, each ended by CR LF. Text fields are taken as they are given; the
// caller passes them through TagValue.
std::string GameRecordText(const GameRecord& game);

}  // namespace movarel::pgn
