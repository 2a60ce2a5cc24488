#pragma once
// The distribution of the prizes from the final standings (menu "&Calcular reparto de
// premios"). Prizes go from the largest amount down (the amount order of the prize table);
// each goes to the best-placed player who is not withdrawn and may still take it:
//   - at most one general prize per player,
//   - at most one prize of each category, and only of the categories the player's
//     eligibility list PREMIOS holds (codes compared without regard to case),
//   - at most one non-cumulative prize; cumulative prizes combine with anything within the
//     two limits above.
// A prize nobody may take is void: "Desierto", with no winner's data.

#include <cstdint>
#include <string>
#include <vector>

#include "register/working_state.h"
#include "storage/table.h"

namespace movarel::prizes {

// What the distribution reads of one player, in standings order.
struct PrizeCandidate {
  uint32_t recno = 0;  // player number, the index of the run's lists
  double num = 0;
  std::string jug;
  double ptos = 0;
  double puesto = 0;
  bool baja = false;
  std::string premios;  // eligibility list, as stored
};

// The prizes each player received in this run, indexed by record number.
struct PrizeRun {
  std::vector<std::string> APREMIOS;      // "g" per general prize, the code per category prize
  std::vector<std::string> APREMIOSACUM;  // one "n" per non-cumulative prize
  bool LENC = false;                      // the current prize found a winner
};

// COMPROBARPREMIOJUG: whether `player` may take the current record of `premios` and, if so,
// writes him in as its winner (under a record lock) and notes it in `run`. A refused lock
// is reported and the prize is not taken.
void COMPROBARPREMIOJUG(registry::WorkingState& state, storage::Table& premios, const PrizeCandidate& player,
                        PrizeRun& run);

// ASIGNARPREMIO: hands out the current record of `premios` to the first player of
// `standings` (in standings order) who may take it, or marks it void. `eligibility_kept`
// tells whether the player table has the field PREMIOS (an old-format table has not, and
// then no category prize can be handed out).
void ASIGNARPREMIO(registry::WorkingState& state, storage::Table& premios,
                   const std::vector<PrizeCandidate>& standings, bool eligibility_kept, PrizeRun& run);

// CALCULARPREMIOS: the menu operation on the open tournament. Computes the standings over
// all rounds, hands out every prize and ends silently; every refusal gets its message. The
// player table's orders and the prize table are closed on every way out.
void CALCULARPREMIOS(registry::WorkingState& state);

}  // namespace movarel::prizes
