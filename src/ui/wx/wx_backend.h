#pragma once
// The Backend of real windows. With a ScriptDriver it runs a script instead of waiting for
// a person: the driver is fed from each form's timer inside the toolkit's own event loops
// (the main loop and every modal loop), and the standard dialogs are answered from the
// script with the transcript lines of the headless run, so both runs write the same
// transcript.

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "ui/backend.h"
#include "ui/script/script_backend.h"
#include "ui/script_driver.h"

class wxWindow;
class wxProgressDialog;

namespace movarel::ui {

class FormWindow;
class Ui;

class WxBackend : public Backend {
 public:
  // `driver` null: a person uses the windows. Otherwise a scripted run.
  explicit WxBackend(ScriptDriver* driver);
  ~WxBackend() override;

  void SetUi(Ui& ui) { ui_ = &ui; }
  // Scripted runs: save a picture of each form once drawn, and of the main window at the
  // end of the script, into this folder ("" = none).
  void SetScreenshotFolder(std::string folder) { screenshot_folder_ = std::move(folder); }

  // The backend of the run in progress (wx_probe reads the windows through it).
  static WxBackend* Active();

  // The window of a shown form; nullptr when it has none.
  FormWindow* WindowOf(const Form& form) const;

  // Dialogs.
  void MsgInfo(const std::string& text, const std::string& title) override;
  void MsgStop(const std::string& text, const std::string& title) override;
  void MsgExclamation(const std::string& text, const std::string& title) override;
  bool MsgYesNo(const std::string& text, const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title, const std::string& initial) override;
  std::string GetFile(const std::vector<FileFilter>& filters, const std::string& title,
                      const std::string& initial_folder, bool change_folder) override;
  std::string GetFolder(const std::string& title) override;
  void OpenDocument(const std::string& path) override;
  void Progress(const std::string& step, uint64_t done, uint64_t total) override;
  void ProgressEnd() override;

  // Backend.
  void RunMain(Form& form) override;
  void RunModal(Form& form) override;
  void FormReleased(Form& form) override;
  void Reflect(Form& form, const Change& change) override;
  std::string ChoosePrintTarget(const std::string& title) override;
  bool PrintOnSystemPrinter(const std::string& title, const PrintRecording& document) override;

 private:
  struct Shown {
    std::unique_ptr<FormWindow> window;
    bool init_done = false;
    bool stepping = false;   // a step of this form is on the stack (it may have nested forms)
    long long shown_at = 0;  // milliseconds
    bool pictured = false;
  };

  Shown& Open(Form& form, wxWindow* parent);
  void Tick(Form& form);
  void Step(Form& form, Shown& shown);
  void EndLoop(Form& form);
  void RethrowPendingStop();
  wxWindow* ActiveWindow() const;
  void Picture(Form& form, const std::string& suffix);

  ScriptDriver* driver_;
  std::unique_ptr<ScriptBackend> scripted_;  // the headless dialogs, reused for the answers
  Ui* ui_ = nullptr;
  std::map<const Form*, Shown> shown_;
  std::unique_ptr<wxProgressDialog> progress_;
  std::optional<ScriptStop> pending_stop_;
  std::string screenshot_folder_;
  int screenshot_count_ = 0;
  long long closed_at_ = 0;  // when a modal form last closed, milliseconds
};

}  // namespace movarel::ui
