#pragma once
// VALIDARPAREO: copies the pairing of a round from its round table into the per-round fields
// of both players (opponent R<n>J, colour R<n>C, float mark R<n>F) and checks it against the
// pairing rules. Every breach is collected and shown together; nothing is rolled back.

#include <cstdint>
#include <set>
#include <string>

#include "register/working_state.h"
#include "storage/status.h"

namespace movarel::rounds {

// The round table of round `round` is open under `ronda`, the player table under `cuadro`
// (writable), the register under `torneos` on the tournament's record.
//
// Clears the round's opponent and colour of every player (and the float mark when `round` is
// the register's current round), computes the standings before the round (`NRONDASEL` =
// round - 1, restored to `round` afterwards) for the float marks, writes every board with a
// White player in board order, then checks every active player against the earlier rounds.
// The breaches, one per line (CR LF), are returned and shown in the exclamation box
// "Hay errores en el emparejamiento"; the register's current round becomes `round` either way.
//
// Numbers on a board that are no record of the player table (above the last record, or a
// negative Black) are reported as "El jugador nº n no está en el cuadro de jugadores" and the
// board is left unwritten: the DOS program wrote such numbers as opponents and the standings
// then read outside the table.
//
// An active player without a board is reported unless he has points for the round: those the
// arbiter left out of it, absent or on a bye he asked for.
//
// A withdrawn player on a board that has a result, or who has a score in the round, played
// it before withdrawing: he is written like any other, not reported.
//
// The players (record numbers) of `void_results` lose the round's score R<n>P and forfeit
// mark R<n>I: their games changed, and the results of the old ones no longer hold.
//
// Errors: the standings before the round cannot be computed (the player table is then left as
// it was), or a write is refused.
//
// `rules_asked`: the caller has already shown the absolute rules' breaches (players meeting
// again, a second bye, a bye after a forfeit win) and the arbiter kept them; they are not
// listed again.
storage::Result<std::string> VALIDARPAREO(registry::WorkingState& state, int round,
                                          const std::set<uint32_t>& void_results = {}, bool rules_asked = false);

}  // namespace movarel::rounds
