#pragma once
// Names of a tournament's files and of the per-round fields. These names are an exchange
// format with the DOS program: every builder writes the round number in decimal without
// padding (r10AB, R10J), never with blanks or leading zeros. Table names carry no extension
// (".dbf" is implied) and are relative to the tournament folder, the current folder.

#include <string>
#include <string_view>

namespace movarel::registry {

std::string PlayerTableName(std::string_view key);            // "cu" + K
std::string RoundTableName(int round, std::string_view key);  // "r" + n + K
std::string PrizeTableName(std::string_view key);             // "pr" + K (and its index "pr" + K + ".ntx")
std::string PrizeAmountIndexName(std::string_view key);       // "pr" + K + "_c"
std::string TieBreakTableName(std::string_view key);          // "ds" + K (and its index "ds" + K + ".ntx")

// Per-round field of the player table: "R" + n + letter, letter one of J C P I F.
std::string RoundFieldName(int round, char letter);

// The key of a player table from its path: the file name after the last "/" or "\" without
// its "cu" prefix and its ".dbf" extension, both recognised in any case (DOS writes CUOP.DBF).
// A prefix or extension that is absent is not cut: the DOS program cut two and four bytes
// blindly, which turned a name like "op.dbf" into a wrong key.
std::string KeyOfPlayerTablePath(std::string_view path);

// The tournament folder of a file path: everything before the last "/" or "\"; "" when the
// path names a file in the current folder.
std::string FolderOfPath(std::string_view path);

// The templates folder "zd" under the start folder, ending with "/". This platform has no
// drive letters, so the start drive `CUNIDINI` stays empty and `CCARPINI` holds the whole
// start folder.
std::string TemplatesFolder(std::string_view start_folder);

}  // namespace movarel::registry
