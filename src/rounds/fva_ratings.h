#pragma once
// FVA ratings and licences of the tournament's players from the FVA rating list (alias
// `ffva`, fields LIC, JUG, ELO), whose path is the key "EloFva" of the settings file. The
// list is indexed into "ffva.tmp" in the start folder while it is read; the index never
// stays behind.

#include <string>

#include "register/working_state.h"
#include "storage/table.h"

namespace movarel::ui {
class Control;
}

namespace movarel::rounds {

inline constexpr char kFvaIndexFile[] = "ffva.tmp";

// The counters shown in the closing messages.
struct FvaCounts {
  int NKENC = 0;       // players found in the list
  int NKMOD = 0;       // ratings changed
  int NKAMBIGUOS = 0;  // names that matched more than one entry
};

// The list's path from "tq.ini" in the Windows folder ("" when the file or the key is missing).
std::string FvaListPath();

// PONELOFVACUADRO ("Elo FVA"): for every player with a licence, the list's ELO by licence;
// one information box per licence the list lacks; closes with the two counters. `brwCuadro`,
// when given, is refreshed.
void PONELOFVACUADRO(registry::WorkingState& state, ui::Control* brwCuadro);
// PONLICFVACUADRO ("Lic.FVA"): for every player without a licence and with a name, the
// licence of the list entry the name leads to, unless the name is ambiguous.
void PONLICFVACUADRO(registry::WorkingState& state, ui::Control* brwCuadro);

// One player, `cuadro` on its record and `ffva` ordered by licence / by upper-cased name.
storage::Status ACTFVAJUGCUADRO(registry::WorkingState& state, storage::Table& cuadro, storage::Table& ffva,
                                FvaCounts& counts);
storage::Status PONLICFVAJUGCUADRO(storage::Table& cuadro, storage::Table& ffva, FvaCounts& counts);

}  // namespace movarel::rounds
