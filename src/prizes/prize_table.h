#pragma once
// The prize table "pr" + key of a tournament, open under the alias `premios`: one record per
// prize (name, category code, amount, category order, cumulative flag and, once handed out,
// the winner). There is no table of categories: the categories are the distinct codes the
// prizes carry, and their order is the two-digit ORDEN stamped on every prize of each.

#include <array>
#include <string>
#include <string_view>

#include "register/working_state.h"
#include "storage/status.h"
#include "storage/table.h"

namespace movarel::prizes {

inline constexpr char kPrizeAlias[] = "premios";

// The key texts of the two orders. The amount order writes 10000000 minus the amount as 8
// digits, so it holds for amounts from 0 to 10000000; equal amounts go by category order,
// then by name as text ("10. Premio" before "2. Premio").
inline constexpr char kNameOrderKey[] = "premios->orden+premios->premio";
inline constexpr char kAmountOrderKey[] =
    "strzero(10000000-premios->cantidad,8)+premios->orden+premios->premio";

// A prize type offered by "Añadir varios premios": its name and the category code it writes.
struct PrizeType {
  std::string_view name;
  std::string_view code;
};
inline constexpr std::array<PrizeType, 14> kPrizeTypes = {{{"General", " "},
                                                           {"Juvenil", "j"},
                                                           {"Mujer", "m"},
                                                           {"Veterano", "v"},
                                                           {"Local", "l"},
                                                           {"Preferente", "p"},
                                                           {"Primera", "1"},
                                                           {"Segunda", "2"},
                                                           {"Tercera", "3"},
                                                           {"No federado", "n"},
                                                           {"Infantil", "i"},
                                                           {"Alevin", "a"},
                                                           {"Benjamin", "b"},
                                                           {"Belleza", "x"}}};

// A blank code, or "G" in either case, marks a general prize.
bool IsGeneralCode(std::string_view ID_CATEGOR);

// The tournament folder of the open player table `cuadro`, ending with "/" ("" for the
// current folder).
std::string TournamentFolder(registry::WorkingState& state);

// Paths of the prize table and of its two index files in the tournament folder.
std::string PrizeTablePath(registry::WorkingState& state);
std::string NameOrderPath(registry::WorkingState& state);    // "pr" + key + ".ntx"
std::string AmountOrderPath(registry::WorkingState& state);  // "pr" + key + "_c.ntx"

// ABRPREMIOS: opens the prize table exclusively under `premios` and selects it.
//  - Missing: copied from the template "premios.mod" (its prizes included), both orders built.
//  - Without the field PREMIOS (an earlier version's table): rebuilt with the template's
//    structure through "premios.tmp", the old file kept as "pr" + key + ".bak" (replacing an
//    older one), both orders built.
//  - Otherwise both index files are opened, the amount order controlling, or both rebuilt
//    when either is missing.
// On failure nothing stays open under `premios` and the error names the file.
storage::Result<storage::Table*> ABRPREMIOS(registry::WorkingState& state);

// NTXPREMIOS: builds the amount order, then the name order; both stay open, the name order
// controlling.
storage::Status NTXPREMIOS(registry::WorkingState& state, storage::Table& premios);

// PONORDEN: ORDEN of the current prize := n with two digits and a leading zero.
storage::Status PONORDEN(storage::Table& premios, int n);

// The stop box text when the prize table cannot be opened: what cannot be done, then why.
std::string PrizeTableRefusal(registry::WorkingState& state, const std::string& what_cannot_be_done,
                              const storage::Status& status);

}  // namespace movarel::prizes
