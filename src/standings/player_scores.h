#pragma once
// The score and tie-break values of every player, computed in memory from plain copies of the
// player records. Two passes, as the order of the work demands: PTOSJUG fills the players'
// own scores and the Buchholz and rating scores (`APTBUC`, `APTELO`) that the second pass,
// DESEMJUG, reads for each opponent.
//
// Scores are plain doubles: every value is a multiple of 0.25 except ELO_M and VAR_ELO, so the
// sums are exact; nothing is rounded here, the table's field widths round on writing.

#include <array>
#include <cstdint>
#include <vector>

#include "register/table_layouts.h"
#include "standings/expected_score_table.h"
#include "standings/round_entry.h"

namespace movarel::standings {

inline constexpr int kMaxRounds = registry::kMaxRounds;
// ACU_1 ... ACU_9: the progressive score without the first 1 ... 9 rounds.
inline constexpr int kCutProgressives = 9;

// What the computation reads of one player record.
struct PlayerInput {
  uint32_t recno = 0;    // record number = player number
  bool deleted = false;  // hidden from the passes, but its ELO is still an opponent's rating
  double elo = 0;        // ELO, the regional rating; 0 = unrated
  double k = 0;          // K factor
  std::array<RoundEntry, kMaxRounds> rounds{};  // rounds 1..15 at positions 0..14
};

// What the computation writes into one player record (PUESTO is numbered afterwards).
struct PlayerScores {
  double ptos = 0;
  double acum = 0;
  std::array<double, kCutProgressives> acu{};  // ACU_1 at position 0
  int n_vic = 0;
  double buc_t = 0;
  double buc_r = 0;
  double buc_b = 0;
  double elo_m = 0;
  double sonen = 0;
  double var_elo = 0;
};

// The work arrays of one computation, indexed by player number (position 0 unused), one
// element per record of the player table, deleted records included.
struct WorkArrays {
  std::vector<double> APTBUC;  // score for Buchholz: an unplayed round counts 0.5
  std::vector<double> APTELO;  // score for the rating: an unplayed round counts 0
};

// Player numbers are record numbers; `players[i]` is record i + 1.
using PlayerList = std::vector<PlayerInput>;

// The opponent of round `round` (1-based) as a record number, or 0. A number past the end of
// the table is no player of this tournament and counts as no opponent: the DOS program read
// past the end of its arrays there.
int OpponentOf(const PlayerList& players, const PlayerInput& player, int round);

// First pass for one player over rounds 1..`rounds`: PTOS, ACUM, ACU_1..ACU_9, N_VIC, and the
// player's own APTBUC and APTELO.
void PTOSJUG(const PlayerInput& player, int rounds, WorkArrays& work, PlayerScores& scores);

// Second pass for one player: BUC_T, BUC_R, BUC_B, SONEN, ELO_M and VAR_ELO. Needs the
// APTBUC of every opponent, so every PTOSJUG must have run.
void DESEMJUG(const PlayerList& players, const PlayerInput& player, int rounds,
              const WorkArrays& work, ExpectedScoreTable& table, PlayerScores& scores);

// Both passes over every live player. `rounds` is clamped to 0..15, the rounds the player
// table can hold. The result has one element per record; deleted records keep zeros.
std::vector<PlayerScores> ComputeScores(const PlayerList& players, int rounds,
                                        ExpectedScoreTable& table);

}  // namespace movarel::standings
