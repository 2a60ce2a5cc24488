#pragma once
// The computed tie-break fields of the player table under the codes FIDE gives the same
// systems in a TRF (tags 202 and 212).

#include <optional>
#include <string>
#include <string_view>

namespace movarel::trf_tables {

// "BUC_T" -> "BH", "BUC_B" -> "BH/C1" ...; nullopt for a system with no FIDE code (ELO_M
// averages the regional ratings, ACU_3 to ACU_9 cut more rounds than FIDE's modifiers do).
std::optional<std::string> FideTieBreakCode(std::string_view field);

// The field of a FIDE code as another program may write it ("BH/C1", "BH C1", "BH-C1",
// "BHC1", any case); nullopt for a code the player table has no field for.
std::optional<std::string> TieBreakField(std::string_view code);

}  // namespace movarel::trf_tables
