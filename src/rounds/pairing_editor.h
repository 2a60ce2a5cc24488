#pragma once
// VEREMPAREJ: the pairing of one round. The round chooser picks the round, round 1 can be
// filled automatically (top half of the seeding order against the bottom half), and the
// editor "FrmEE" places players on boards with one button per player, or pairs the whole
// round by the Dutch system ("btnEmpAuto"); its OK button warns of a broken absolute rule,
// copies the pairing into the player table and checks it (VALIDARPAREO), its cancel button
// puts the boards back as they were.

#include <string>
#include <vector>

#include "pairing/round_input.h"
#include "register/working_state.h"
#include "storage/status.h"
#include "storage/table.h"

namespace movarel::ui {
class Ui;
class Form;
}  // namespace movarel::ui

namespace movarel::rounds {

// Round 1 of `players` players into `ronda` from its first board: board i pairs i with i + M
// (M = players / 2), the side of the lower number alternating from White (`first_white`) or
// Black; with an odd count the last number has the bye on the next board; every further
// board is emptied. Whatever the boards held is overwritten, results included: a new pairing
// has none yet. The table is left on its first board.
storage::Status PairRoundOne(storage::Table& ronda, int players, bool first_white);

// `boards` into `ronda` from its first board, a Black of 0 for the bye; every further board is
// emptied and every result cleared. Boards beyond the table's records are not written.
storage::Status PlaceBoards(storage::Table& ronda, const std::vector<pairing::Board>& boards);

// Runs the whole operation from the menu over the open tournament. A round table that
// cannot be opened gets a stop box naming it, and nothing is changed. An automatic pairing
// of a round 1 with results asks first whether to clear them.
//
// OK confirms the pairing, except that a round whose boards were not changed and whose
// pairing the player table already holds is left as it is, register included: looking at a
// played round never changes it. Boards whose players changed lose their result (after a
// question when they had one), and so do their players, old and new, in the player table;
// after an automatic pairing every player does, except those it left out of the round, who get
// their points for it ("0" absent, a half point for a bye they asked for). Cancel puts back the boards, results
// included, as they were when the editor opened, and writes nothing else.
void VEREMPAREJ(registry::WorkingState& state, ui::Ui& ui);

// The button of player `number` ("btnJug" + three digits); nullptr when there is none.
std::string PlayerButtonName(long number);

}  // namespace movarel::rounds
