#pragma once
// The score groups before a round: the active players grouped by the points they had before
// it, each with his game history and a colour summary, an aid for pairing the round by hand.

#include <string>
#include <vector>

#include "register/working_state.h"
#include "storage/table.h"

namespace movarel::reports {

// One round of a player's history as the per-round fields hold it.
struct ScoreGroupRound {
  int opponent = 0;
  char colour = ' ';      // R<n>C: "B", "N", "D", blank
  char points = ' ';      // R<n>P: "1", "0", 0xBD or 0xAB, blank
  char forfeit = ' ';     // R<n>I: "i" when decided by forfeit
  char float_mark = ' ';  // R<n>F
};

struct ScoreGroupPlayer {
  uint32_t recno = 0;
  int num = 0;
  std::string jug;  // as stored
  double ptos = 0;
  std::vector<ScoreGroupRound> rounds;  // rounds 1 .. R − 1
};

// The active players (BAJA false) of `cuadro`, rounds 1 .. `rounds_before` read, in the
// score-group order: points (to one decimal) descending, equal points in record order.
std::vector<ScoreGroupPlayer> ScoreGroupOrder(storage::Table& cuadro, int rounds_before);

// The column header for round `round`.
std::string ScoreGroupHeader(int round);

// The line of one player before round `round`: number, name, points, the items of every
// earlier round and the colour summary (games with white on the right of the bar, with
// black on the left; "+"/"++" the surplus, "*" two games running with the same colour).
std::string PROCLINGP(const ScoreGroupPlayer& player, int round);

// LISHTMGP after the round chooser: computes the standings of rounds 1 .. round − 1, writes
// the page "zendral.htm", says so, and opens it under the browser rule. NRONDASEL is left at
// `round`. The order is built in memory and never attached to the player table, so later
// listings walk the players in their own order. Returns false when the page was not written.
bool LISHTMGP(registry::WorkingState& state, int round);

}  // namespace movarel::reports
