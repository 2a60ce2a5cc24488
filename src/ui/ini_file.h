#pragma once
// Settings files in the Windows initialisation-file format: "[Section]" lines, then
// "key=value" lines. Section and key names compare without regard to case ("EloFEDA" and
// "EloFeda" are one key); values are bytes, unchecked. Lines this program does not know,
// other sections and comments are kept as they were. Each write replaces the whole file
// atomically (a new file renamed over the old one), so a crash never leaves half a file.

#include <string>
#include <vector>

#include "storage/status.h"

namespace movarel::ui {

class IniFile {
 public:
  // BEGININI: reads `path`; a missing or unreadable file reads as empty.
  explicit IniFile(std::string path);

  const std::string& path() const { return path_; }
  bool existed() const { return existed_; }  // the file was there when opened

  // _GETINI: the value, or `default_value` when the section or key is missing.
  std::string Get(const std::string& section, const std::string& key, const std::string& default_value) const;
  // _SETINI: sets the key (adding the section or key when missing, keeping the key's
  // original spelling when present) and writes the file at once.
  storage::Status Set(const std::string& section, const std::string& key, const std::string& value);
  // _ENDINI: nothing is pending, since every Set is already written.
  void Close() {}

 private:
  std::string path_;
  bool existed_ = false;
  std::vector<std::string> lines_;  // without line ends
};

}  // namespace movarel::ui
