#pragma once
// A fresh folder per test, and the movarel program run on a script inside it with the
// Windows folder (home of tq.ini) set to a sub-folder, so tests never touch the user's
// settings.

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/program_session.h"

namespace movarel::shell::testing {

// A scratch folder with its Windows folder.
class TempFolder {
 public:
  TempFolder() { std::filesystem::create_directories(windows()); }
  const std::string& path() const { return scratch_.path(); }
  std::string windows() const { return path() + "/windows"; }
  std::string settings() const { return windows() + "/tq.ini"; }

 private:
  movarel::testing::ScratchFolder scratch_{"movarel-shell"};
};

using movarel::testing::ReadBytes;
using movarel::testing::ReadTable;
using movarel::testing::WriteBytes;

struct RunResult {
  int status = -1;
  std::string out;  // the transcript
  std::string err;
};

// Runs `movarel ARGS` from `folder` with MOVAREL_WINDOWS_DIR = folder/windows and HOME =
// folder, plus the `env` arguments ("-u DISPLAY", "NAME=value"), under `wrapper` when given
// ("xvfb-run -a"). The texts are pasted into a shell command line: paths without quotes.
inline RunResult RunMovarel(const TempFolder& folder, const std::string& args, const std::string& env = "",
                            const std::string& wrapper = "") {
  const std::string out = folder.path() + "/stdout.txt";
  const std::string err = folder.path() + "/stderr.txt";
  const std::string command = "cd '" + folder.path() + "' && env " + env + " MOVAREL_WINDOWS_DIR='" +
                              folder.windows() + "' HOME='" + folder.path() + "' " + wrapper + " '" +
                              MOVAREL_BINARY + "' " + args + " >'" + out + "' 2>'" + err + "'";
  RunResult result;
  int raw = std::system(command.c_str());
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = ReadBytes(out);
  result.err = ReadBytes(err);
  return result;
}

// The script (UTF-8) written into the folder and run headless.
inline RunResult RunScript(const TempFolder& folder, const std::string& script) {
  WriteBytes(folder.path() + "/session.script", script);
  return RunMovarel(folder, "--script session.script");
}

inline constexpr char kTitleLine[] = "TITLE|Movarel v3.0-beta3\n";

}  // namespace movarel::shell::testing
