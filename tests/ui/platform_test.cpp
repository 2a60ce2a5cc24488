// Where the settings file lives, and the current folder helpers.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "temp_folder.h"
#include "ui/platform.h"

namespace movarel::ui {
namespace {

class EnvironmentGuard {
 public:
  explicit EnvironmentGuard(const char* name) : name_(name) {
    if (const char* v = getenv(name)) saved_ = v, had_ = true;
  }
  ~EnvironmentGuard() { had_ ? setenv(name_, saved_.c_str(), 1) : unsetenv(name_); }

 private:
  const char* name_;
  std::string saved_;
  bool had_ = false;
};

TEST(WindowsFolder, EnvironmentVariableWins) {
  EnvironmentGuard guard("MOVAREL_WINDOWS_DIR");
  testing::TempFolder temp;
  setenv("MOVAREL_WINDOWS_DIR", (temp.path() + "/win/").c_str(), 1);
  EXPECT_EQ(GetWindowsFolder(), temp.path() + "/win");
  EXPECT_TRUE(std::filesystem::is_directory(temp.path() + "/win"));
}

TEST(WindowsFolder, FallsBackToTheConfigurationFolderAndCreatesIt) {
  EnvironmentGuard guard("MOVAREL_WINDOWS_DIR");
  EnvironmentGuard xdg("XDG_CONFIG_HOME");
  testing::TempFolder temp;
  unsetenv("MOVAREL_WINDOWS_DIR");
  setenv("XDG_CONFIG_HOME", temp.path().c_str(), 1);
  EXPECT_EQ(GetWindowsFolder(), temp.path() + "/movarel");
  EXPECT_TRUE(std::filesystem::is_directory(temp.path() + "/movarel"));
}

TEST(CurrentFolder, SetAndGetAndCurDirWithoutLeadingSeparator) {
  std::string before = GetCurrentFolder();
  testing::TempFolder temp;
  ASSERT_TRUE(SetCurrentFolder(temp.path()));
  std::string canonical = std::filesystem::canonical(temp.path()).string();
  EXPECT_EQ(GetCurrentFolder(), canonical);
  EXPECT_EQ(CurDir(), canonical.substr(1));
  EXPECT_EQ(CurDrive(), "");
  EXPECT_FALSE(SetCurrentFolder(temp.path() + "/missing"));
  ASSERT_TRUE(SetCurrentFolder(before));
}

}  // namespace
}  // namespace movarel::ui
