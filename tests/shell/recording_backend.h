#pragma once
// A backend for driving MAIN from a test without a script: every message box is recorded as
// "KIND|title|text", questions and inputs take queued answers, and the main loop is the
// test's own function, which acts on the shown main window and must end by releasing it.

#include <cstdlib>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "register/working_state.h"
#include "shell/main_window.h"
#include "shell_test_support.h"
#include "ui/backend.h"
#include "ui/form.h"
#include "ui/ui.h"

namespace movarel::shell::testing {

class RecordingBackend : public ui::Backend {
 public:
  using MainLoop = std::function<void(ui::Form& frm)>;
  explicit RecordingBackend(MainLoop loop) : loop_(std::move(loop)) {}

  std::vector<std::string> events;
  std::deque<std::string> answers;  // "yes"/"no" for questions, texts for inputs and files

  void MsgInfo(const std::string& text, const std::string& title) override { Record("INFO", title, text); }
  void MsgStop(const std::string& text, const std::string& title) override { Record("STOP", title, text); }
  void MsgExclamation(const std::string& text, const std::string& title) override {
    Record("EXCLAMATION", title, text);
  }
  bool MsgYesNo(const std::string& text, const std::string& title) override {
    Record("YESNO", title, text);
    return Next() == "yes";
  }
  std::string InputBox(const std::string& prompt, const std::string& title, const std::string&) override {
    Record("INPUT", title, prompt);
    return Next();
  }
  std::string GetFile(const std::vector<ui::FileFilter>& filters, const std::string& title,
                      const std::string& initial_folder, bool) override {
    last_filters = filters;
    last_initial_folder = initial_folder;
    Record("FILE", title, "");
    return Next();
  }
  std::string GetFolder(const std::string& title) override {
    Record("FOLDER", title, "");
    return Next();
  }
  void OpenDocument(const std::string& path) override { events.push_back("OPEN|" + path); }

  void RunMain(ui::Form& form) override {
    form.RunInit();
    loop_(form);
    EXPECT_TRUE(form.released()) << "the test's main loop must end the program";
  }
  void RunModal(ui::Form& form) override { ADD_FAILURE() << "unexpected modal form " << form.name(); }
  void FormReleased(ui::Form&) override {}
  void Reflect(ui::Form&, const ui::Change&) override {}
  std::string ChoosePrintTarget(const std::string&) override { return ""; }

  std::vector<ui::FileFilter> last_filters;
  std::string last_initial_folder;

 private:
  void Record(const char* kind, const std::string& title, const std::string& text) {
    events.push_back(std::string(kind) + "|" + title + "|" + text);
  }
  std::string Next() {
    if (answers.empty()) {
      ADD_FAILURE() << "a dialog asked with no answer queued";
      return "";
    }
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
  }

  MainLoop loop_;
};

// MAIN over a recording backend, tq.ini read from `folder`'s Windows folder.
struct ShellRun {
  explicit ShellRun(const TempFolder& folder, RecordingBackend::MainLoop loop) : backend(std::move(loop)) {
    setenv("MOVAREL_WINDOWS_DIR", folder.windows().c_str(), 1);
  }
  ~ShellRun() { unsetenv("MOVAREL_WINDOWS_DIR"); }

  void Run() {
    ui::Ui ui(backend, state.workspace);
    MAIN(state, ui, {"libprueba 1.0", "otra 2"});
  }

  registry::WorkingState state;
  RecordingBackend backend;
};

}  // namespace movarel::shell::testing
