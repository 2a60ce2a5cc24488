#pragma once
// The two recent-tournament entries of the settings file "tq.ini" (section "Movarel", keys
// Torneo1, Fichero1, Torneo2, Fichero2), rotated each time a tournament is opened or created.

#include <string>

namespace movarel::registry {

struct WorkingState;

// Writes Torneo2 := CTORNEO1, Fichero2 := CFICHERO1, Torneo1 := `name`, Fichero1 := `path`,
// unless `name` is the tournament already in Torneo1. The globals keep their start-up values
// for the whole run (the menu entries were built from them), so every rotation of one run
// moves the start-up Torneo1 into Torneo2.
//
// Names are compared and written without trailing blanks. The DOS-era rule compared over the
// length of Torneo1 only, so a tournament "Open B" never displaced a Torneo1 "Open".
void RotateRecentTournaments(const WorkingState& state, const std::string& name, const std::string& path);

}  // namespace movarel::registry
