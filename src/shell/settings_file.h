#pragma once
// The settings file "tq.ini" in the Windows folder, section "Movarel". Every value is text;
// a missing file or key reads as the key's default and is never reported.

#include <string>

namespace movarel::registry {
struct WorkingState;
}

namespace movarel::shell {

inline constexpr char kSettingsSection[] = "Movarel";

// Keys as this program writes them; reading compares them without regard to case, so a
// file written with "EloFEDA" has the same key.
inline constexpr char kKeyTorneo1[] = "Torneo1";
inline constexpr char kKeyFichero1[] = "Fichero1";
inline constexpr char kKeyTorneo2[] = "Torneo2";
inline constexpr char kKeyFichero2[] = "Fichero2";
inline constexpr char kKeyAbrirNavegador[] = "AbrirNavegador";
inline constexpr char kKeyEloFva[] = "EloFva";
inline constexpr char kKeyEloFide[] = "EloFide";
inline constexpr char kKeyEloFeda[] = "EloFeda";
inline constexpr char kKeyNumParSerie[] = "NumParSerie";
inline constexpr char kKeyNumPtsSerie[] = "NumPtsSerie";

// Start-up: CTORNEO1, CFICHERO1, CTORNEO2, CFICHERO2 and CABRIRNAV from the settings file,
// each with its default ("" and "S") when the file or the key is missing.
void ReadStartUpSettings(registry::WorkingState& state);

}  // namespace movarel::shell
