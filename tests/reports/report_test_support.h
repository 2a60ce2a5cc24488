#pragma once
// Helpers shared by the report tests: a scratch folder that is the current folder while the
// test runs (pages land in the current folder), a dialogs double that records what the
// program showed and opened, and whole-file reading.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "ui/dialogs.h"

namespace movarel::reports::testing {

inline constexpr char kHalf[] = "\xBD";     // the draw as this program writes it
inline constexpr char kDosHalf[] = "\xAB";  // the draw as the DOS program writes it

class CurrentScratchFolder {
 public:
  CurrentScratchFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("movarel_reports_" + std::to_string(random()));
    std::filesystem::create_directories(path_);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
  }
  ~CurrentScratchFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  CurrentScratchFolder(const CurrentScratchFolder&) = delete;
  CurrentScratchFolder& operator=(const CurrentScratchFolder&) = delete;

  std::string path() const { return path_.string(); }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
  std::filesystem::path previous_;
};

struct RecordingDialogs : ui::Dialogs {
  std::vector<std::string> infos;
  std::vector<std::string> stops;
  std::vector<std::string> opened;
  void MsgInfo(const std::string& text, const std::string&) override { infos.push_back(text); }
  void MsgStop(const std::string& text, const std::string&) override { stops.push_back(text); }
  void MsgExclamation(const std::string& text, const std::string&) override { infos.push_back(text); }
  bool MsgYesNo(const std::string&, const std::string&) override { return true; }
  std::string InputBox(const std::string&, const std::string&, const std::string& initial) override {
    return initial;
  }
  std::string GetFile(const std::vector<ui::FileFilter>&, const std::string&, const std::string&,
                      bool) override {
    return "";
  }
  std::string GetFolder(const std::string&) override { return ""; }
  void OpenDocument(const std::string& path) override { opened.push_back(path); }
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace movarel::reports::testing
