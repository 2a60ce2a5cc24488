#pragma once
// A fresh folder per test under the system's temporary folder, removed afterwards.

#include <unistd.h>

#include <filesystem>
#include <string>

namespace movarel::ui::testing {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "movarel-ui-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

}  // namespace movarel::ui::testing
