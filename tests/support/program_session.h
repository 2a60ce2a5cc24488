#pragma once
// The real program run as a user runs it, for the end-to-end tests of every subsystem: a
// scratch start folder holding the templates folder "zd" (written by movarel
// --make-templates, as an installer does) and a Windows folder for "tq.ini", so a test never
// touches the user's settings; a script run headless or through the real windows on a
// virtual display; and the tables it leaves read back with python3-dbf, independently of the
// program's own table layer.

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace movarel::testing {

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

// Standard output of a shell command.
inline std::string CommandOutput(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  pclose(pipe);
  return out;
}

// Output lines of a shell command, line ends (LF or CR LF) removed.
inline std::vector<std::string> CommandLines(const std::string& command) {
  std::vector<std::string> lines;
  const std::string out = CommandOutput(command);
  for (size_t start = 0; start < out.size();) {
    size_t end = out.find('\n', start);
    if (end == std::string::npos) end = out.size();
    std::string line = out.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// Chosen fields of every record of a table, as tests/support/read_table.py prints them:
// values joined by "|" in UTF-8, text right-trimmed, "|*" after a deleted record.
inline std::vector<std::string> ReadTable(const std::string& path, const std::string& fields) {
  return CommandLines("/usr/bin/python3 " MOVAREL_SOURCE_DIR "/tests/support/read_table.py '" + path + "' " +
                      fields);
}

// Writes fields ("R1P=1 R1I=i") of record `recno` with python3-dbf, as another program would.
inline bool WriteFields(const std::string& path, int recno, const std::string& assignments) {
  const std::string command = "/usr/bin/python3 " MOVAREL_SOURCE_DIR "/tests/support/write_fields.py '" + path +
                              "' " + std::to_string(recno) + " " + assignments;
  return std::system(command.c_str()) == 0;
}

// Whether scripts can also run through the real windows here: the program has them, and a
// virtual display can be started.
inline bool CanRunWindowed() {
#ifdef MOVAREL_PROGRAM_HAS_WINDOWS
  return std::system("command -v xvfb-run >/dev/null 2>&1") == 0;
#else
  return false;
#endif
}

class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& prefix = "movarel-test") {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    path_ = mkdtemp(pattern.data());
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

struct ScriptRun {
  int status = -1;
  std::string transcript;
};

// Runs a shell command from `start` with `windows` as the Windows folder and `start` as the
// home, under `launcher` when given; returns the exit status.
inline int ShellIn(const std::string& start, const std::string& windows, const std::string& command,
                   const std::string& launcher = "") {
  const int raw = std::system(("cd '" + start + "' && env MOVAREL_WINDOWS_DIR='" + windows + "' HOME='" + start +
                               "' " + launcher + " " + command)
                                  .c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// Runs a UTF-8 script from `start` and returns its transcript and exit status. With
// `windowed` the same lines drive the real windows on a virtual display of their own.
inline ScriptRun RunScriptIn(const std::string& start, const std::string& windows, const std::string& script,
                             bool windowed = false) {
  std::filesystem::create_directories(windows);
  WriteBytes(start + "/session.script", script);
  // GTK, and the font libraries the PDF printer uses headless too, keep caches for the life
  // of the process; the suppressions name only those system libraries.
  const std::string launcher = std::string("LSAN_OPTIONS=suppressions=" MOVAREL_SOURCE_DIR
                                           "/tests/shell/gtk_lsan.supp:print_suppressions=0") +
                               (windowed ? " xvfb-run -a" : "");
  ScriptRun run;
  run.status = ShellIn(start, windows,
                       "'" MOVAREL_BINARY "' --script session.script" + std::string(windowed ? " --gui" : "") +
                           " >transcript.txt 2>/dev/null",
                       launcher);
  run.transcript = ReadBytes(start + "/transcript.txt");
  return run;
}

class ProgramSession {
 public:
  using Run = ScriptRun;

  explicit ProgramSession(const std::string& prefix = "movarel-session") : root_(prefix) {
    std::filesystem::create_directories(windows());
    made_templates_ = Shell("'" MOVAREL_BINARY "' --make-templates zd >/dev/null 2>&1") == 0;
  }

  bool made_templates() const { return made_templates_; }
  const std::string& root() const { return root_.path(); }
  std::string file(const std::string& name) const { return root_.file(name); }
  std::string windows() const { return root_.file("windows"); }
  std::string settings() const { return windows() + "/tq.ini"; }

  // A folder under the start folder, created when missing.
  std::string Folder(const std::string& name) const {
    std::filesystem::create_directories(root_.file(name));
    return root_.file(name);
  }
  // Copies a folder of tests/data, writable, into the folder `name`.
  std::string CopyFixture(const std::string& fixture, const std::string& name) const {
    const std::string to = Folder(name);
    for (const auto& entry : std::filesystem::directory_iterator(MOVAREL_FIXTURES_DIR "/" + fixture)) {
      const std::string target = to + "/" + entry.path().filename().string();
      std::filesystem::copy_file(entry.path(), target, std::filesystem::copy_options::overwrite_existing);
      std::filesystem::permissions(target, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    }
    return to;
  }

  int Shell(const std::string& command, const std::string& launcher = "") const {
    return ShellIn(root(), windows(), command, launcher);
  }
  Run Script(const std::string& script, bool windowed = false) const {
    return RunScriptIn(root(), windows(), script, windowed);
  }

 private:
  ScratchFolder root_;
  bool made_templates_ = false;
};

}  // namespace movarel::testing
