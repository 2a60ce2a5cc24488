#pragma once
// The players of a tournament as the rating bodies see them, and each body's rules: who is its
// member, which rating is a player's own, which opponents count as rated and at what rating.

#include <cstdint>
#include <string>
#include <vector>

#include "storage/status.h"
#include "storage/table.h"
#include "storage/value.h"

namespace movarel::federation {

enum class RatingBody { kFide, kFeda, kFva };

// One round of a player's record: the opponent's number (also his record number; 0 none),
// the forfeit mark ("i"/"I" when the game was forfeited) and this player's result as stored:
// "1", "0", a half point as byte 0xAB (the DOS program) or 0xBD (this program), or blank.
struct RoundEntry {
  int opponent = 0;
  char forfeit = ' ';
  std::string result;
};

// A record of the player table with the fields the reports use, texts as stored (padded).
struct Entrant {
  uint32_t recno = 0;
  int NUM = 0;
  std::string JUG, SEXO, COD_PAIS, AUTONOMIA, COD_FIDE, COD_FEDA, LIC, CLUB, CAT;
  storage::Date FECHA_NAC;
  int ELOFIDE = 0, ELOFEDA = 0, ELO = 0;
  std::vector<RoundEntry> rounds;  // rounds 1 .. the tournament's number of rounds
};

// The player table read once, every record by record number (`by_recno[recno - 1]`), deleted
// ones too since opponents are reached by record number; `in_order` the records the table shows
// in its current order (deleted ones hidden as the table settings say).
struct Entrants {
  std::vector<Entrant> by_recno;
  std::vector<uint32_t> in_order;
  const Entrant* ByRecNo(int recno) const {
    return recno >= 1 && static_cast<size_t>(recno) <= by_recno.size() ? &by_recno[recno - 1] : nullptr;
  }
};

// Reads `cuadro` (left where it was) with `rounds` rounds (at most the table's 15).
storage::Result<Entrants> ReadEntrants(storage::Table& cuadro, int rounds);

// A member holds the body's code or a rating above 0 (FVA: a licence).
bool IsMember(RatingBody body, const Entrant& player);
const std::string& CodeOf(RatingBody body, const Entrant& player);
int OwnRating(RatingBody body, const Entrant& player);
// The rating an opponent counts at; 0 when he does not count as rated for the body. FEDA takes
// a FIDE rating when there is no FEDA one; FVA its own, then FIDE, then FEDA.
int OpponentRating(RatingBody body, const Entrant& opponent);

// "FIDE", "FEDA" or "FVA", as the messages and headings name the body.
const char* BodyName(RatingBody body);

}  // namespace movarel::federation
