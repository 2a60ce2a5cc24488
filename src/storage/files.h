#pragma once
// Plain files. Names written by the DOS program may be in any case (CUAB.DBF): every
// lookup of an existing file ignores the case of its name (not of its folder); new files
// are created with the spelling the caller gives.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "storage/status.h"

namespace movarel::storage {

// The path of an existing file whose name equals that of `path` without regard to case;
// `path` itself when it exists as spelled or when nothing matches.
std::string ResolvePath(const std::string& path);
bool FileExists(const std::string& path);                              // FILE
Status EraseFile(const std::string& path);                             // FERASE
Status RenameFile(const std::string& from, const std::string& to);     // FRENAME
Status CopyFile(const std::string& from, const std::string& to);       // __COPYFILE
Result<std::string> ReadWholeFile(const std::string& path);            // read-only open
// Writes `bytes` to a temporary file beside `path`, then renames it over `path`.
Status WriteFileAtomically(const std::string& path, std::string_view bytes);
// DIRECTORY: names in `folder` matching a DOS wildcard (* and ?), without regard to case.
std::vector<std::string> ListFiles(const std::string& folder, std::string_view pattern);
// DOS wildcard match without regard to case.
bool WildcardMatch(std::string_view pattern, std::string_view name);

// `path` with `extension` (".dbf") added when its file name has no extension.
std::string WithDefaultExtension(const std::string& path, std::string_view extension);

// A new, empty file beside `path` under a unique hidden name, for building a replacement of
// `path`; ReplaceWithTemp then puts it in place (fsync of the file is the writer's job).
struct TempFile {
  int fd = -1;
  std::string path;
};
Result<TempFile> CreateTempBeside(const std::string& path);
// Renames `temp` over `path` and syncs the folder, so that either the old or the new file
// is there after a crash, never a half-written one.
Status ReplaceWithTemp(const std::string& temp, const std::string& path);
// The same, but a refused rename leaves `temp` in place for another attempt.
bool TryReplaceWithTemp(const std::string& temp, const std::string& path);

}  // namespace movarel::storage
