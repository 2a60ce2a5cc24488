#pragma once
// Program-wide handling of the run-time errors no operation handles itself. A division by
// zero yields 0 (SafeDivide); a table held by another program only sets the workspace's
// network-error flag (storage does that); everything else is fatal: FatalError appends the
// error to "ErrorLog.Htm" in the current folder, closes all tables, shows the stop box
// "Program Error" and ends the process with kFatalErrorExitStatus.
//
// "Called from" lines name the operations in progress, innermost first. Each operation
// that should appear there declares an ActiveOperation on entry:
//   void VERCUADRO() { ui::ActiveOperation op("VERCUADRO"); ... }

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace movarel::ui {

class Dialogs;

inline constexpr int kFatalErrorExitStatus = 4;

struct RunTimeError {
  bool warning = false;       // "Warning" instead of "Error" for errors of low severity
  std::string subsystem;      // "DBFNTX", "BASE", "TERM"; empty prints "???"
  int subcode = -1;           // negative prints "???"
  std::string description;    // "Open error"
  std::string file_name;      // the file concerned, when there is one
  std::string operation;      // used when there is no file
  int os_code = -1;           // "(DOS Error n)" when not negative
};

// "Error DBFNTX/1001  Open error: cuX.dbf (DOS Error 2)".
std::string FormatErrorText(const RunTimeError& error);

// DIV: a division by zero gives 0 instead of stopping the program.
double SafeDivide(double dividend, double divisor);

// Marks an operation as in progress for the "Called from" lines; nest them as the calls
// nest. The line is where the object was declared.
class ActiveOperation {
 public:
  // The defaults take the caller's place (std::source_location is not available with
  // every compiler the fuzz build uses).
  explicit ActiveOperation(std::string name, int line = __builtin_LINE(), const char* file = __builtin_FILE());
  ~ActiveOperation();
  ActiveOperation(const ActiveOperation&) = delete;
  ActiveOperation& operator=(const ActiveOperation&) = delete;
};

struct CallFrame {
  std::string name;
  int line = 0;
};
std::vector<CallFrame> ActiveOperations();  // innermost first

// What the fatal handler needs from the program; installed at start-up.
struct FatalErrorSetup {
  Dialogs* dialogs = nullptr;                // the stop box; none shown when null
  std::function<void()> close_all_tables;    // DBCLOSEALL
  std::function<void(int status)> end;       // default std::exit after flushing stdout
};
// While a setup is installed, storage failures that no caller can report are appended to
// the same log; an empty setup sends them back to standard error.
void InstallFatalErrorHandler(FatalErrorSetup setup);

// Installs `setup` for the life of the object and removes it again, so that the handler
// never outlives the backend it shows its box through.
class ScopedFatalErrorHandler {
 public:
  explicit ScopedFatalErrorHandler(FatalErrorSetup setup) { InstallFatalErrorHandler(std::move(setup)); }
  ~ScopedFatalErrorHandler() { InstallFatalErrorHandler({}); }
  ScopedFatalErrorHandler(const ScopedFatalErrorHandler&) = delete;
  ScopedFatalErrorHandler& operator=(const ScopedFatalErrorHandler&) = delete;
};

// Writes the log, closes the tables, shows the stop box and ends the process.
[[noreturn]] void FatalError(const RunTimeError& error, int line = __builtin_LINE(),
                             const char* file = __builtin_FILE(), const char* function = __builtin_FUNCTION());

// The log entry alone (used by FatalError; exposed for tests): appends to `log_path`,
// creating it with an HTML head and a heading when absent. `when` is "dd-mm-yyyy" and
// "hh:mm:ss" texts.
void AppendErrorLog(const std::string& log_path, const std::string& text,
                    const std::vector<CallFrame>& frames, const std::string& date,
                    const std::string& time);

}  // namespace movarel::ui
