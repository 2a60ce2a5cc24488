#pragma once
// Ratings and codes of the player database (`bjugs`, open) from the rating lists of FIDE,
// FEDA and FVA. Each list is a table whose path is a key of the settings file; it is opened
// read-only, checked for the fields it must have and indexed into a temporary file in the
// start folder ("ffide.tmp", "ffeda.tmp", "ffva.tmp") that never stays behind. A list that
// is missing, held by another program, truncated or without the expected fields stops the
// operation with a message naming the file before any player of the database is touched.

#include "register/working_state.h"
#include "storage/status.h"
#include "storage/table.h"

namespace movarel::ui {
class Control;
}

namespace movarel::playerbase {

struct ListCounts {
  int NKENC = 0;       // database players found in the list
  int NKMOD = 0;       // ratings changed
  int NKAMBIGUOS = 0;  // names that matched more than one entry
};

// Ratings by code: ELO from the FVA list by licence, ELOFEDA from the FEDA list by CLAVE,
// ELOFIDE from the FIDE list by COD_FIDE. `brwBJugs`, when given, is refreshed at the end.
void ACTFVA(registry::WorkingState& state, ui::Control* brwBJugs);
void ACTFEDA(registry::WorkingState& state, ui::Control* brwBJugs);
void ACTFIDE(registry::WorkingState& state, ui::Control* brwBJugs);

// Codes by name for players without one: the FVA licence (names compared in capitals), the
// FIDE code (names compared as written). A name followed in the list by an equal one (or by a
// beginning of it) is ambiguous and left alone.
void BUSCODFVA(registry::WorkingState& state, ui::Control* brwBJugs);
void BUSCODFIDE(registry::WorkingState& state, ui::Control* brwBJugs);
// The FEDA code by name, as the FIDE one, when the FEDA list has a name field JUG; the FEDA
// lists as distributed have none, and then the user is told so.
void BUSCODFEDA(registry::WorkingState& state, ui::Control* brwBJugs);

}  // namespace movarel::playerbase
