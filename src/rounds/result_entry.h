#pragma once
// Result entry: the result editor FrmER over the round table, and the copy of each board's
// result code into both players' per-round score (R<n>P) and forfeit mark (R<n>I).

#include <string>
#include <string_view>
#include <vector>

#include "register/working_state.h"
#include "storage/status.h"

namespace movarel::ui {
class Control;
class Ui;
}  // namespace movarel::ui

namespace movarel::rounds {

// The score one side gets from a board result code: White's from position 2, Black's from
// position 4, except that the draws " 1/2 " (DOS) and " ½-½ " give the byte 0xBD. The DOS
// draw " «-« " (bytes 0xAB) of an imported round is copied as it stands. A code shorter
// than the position gives " ".
char WhitePoints(std::string_view rdo);
char BlackPoints(std::string_view rdo);
// Whether the code marks the game as decided by forfeit: a lower-case "i" anywhere, for
// both players alike.
bool IsForfeit(std::string_view rdo);

// PROCRDO: copies the result of the current board of `ronda` into the per-round fields of
// round `round` of its players in `cuadro`. A bye (no Black) with no result gives White "1"
// and leaves its forfeit mark. A player number that is no record of the player table is not
// written (it would land past the table's end).
storage::Status PROCRDO(registry::WorkingState& state, int round);

// VALIDARRDOS: PROCRDO for every board with a White player, from the first board on; then,
// when there was such a board, the register's N_R_ACTUAL becomes `round`. `cuadro` keeps its
// position.
//
// Refused, with a stop box naming the boards and nothing written, while any board's players
// are not paired with each other in the player table (UnconfirmedBoards): their points would
// count without opponents or colours, and every tie-break would come out wrong.
storage::Status VALIDARRDOS(registry::WorkingState& state, int round);

// PONERRDO: stores `code` in RDO of the board selected in `brwRdos` (written at once), then
// moves the selection to the next board; on the last board the selection stays. A board
// without a White player has no game: the click is refused with a stop box.
void PONERRDO(registry::WorkingState& state, ui::Control& brwRdos, std::string_view code);

// The result editor FrmER for round `round`, over the round table already open under
// `ronda`; its OK button confirms (VALIDARRDOS) and releases it.
void RunResultEditor(registry::WorkingState& state, ui::Ui& ui, int round);

// VERRDOS: the round chooser without its file box, the round table of the chosen round for
// exclusive use (a table that cannot be opened is named in a stop box and nothing changes),
// the result editor; then `ronda` is closed and `cuadro` selected.
void VERRDOS(registry::WorkingState& state, ui::Ui& ui);

}  // namespace movarel::rounds
