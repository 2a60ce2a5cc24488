#pragma once
// End-to-end sessions of the register: the real program run on a script from a start folder
// that holds the templates folder "zd" (written by movarel --make-templates, as an installer
// does), with its Windows folder (home of tq.ini) inside the scratch folder; and the raw
// bytes of tables for what python3-dbf does not show (deletion flags, code-page bytes).

#include <sys/wait.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "test_support.h"

namespace movarel::registry::testing {

inline std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

class Session {
 public:
  Session() {
    std::filesystem::create_directories(windows());
    const CommandResult made =
        RunCommand("cd '" + root_.path() + "' && '" + MOVAREL_BINARY + "' --make-templates zd 2>&1");
    made_templates_ = made.status == 0;
  }
  bool made_templates() const { return made_templates_; }
  std::string root() const { return root_.path(); }
  std::string windows() const { return root_.file("windows"); }
  std::string settings() const { return windows() + "/tq.ini"; }
  // A folder under the scratch folder, created when missing.
  std::string Folder(const std::string& name) const {
    std::filesystem::create_directories(root_.file(name));
    return root_.file(name);
  }
  // Copies the DOS program's folder, writable, into `name`.
  std::string CopyDosFixture(const std::string& name) const {
    const std::string to = Folder(name);
    for (const auto& entry : std::filesystem::directory_iterator(MOVAREL_FIXTURES_DIR "/dos-old-format")) {
      const std::string target = to + "/" + entry.path().filename().string();
      std::filesystem::copy_file(entry.path(), target);
      std::filesystem::permissions(target, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    }
    return to;
  }

  struct Run {
    int status = -1;
    std::string transcript;
  };
  // Runs the UTF-8 script; the transcript comes without the first title line's check.
  // With `windowed` the same script runs through the real windows on a virtual display.
  Run Script(const std::string& script, bool windowed = false) const {
    WriteFileBytes(root_.file("session.script"), script);
    const std::string out = root_.file("transcript.txt");
    const std::string launcher = windowed ? "LSAN_OPTIONS=suppressions=" MOVAREL_SOURCE_DIR
                                            "/tests/shell/gtk_lsan.supp:print_suppressions=0 xvfb-run -a "
                                          : "";
    const std::string command = "cd '" + root_.path() + "' && env MOVAREL_WINDOWS_DIR='" + windows() + "' HOME='" +
                                root_.path() + "' " + launcher + "'" + MOVAREL_BINARY + "' --script session.script" +
                                (windowed ? " --gui" : "") + " >'" + out + "' 2>/dev/null";
    const int raw = std::system(command.c_str());
    Run run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.transcript = ReadFileBytes(out);
    return run;
  }

 private:
  ScratchFolder root_;
  bool made_templates_ = false;
};

// The deletion flags of a table's records, read from its bytes: "*" deleted, " " live.
inline std::string DeletionFlags(const std::string& path) {
  const std::string b = ReadFileBytes(path);
  if (b.size() < 32) return "?";
  auto u16 = [&b](size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
  };
  const uint32_t count = u16(4) | u16(6) << 16;
  std::string flags;
  for (uint32_t i = 0; i < count; ++i) flags += b.at(u16(8) + i * u16(10));
  return flags;
}

inline bool Exists(const std::string& path) { return std::filesystem::exists(path); }

}  // namespace movarel::registry::testing
