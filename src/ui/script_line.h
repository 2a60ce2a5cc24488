#pragma once
// The lines of a script (docs/script.md): one command per line, UTF-8, blank lines and
// lines starting with # ignored. Parsing is independent of any backend, so the script
// backend and the wx backend (`--script FILE --gui`) read scripts the same way.
// Arguments are converted to Windows-1252 here.

#include <string>
#include <string_view>
#include <vector>

#include "storage/status.h"

namespace movarel::ui {

enum class ScriptVerb {
  kMenu,      // menu NAME | menu "Popup" ["Submenu" ...] "Item"
  kYes,
  kNo,
  kFile,      // file [PATH]
  kFolder,    // folder [PATH]
  kInput,     // input [TEXT]
  kPrint,     // print [PDFPATH]
  kForm,      // form NAME
  kSet,       // set CONTROL VALUE
  kClick,     // click CONTROL
  kDblClick,  // dblclick CONTROL
  kHeader,    // header CONTROL COLUMN
  kEdit,      // edit GRID RECNO FIELD VALUE
  kClose,
  kQuit,
};

struct ScriptLine {
  int number = 0;             // 1-based line of the script file
  std::string source;         // the line as written (UTF-8), for messages
  ScriptVerb verb = ScriptVerb::kQuit;
  std::vector<std::string> args;  // Windows-1252; the last one may hold blanks
  bool quoted_path = false;   // menu: the arguments are a caption path, not a name
};

// Parses one non-blank, non-comment line. A value that runs to the end of the line may be
// written in double quotes (to keep blanks or write an empty text; \" and \\ escape).
storage::Result<ScriptLine> ParseScriptLine(std::string_view utf8_line, int number);

// The commands of a whole script, in order.
class ScriptReader {
 public:
  ScriptReader() = default;
  static storage::Result<ScriptReader> FromFile(const std::string& path);
  static storage::Result<ScriptReader> FromText(std::string_view utf8_text);

  bool AtEnd() const { return next_ >= lines_.size(); }
  const ScriptLine& Peek() const { return lines_[next_]; }  // not AtEnd()
  const ScriptLine& Take() { return lines_[next_++]; }

 private:
  std::vector<ScriptLine> lines_;
  size_t next_ = 0;
};

}  // namespace movarel::ui
