#include "ui/run_time_error.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <string_view>

#include "storage/unreported_errors.h"
#include "ui/dialogs.h"
#include "storage/os_file.h"

namespace movarel::ui {

namespace {

struct Frame {
  std::string name;
  int line;
  std::string file;
};

std::vector<Frame>& Stack() {
  static std::vector<Frame> stack;
  return stack;
}

FatalErrorSetup& Setup() {
  static FatalErrorSetup setup;
  return setup;
}

// Only the bare name, whatever form the compiler gives ("ns::VERCUADRO(Ui&)" -> "VERCUADRO").
std::string ShortFunctionName(std::string_view signature) {
  size_t paren = signature.find('(');
  if (paren == std::string_view::npos) paren = signature.size();
  std::string_view head = signature.substr(0, paren);
  size_t start = head.find_last_of(": ");
  if (start != std::string_view::npos) head = head.substr(start + 1);
  return head.empty() ? "???" : std::string(head);
}

void DefaultEnd(int status) {
  std::cout.flush();
  std::fflush(nullptr);
  std::exit(status);
}

// Appends `text` to the log in the current folder, stamped with the local date and time.
void LogError(const std::string& text, const std::vector<CallFrame>& frames) {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char date[16], time[16];
  std::strftime(date, sizeof date, "%d-%m-%Y", &local);
  std::strftime(time, sizeof time, "%H:%M:%S", &local);
  AppendErrorLog("ErrorLog.Htm", text, frames, date, time);
}

}  // namespace

std::string FormatErrorText(const RunTimeError& error) {
  std::string text = error.warning ? "Warning " : "Error ";
  text += error.subsystem.empty() ? "???" : error.subsystem;
  text += "/";
  text += error.subcode < 0 ? "???" : std::to_string(error.subcode);
  text += "  ";
  text += error.description;
  text += ": ";
  text += error.file_name.empty() ? error.operation : error.file_name;
  if (error.os_code >= 0) text += " (DOS Error " + std::to_string(error.os_code) + ")";
  return text;
}

double SafeDivide(double dividend, double divisor) { return divisor == 0 ? 0 : dividend / divisor; }

ActiveOperation::ActiveOperation(std::string name, int line, const char* file) {
  Stack().push_back({std::move(name), line, file});
}

ActiveOperation::~ActiveOperation() { Stack().pop_back(); }

std::vector<CallFrame> ActiveOperations() {
  std::vector<CallFrame> frames;
  for (auto it = Stack().rbegin(); it != Stack().rend(); ++it) frames.push_back({it->name, it->line});
  return frames;
}

void InstallFatalErrorHandler(FatalErrorSetup setup) {
  const bool installing = setup.dialogs != nullptr || setup.close_all_tables || setup.end;
  Setup() = std::move(setup);
  // Storage failures no caller can report (a table closed by its destructor) join the log.
  storage::UnreportedErrorSink sink;
  if (installing) {
    sink = [](const storage::Status& status) { LogError(status.message(), ActiveOperations()); };
  }
  storage::SetUnreportedErrorSink(std::move(sink));
}

void AppendErrorLog(const std::string& log_path, const std::string& text, const std::vector<CallFrame>& frames,
                    const std::string& date, const std::string& time) {
  bool exists = static_cast<bool>(std::ifstream(storage::os::FileSystemPath(log_path)));
  std::ofstream out(storage::os::FileSystemPath(log_path), std::ios::binary | std::ios::app);
  if (!out) return;  // nowhere to log; the stop box still tells the user
  if (!exists) {
    out << "<HTML><HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">"
           "<TITLE>Movarel - Registro de errores</TITLE></HEAD>\r\n"
           "<BODY>\r\n<H1>Movarel - Registro de errores</H1>\r\n";
  }
  out << "<p class=\"updated\">Date:" << date << "  Time: " << time << "</p>\r\n";
  out << text << "<BR>\r\n";
  for (const CallFrame& frame : frames) out << "Called from " << frame.name << "(" << frame.line << ")<BR>\r\n";
  out << "<HR>\r\n";
}

void FatalError(const RunTimeError& error, int line, const char* file, const char* function) {
  static bool handling = false;
  FatalErrorSetup& setup = Setup();
  auto end = setup.end ? setup.end : DefaultEnd;
  if (handling) {  // an error inside the handler itself: just stop
    end(kFatalErrorExitStatus);
    std::abort();
  }
  handling = true;

  std::vector<CallFrame> frames;
  const std::vector<Frame>& stack = Stack();
  if (stack.empty() || stack.back().file != file) frames.push_back({ShortFunctionName(function), line});
  for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
    frames.push_back({it->name, (it == stack.rbegin() && it->file == file) ? line : it->line});
  }

  std::string text = FormatErrorText(error);
  LogError(text, frames);
  if (setup.close_all_tables) setup.close_all_tables();
  if (setup.dialogs != nullptr) {
    std::string box = text;
    for (const CallFrame& frame : frames) box += "\r\nCalled from " + frame.name + "(" + std::to_string(frame.line) + ")";
    setup.dialogs->MsgStop(box, "Program Error");
  }
  end(kFatalErrorExitStatus);
  std::abort();  // `end` must not return
}

}  // namespace movarel::ui
