#pragma once
// The seeding order: the player table rewritten physically in the order of a kind's key and
// renumbered, so that a player's number, NUM and record number agree again.
//
// The new table is written completely (records in the new order, NUM already set) under
// "zdof.tmp" before it replaces the old file in one rename; the index "zdofi.tmp" that gives
// the order and "zdof.tmp" itself never stay behind. A failure before the replacement leaves
// the old player table as it was, open under `cuadro`.

#include <functional>
#include <string_view>

#include "register/working_state.h"
#include "storage/status.h"
#include "storage/table.h"

namespace movarel::rounds {

inline constexpr char kSeedingIndexFile[] = "zdofi.tmp";
inline constexpr char kSeedingCopyFile[] = "zdof.tmp";

// The key text handed to the index layer for a kind ("FFF", "FF0", "F00", "NUM"); "" for any
// other kind, which keeps the current physical order. Ratings enter as str(x,4) inside
// descend(), so they compare as numbers, highest first; CAT and JUG follow ascending, byte by
// byte as stored.
std::string_view SeedingKeyText(std::string_view kind);

// The steps of a rebuild, in order; a fault hook is asked before each one.
enum class SeedingStep {
  kIndex,    // create "zdofi.tmp" over the player table
  kCopy,     // write "zdof.tmp" in the index's order (live records only)
  kNumber,   // PONNUM over every record of "zdof.tmp"
  kReplace,  // close the player table and rename "zdof.tmp" over it
  kReopen,   // open the new player table under `cuadro`
};
// Test seam: returning an error makes that step fail as if the system had refused it.
using SeedingFaultHook = std::function<storage::Status(SeedingStep)>;

struct SeedingResult {
  storage::Status status;
  bool lock_refused = false;  // the table lock was refused: nothing was done
  bool replaced = false;      // the new table took the old one's name (only kReopen can fail after)
};

// Rebuilds without asking. `cuadro` must be open for exclusive use; its table lock is taken
// first. `CFICHTRAB` is set to the player table's name.
SeedingResult RebuildSeedingOrder(registry::WorkingState& state, std::string_view kind,
                                  const SeedingFaultHook& fault = nullptr);

// CREAROF(kind): asks "Realmente desea crear un nuevo orden de fuerza?..." and, on Yes,
// rebuilds; a failure is reported in a stop box that says whether the old table is intact.
// Leaves `cuadro` selected, in physical order.
void CREAROF(registry::WorkingState& state, std::string_view kind, const SeedingFaultHook& fault = nullptr);

// PONNUM: NUM of the current record := its record number.
storage::Status PONNUM(storage::Table& table);

}  // namespace movarel::rounds
