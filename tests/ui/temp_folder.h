#pragma once
// A fresh folder per test under the system's temporary folder, removed afterwards.

#include <filesystem>
#include <random>
#include <string>

namespace movarel::ui::testing {

class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    std::filesystem::path folder;
    do {
      folder = std::filesystem::temp_directory_path() / ("movarel-ui-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(folder));  // a new folder, never one left behind
    path_ = folder.string();
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
