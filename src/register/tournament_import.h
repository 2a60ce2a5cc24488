#pragma once
// Importing a tournament of another folder into the folder of the open tournament.

namespace movarel::registry {

struct WorkingState;

// Asks for the source player table, copies the tournament's own files (tournament_files.h)
// into the current folder, replacing files of the same name, then appends a copy of its
// register record to `torneos`. The imported tournament is not opened. A file that is held
// open (the open tournament's own tables, when its key is imported over it) or that cannot
// be copied stops the import with a message naming it, before the register is touched.
// A tournament of the current folder itself is not imported onto itself.
void IMPTORNEO(WorkingState& state);

}  // namespace movarel::registry
