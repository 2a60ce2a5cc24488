#pragma once
// The files of one tournament in its folder, and deleting or copying them one by one.
//
// The DOS program addressed them by the patterns "??" + K + ".*" and "???" + K + ".*", which
// also catch the player, prize and tie-break tables and rounds 1 to 9 of a tournament whose
// key is K with one more character in front (keys AB and XAB: "cuXAB.dbf" is "???" + "AB").
// Here a file belongs to the tournament only when what stands before the key is one of its
// own prefixes: "cu", "pr", "ds", or "r" followed by a round number.

#include <string>
#include <string_view>
#include <vector>

#include "storage/status.h"
#include "storage/table.h"

namespace movarel::ui {
class Dialogs;
}

namespace movarel::registry {

// Whether the file name `name` (no folder) is a file of the tournament with key `key`, all
// compared without regard to case: "cu", "pr" or "ds" + key, with any extension or none;
// "pr" + key + "_c.ntx" (the prize index by amount, which the old patterns missed); "r" + n
// + key with n from 1 to 99 written without leading zeros. A round name that another key of
// the folder could also explain (r11AB is round 1 of 1AB as well as round 11 of AB) is taken
// only when n is within `rounds`, the tournament's N_RONDAS. `other_keys` are the keys of the
// folder's other tournaments.
bool IsTournamentFile(std::string_view name, std::string_view key, int rounds,
                      const std::vector<std::string>& other_keys);

// The keys (FICHERO, trimmed) of the register's tournaments other than `key`, compared without
// regard to case; the register is left on the record it was on.
std::vector<std::string> OtherKeys(storage::Table& torneos, const std::string& key);

// The names of the files of the tournament in `folder`, sorted.
std::vector<std::string> TournamentFiles(const std::string& folder, std::string_view key, int rounds,
                                         const std::vector<std::string>& other_keys);

// True when a table of this name is open, by this program or another one: its open marker
// cannot be locked. This system unlinks an open file without complaint, where Windows refuses,
// so deletion and replacement ask first.
bool FileHeldOpen(const std::string& path);

// Deletes one file of a tournament. A file that is held open, read-only, or that the system
// refuses to delete gives the message "El fichero <path> no se ha podido borrar" with that
// cause on a second line, and false; the caller goes on with the next file.
bool BORRAFICHTORN(const std::string& path, ui::Dialogs& dialogs);

// Copies one file, replacing a file of the same name (compared without regard to case) in
// the destination folder; the new copy is complete before it replaces the old one.
storage::Status COPIAFICHTORN(const std::string& from, const std::string& to);

}  // namespace movarel::registry
