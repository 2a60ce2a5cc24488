#pragma once
// The FIDE standings of the open tournament: the player table's per-round fields mapped to
// the tie-break engine, and its ranking mapped back to record numbers.

#include <cstdint>
#include <vector>

#include "standings/fide_choice.h"
#include "storage/table.h"
#include "tiebreaks/fide_ranking.h"
#include "tiebreaks/tournament.h"

namespace movarel::standings {

// The tournament as the engine sees it, after `rounds` rounds. Every live record is a
// player (deleted ones are left out, and count as no opponent). The rating is the FIDE
// rating `ELOFIDE`.
struct FideTournament {
  tiebreaks::Tournament tournament;
  std::vector<uint32_t> recno;  // by engine player (pairing number - 1)
};

// How the per-round fields read: "i" marks a forfeit; colour "D" is a bye, scored 1 a
// pairing-allocated one, ½ a half-point one and 0 a zero-point one; a blank colour without
// opponent is an absence (or the rounds after a withdrawal); "B" and "N" a game with White
// or Black. A game without a result yet counts 0 for both. Trailing rounds in which nobody
// has been paired yet are left out.
FideTournament ReadFideTournament(storage::Table& cuadro, int rounds, tiebreaks::RuleSet rules);

// The standings and, by record number, where each player is in them.
struct FideTable {
  FideTournament data;
  tiebreaks::FideStandings standings;
  std::vector<int> player_of_recno;  // engine player by record number, -1 for none

  int PlayerOf(uint32_t recno) const {
    return recno < player_of_recno.size() ? player_of_recno[recno] : -1;
  }
};

FideTable ComputeFideTable(storage::Table& cuadro, int rounds, const FideChoice& choice);

}  // namespace movarel::standings
