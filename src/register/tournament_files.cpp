#include "register/tournament_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "storage/file_lock.h"
#include "storage/files.h"
#include "storage/os_file.h"
#include "storage/table.h"
#include "storage/value.h"
#include "ui/dialogs.h"

namespace movarel::registry {
namespace {

// A round number as file names carry it: 1 to 99, no leading zero.
int RoundNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 2 || digits[0] == '0') return 0;
  int n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return 0;
    n = n * 10 + (c - '0');
  }
  return n;
}

// Could "R" + digits + key also be a round of another key of the folder? That other key
// would be a tail of the digits followed by this key.
bool RoundNameIsAmbiguous(std::string_view digits, std::string_view upper_key,
                          const std::vector<std::string>& other_keys) {
  for (size_t split = 1; split < digits.size(); ++split) {
    if (digits[0] == '0') break;
    const std::string other = std::string(digits.substr(split)) + std::string(upper_key);
    for (const std::string& key : other_keys) {
      if (storage::Upper(storage::AllTrim(key)) == other) return true;
    }
  }
  return false;
}

// Nobody may write to the file: the read-only mark of the DOS and Windows file systems as
// this system shows it.
bool FileReadOnly(const std::string& path) {
  std::error_code ec;
  const auto permissions = std::filesystem::status(storage::os::FileSystemPath(storage::ResolvePath(path)), ec).permissions();
  using std::filesystem::perms;
  return !ec && (permissions & (perms::owner_write | perms::group_write | perms::others_write)) == perms::none;
}

}  // namespace

bool IsTournamentFile(std::string_view name, std::string_view key, int rounds,
                      const std::vector<std::string>& other_keys) {
  const std::string upper_key = storage::Upper(key);
  if (upper_key.empty()) return false;
  const std::string upper = storage::Upper(name);
  const size_t dot = upper.find('.');
  const std::string stem = upper.substr(0, dot);
  const std::string extension = dot == std::string::npos ? "" : upper.substr(dot);
  if (stem == "PR" + upper_key + "_C" && extension == ".NTX") return true;
  if (stem.size() <= upper_key.size() || stem.compare(stem.size() - upper_key.size(), upper_key.size(), upper_key) != 0) {
    return false;
  }
  const std::string prefix = stem.substr(0, stem.size() - upper_key.size());
  if (prefix == "CU" || prefix == "PR" || prefix == "DS") return true;
  if (prefix.size() < 2 || prefix[0] != 'R') return false;
  const std::string_view digits = std::string_view(prefix).substr(1);
  const int round = RoundNumber(digits);
  if (round == 0) return false;
  return !RoundNameIsAmbiguous(digits, upper_key, other_keys) || round <= rounds;
}

std::vector<std::string> TournamentFiles(const std::string& folder, std::string_view key, int rounds,
                                         const std::vector<std::string>& other_keys) {
  std::vector<std::string> files;
  for (const std::string& name : storage::ListFiles(folder, "*")) {
    if (IsTournamentFile(name, key, rounds, other_keys)) files.push_back(name);
  }
  std::sort(files.begin(), files.end());
  return files;
}

bool FileHeldOpen(const std::string& path) {
  // Asked without taking a lock, so a read-only file (which cannot take the write lock) is
  // not mistaken for an open one.
  const std::string actual = storage::ResolvePath(path);
  const int fd = storage::os::OpenFile(actual, storage::os::OpenMode::kRead);
  if (fd < 0) return false;
  const bool held = storage::OthersHoldConflictingLock(fd, storage::kOpenMarker, 1, storage::LockKind::kWrite);
  storage::os::CloseFile(fd);
  return held;
}

bool BORRAFICHTORN(const std::string& path, ui::Dialogs& dialogs) {
  const std::string cannot = "El fichero " + path + " no se ha podido borrar\r\n";
  if (FileHeldOpen(path)) {
    dialogs.MsgInfo(cannot + "Probablemente est\xE9 abierto, por lo que deber\xE1 borrarlo manualmente");
    return false;
  }
  // Windows refuses to delete a read-only file, and so does this program: the mark is the
  // user's own protection, which this system's unlink would otherwise ignore.
  if (FileReadOnly(path)) {
    dialogs.MsgInfo(cannot + "Es un fichero de solo lectura: si de verdad quiere borrarlo, qu\xEDtele esa "
                    "protecci\xF3n y b\xF3rrelo manualmente");
    return false;
  }
  if (storage::Status erased = storage::EraseFile(path); !erased.ok()) {
    dialogs.MsgInfo(cannot + erased.message());
    return false;
  }
  return true;
}

storage::Status COPIAFICHTORN(const std::string& from, const std::string& to) {
  return storage::CopyFile(from, storage::ResolvePath(to));
}

std::vector<std::string> OtherKeys(storage::Table& torneos, const std::string& key) {
  std::vector<std::string> keys;
  const uint32_t at = torneos.RecNo();
  for (torneos.GoTop(); !torneos.Eof(); torneos.Skip()) {
    const std::string other(storage::AllTrim(torneos.GetText("FICHERO")));
    if (storage::Upper(other) != storage::Upper(key)) keys.push_back(other);
  }
  torneos.GoTo(at);
  return keys;
}

}  // namespace movarel::registry
