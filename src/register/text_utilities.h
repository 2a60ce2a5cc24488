#pragma once
// Small text and file helpers shared by the player database, the format upgrades, the
// reports and the round import.

#include <string>
#include <string_view>

#include "register/working_state.h"

namespace movarel::registry {

// Capitalises every word: a letter after a blank (space, tab, CR, LF), a comma or a full
// stop is upper-cased, every other letter lower-cased; a comma or full stop followed directly
// by a non-blank gets a blank after it ("PEREZ,JUAN" -> "Perez, Juan"). Only a-z and A-Z
// change case; other bytes, accented letters included, pass unchanged.
std::string MAYMINS(std::string_view text);

// The one hook every name, club, tournament name and place passes through on its way to a
// page, slip or PGN file: text the DOS program wrote in code page 850 comes out as
// Windows-1252, text typed here unchanged (the rule and its limits: ui/dos_text.h). Apply it
// once, to the bytes as stored.
std::string NOHB_OEMTOANSI(std::string_view text);

// True when the table open under `alias` has a field named `name`, compared without regard
// to case; false when no table is open under that alias.
bool FIELDINFILE(std::string_view name, std::string_view alias, WorkingState& state);

// The whole content of a file; "" for an empty path. A file that cannot be opened gives ""
// after the stop message "Error en la apertura del fichero". The file is opened for reading
// only, so a read-only file is read (the DOS-era code opened it read-write and failed).
std::string FILEREAD(const std::string& path, WorkingState& state);

}  // namespace movarel::registry
