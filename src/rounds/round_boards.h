#pragma once
// One more blank board in every round table of the open tournament: what the menu entry
// "&Añadir un registro a los ficheros de las rondas" does, and what adding a player does when
// the player count turns odd (the new player needs a board in every round, a bye included).

#include <string>
#include <vector>

#include "register/working_state.h"

namespace movarel::rounds {

// For n = 1 .. N_RONDAS of the register's current record: when "r" + n + `CCLAVE` exists
// beside the player table, opens it for exclusive use under `ronda`, appends a blank record
// and closes it. Missing round tables are skipped, as the DOS program may not have made them
// all. Returns the messages of the round tables that could not be changed (held by another
// program, unreadable), one per table; the others are changed all the same. Leaves `cuadro`
// selected.
std::vector<std::string> AddBoardToRoundTables(registry::WorkingState& state);

// The operation with its closing message: "Se ha añadido un registro a cada fichero de ronda"
// titled "¡Hecho!" when every table took its board, else one exclamation box naming the round
// tables left unchanged.
void AddBoardToRoundTablesAndReport(registry::WorkingState& state);

}  // namespace movarel::rounds
