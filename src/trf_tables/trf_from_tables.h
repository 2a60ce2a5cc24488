#pragma once
// The open tournament's register record and player table as the plain data of a TRF.

#include <string>
#include <vector>

#include "storage/table.h"
#include "trf/tournament.h"

namespace movarel::trf_tables {

// One round of one player as the per-round fields hold it.
struct TableRound {
  int opponent = 0;   // R<n>J
  char colour = ' ';  // R<n>C upper-cased: 'B' White, 'N' Black, 'D' bye, ' ' not paired
  char points = ' ';  // R<n>P: '1', '0', 'h' for either half-point byte, ' ' none
  bool forfeit = false;  // R<n>I is "i", in either case
};

// Reads round `round` of the record `cuadro` stands on.
TableRound ReadTableRound(const storage::Table& cuadro, int round);

// The TRF round blocks of every player (players[i] is player number i + 1). A game keeps its
// opponent and colours when both sides agree on it: "1"/"0"/draw, "+"/"-" for a forfeit, "-"
// on both sides for a double forfeit, "D" for a half point each by forfeit (the unrated draw:
// no game was played). What a TRF cannot say as a game (a point each, a side whose opponent
// does not name it back, a game without its result) becomes what the player got without an
// opponent: "F" for a point, "H" for a half, "Z" for nothing. The bye of the pairing ("D") is
// "U" when worth a point (or still without its result) and "H" or "Z" otherwise; a player not
// paired is "Z" (absent or withdrawn), or "H"/"F" when given points.
std::vector<std::vector<trf::RoundEntry>> TrfRounds(const std::vector<std::vector<TableRound>>& players);

// The last round with a result on some board: the rounds after it are not played yet.
int LastPlayedRound(const std::vector<std::vector<TableRound>>& players);

// Everything the tables hold. `torneos` on the tournament's record; `cuadro` with its
// computed fields as of `rounds` played (PUESTO is the rank; 0 rounds leave the rank blank);
// `tie_break_fields` the tie-break systems in use, in order.
trf::Tournament TrfFromTables(storage::Table& torneos, storage::Table& cuadro,
                              const std::vector<std::string>& tie_break_fields, int rounds);

// Every round of every player of the table, rounds 1..`rounds`.
std::vector<std::vector<TableRound>> ReadTableRounds(storage::Table& cuadro, int rounds);

}  // namespace movarel::trf_tables
