#pragma once
// The tie-break systems in use, read from the tournament's tie-break table "ds" + key in
// ORDEN order: "01", "02", ... without a gap are in use, the sequence ends at the first
// missing number; blank and "99" mark a system not used.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "register/working_state.h"
#include "storage/field.h"
#include "storage/status.h"

namespace movarel::standings {

inline constexpr size_t kTieBreakSlots = std::tuple_size_v<decltype(registry::WorkingState::ADESEMPATES)>;

// What PROCDS builds while the tie-break records go by.
struct TieBreakWalk {
  int NDS = 1;                          // number of the next position in use
  std::string CDS;                      // the sort key text, complete once the walk is over
  std::vector<std::string> systems;     // the field names in the key, trimmed, in order
};

// The standings order key over the player table `cuadro`, to be read in descending order:
// points, the tie-break `systems` in order, then the lower player number first. The key text
// lives in the index header, which holds 255 characters: each system is written out as
// "+str(BUC_T,6,1)" while the whole text fits, and otherwise as "+str(BUC_T)", which takes
// the field's own width and so orders alike; that way 20 systems of the template fit.
std::string StandingsOrderKey(const std::vector<std::string>& systems);

// Whether the standings order key can hold `systems`: at most 20, in a key text the index
// header holds. The configuration dialog takes no system beyond that, so the standings never
// meet a choice they cannot order by.
bool StandingsKeyHolds(const std::vector<std::string>& systems);

// PROCDS for one tie-break record. Slot NDS of `ADESEMPATES` receives SISTEMA without trailing blanks; when
// ORDEN's number is NDS (and below 99) the system is in use: it joins the key and NDS moves on.
// Mended: the list has 20 slots, so a 21st system in use, or the unused system read after the
// 20th, is left out instead of being written past the list's end; a system whose name is not
// a numeric field of the player table (`player_layout`), or one the key has no more room for
// (a table written elsewhere), keeps its position but stays out of the key, which could not be
// evaluated or stored with it.
void PROCDS(std::string_view ORDEN, std::string_view SISTEMA,
            const storage::RecordLayout& player_layout, TieBreakWalk& walk,
            std::array<std::string, kTieBreakSlots>& ADESEMPATES);

// Makes sure the tie-break table `folder` + "ds" + key exists (a copy of "desempsw.mod" from
// `templates_folder` when it does not: the template's records are the systems on offer and
// its ORDEN values the first choice), opens it under `desemps` and rebuilds its index
// "ds" + key + ".ntx" on ORDEN, which is left open. Sets `CFICHDS`. On failure nothing is
// left open under `desemps`.
storage::Result<storage::Table*> OpenTieBreakTable(registry::WorkingState& state, const std::string& folder,
                                                   const std::string& templates_folder, bool shared);

// Steps 5 and 6 of the standings: makes sure the tie-break table `folder` + "ds" + key exists
// (a copy of "desempsw.mod" from `templates_folder` when it does not), opens it under
// `desemps`, rebuilds its index "ds" + key + ".ntx" on ORDEN, walks it with PROCDS and closes
// it. Sets `CFICHDS`, `NDS` and `ADESEMPATES` of the state and returns the walk, whose CDS
// is the complete key (StandingsOrderKey).
storage::Result<TieBreakWalk> ReadTieBreaks(registry::WorkingState& state, const std::string& folder,
                                            const std::string& templates_folder,
                                            const storage::RecordLayout& player_layout);

}  // namespace movarel::standings
