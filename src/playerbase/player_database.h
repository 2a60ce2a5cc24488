#pragma once
// The player database: the table "basejugs.dbf" in the templates folder, open under `bjugs`
// with its index "basejugs.ntx", and the two ways players travel between it and the open
// tournament's player table `cuadro`.
//
// One index key serves every look-up: the upper-cased name. The search box types upper case
// and the tournament's names are looked up in capitalised form; both are upper-cased before
// the search, so every stored name is found whichever way it was written. An index found
// over any other key (the name as stored, as a new database once got) is rebuilt over it.

#include <string>
#include <string_view>

#include "register/working_state.h"
#include "storage/status.h"
#include "storage/table.h"

namespace movarel::playerbase {

inline constexpr char kDatabaseAlias[] = "bjugs";
inline constexpr char kDatabaseKey[] = "upper(bjugs->jug)";

// "<templates folder>basejugs.dbf" for the program's start folder.
std::string DatabasePath(const registry::WorkingState& state);

// Opens the database exclusively under `bjugs` with its name index, creating the table from
// the template "basejugs.mod" and the index when missing. The previously selected alias stays
// selected.
storage::Result<storage::Table*> OpenDatabase(registry::WorkingState& state);

// Positions `bjugs` on the record of `name` (compared whole, without regard to case);
// false, at the end, when the database has none.
storage::Result<bool> FindName(storage::Table& bjugs, std::string_view name);

// ANAJUGACUADRO: copies the record `recno` of the database into the first free slot of the
// tournament, or into a new player record, with its messages.
void ANAJUGACUADRO(registry::WorkingState& state, uint32_t recno);

// ANAJUGSABASE: asks, then adds or updates every named player of the tournament in the
// database, opening and closing it.
void ANAJUGSABASE(registry::WorkingState& state);

// ANAJUGABASE: one tournament player (cuadro's current record) into the open database.
storage::Status ANAJUGABASE(storage::Table& cuadro, storage::Table& bjugs, bool update);

}  // namespace movarel::playerbase
