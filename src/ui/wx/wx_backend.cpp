#include "ui/wx/wx_backend.h"

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/progdlg.h>
#include <wx/time.h>

#include <algorithm>
#include <cstdio>

#include "ui/form.h"
#include "ui/ui.h"
#include "ui/wx/form_window.h"
#include "ui/wx/layout_listing.h"
#include "ui/wx/screenshot.h"
#include "ui/wx/standard_dialogs.h"
#include "ui/wx/wx_print.h"
#include "ui/wx/wx_text.h"

namespace movarel::ui {

namespace {

// A scripted run takes one script line per tick of the active form's timer, so that the
// toolkit draws and dispatches its own events between lines, as it would for a person.
constexpr int kScriptTickMs = 10;
// Before its picture is taken a form is left alone long enough to be drawn.
constexpr long long kDrawnAfterMs = 400;
// Without a script the timer only runs the init action once the window is up.
constexpr int kInitTickMs = 1;

WxBackend* active_backend = nullptr;

}  // namespace

WxBackend::WxBackend(ScriptDriver* driver) : driver_(driver) {
  if (driver_ != nullptr) scripted_ = std::make_unique<ScriptBackend>(*driver_);
  active_backend = this;
}

WxBackend::~WxBackend() {
  if (active_backend == this) active_backend = nullptr;
}

WxBackend* WxBackend::Active() { return active_backend; }

FormWindow* WxBackend::WindowOf(const Form& form) const {
  auto it = shown_.find(&form);
  return it == shown_.end() ? nullptr : it->second.window.get();
}

wxWindow* WxBackend::ActiveWindow() const {
  if (ui_ == nullptr) return nullptr;
  const std::vector<Form*>& forms = ui_->shown_forms();
  for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
    if (FormWindow* window = WindowOf(**it)) return window->window();
  }
  return nullptr;
}

// --- Dialogs ---

void WxBackend::MsgInfo(const std::string& text, const std::string& title) {
  if (scripted_) return scripted_->MsgInfo(text, title);
  ShowMessage(ActiveWindow(), MessageKind::kInfo, text, title);
}

void WxBackend::MsgStop(const std::string& text, const std::string& title) {
  if (scripted_) return scripted_->MsgStop(text, title);
  ShowMessage(ActiveWindow(), MessageKind::kStop, text, title);
}

void WxBackend::MsgExclamation(const std::string& text, const std::string& title) {
  if (scripted_) return scripted_->MsgExclamation(text, title);
  ShowMessage(ActiveWindow(), MessageKind::kExclamation, text, title);
}

bool WxBackend::MsgYesNo(const std::string& text, const std::string& title) {
  if (scripted_) return scripted_->MsgYesNo(text, title);
  return AskYesNo(ActiveWindow(), text, title);
}

std::string WxBackend::InputBox(const std::string& prompt, const std::string& title, const std::string& initial) {
  if (scripted_) return scripted_->InputBox(prompt, title, initial);
  return AskText(ActiveWindow(), prompt, title, initial);
}

std::string WxBackend::GetFile(const std::vector<FileFilter>& filters, const std::string& title,
                               const std::string& initial_folder, bool change_folder) {
  if (scripted_) return scripted_->GetFile(filters, title, initial_folder, change_folder);
  return ChooseFile(ActiveWindow(), filters, title, initial_folder, change_folder);
}

std::string WxBackend::GetFolder(const std::string& title) {
  if (scripted_) return scripted_->GetFolder(title);
  return ChooseFolder(ActiveWindow(), title);
}

void WxBackend::OpenDocument(const std::string& path) {
  if (scripted_) return scripted_->OpenDocument(path);
  OpenWithDesktop(path);
}

void WxBackend::Progress(const std::string& step, uint64_t done, uint64_t total) {
  constexpr int kRange = 1000;
  const int value = total == 0 ? 0 : static_cast<int>(std::min<uint64_t>(done, total) * kRange / total);
  if (!progress_) {
    progress_ = std::make_unique<wxProgressDialog>("Movarel", ToWx(step), kRange, ActiveWindow(),
                                                   wxPD_APP_MODAL | wxPD_SMOOTH | wxPD_ELAPSED_TIME);
  }
  // Update also lets the windows repaint while the work goes on.
  progress_->Update(value, ToWx(step));
}

void WxBackend::ProgressEnd() { progress_.reset(); }

std::string WxBackend::ChoosePrintTarget(const std::string& title) {
  if (scripted_) return scripted_->ChoosePrintTarget(title);
  return ChoosePrinterOrPdf(ActiveWindow(), title);
}

bool WxBackend::PrintOnSystemPrinter(const std::string& title, const PrintRecording& document) {
  return ShowPrintPreview(title, document);
}

// --- Loops ---

WxBackend::Shown& WxBackend::Open(Form& form, wxWindow* parent) {
  Shown& shown = shown_[&form];
  shown.window = std::make_unique<FormWindow>(form, parent);
  shown.shown_at = wxGetLocalTimeMillis().GetValue();
  shown.window->Start([this, &form] { Tick(form); }, driver_ != nullptr ? kScriptTickMs : kInitTickMs);
  return shown;
}

void WxBackend::RunMain(Form& form) {
  if (driver_ != nullptr) driver_->MainFormShown(form);
  Shown& shown = Open(form, nullptr);
  wxTheApp->SetTopWindow(shown.window->window());
  if (!form.released()) wxTheApp->MainLoop();
  wxTheApp->SetTopWindow(nullptr);
  shown_.erase(&form);
  RethrowPendingStop();
}

void WxBackend::RunModal(Form& form) {
  if (driver_ != nullptr) driver_->transcript().Write({"FORM", form.name(), form.caption()});
  // The form below this one: the innermost shown form other than itself.
  wxWindow* parent = nullptr;
  const std::vector<Form*>& forms = ui_->shown_forms();
  for (auto it = forms.rbegin(); it != forms.rend() && parent == nullptr; ++it) {
    if (*it == &form) continue;
    if (FormWindow* window = WindowOf(**it)) parent = window->window();
  }
  Shown& shown = Open(form, parent);
  if (!form.released()) shown.window->dialog()->ShowModal();
  shown_.erase(&form);
  closed_at_ = wxGetLocalTimeMillis().GetValue();
  RethrowPendingStop();
}

void WxBackend::FormReleased(Form& form) {
  if (driver_ != nullptr && form.kind() == FormKind::kModal) driver_->transcript().Write({"RELEASE", form.name()});
  // The main window as the script leaves it (by `quit` or at the end of the script).
  if (driver_ != nullptr && !screenshot_folder_.empty() && form.kind() == FormKind::kMain) Picture(form, "-end");
  EndLoop(form);
}

void WxBackend::EndLoop(Form& form) {
  FormWindow* window = WindowOf(form);
  if (window == nullptr) return;
  window->StopTimer();
  if (form.kind() == FormKind::kMain) {
    wxTheApp->ExitMainLoop();
  } else if (window->dialog()->IsModal()) {
    window->dialog()->EndModal(wxID_CANCEL);
  }
}

void WxBackend::RethrowPendingStop() {
  if (!pending_stop_) return;
  ScriptStop stop = *pending_stop_;
  pending_stop_.reset();
  // On through the operation that activated the form, to the step of the form below,
  // which ends its own loop in turn.
  throw stop;
}

void WxBackend::Reflect(Form& form, const Change& change) {
  if (FormWindow* window = WindowOf(form)) window->Reflect(change);
  if (driver_ != nullptr) driver_->MainFormTitleChanged(form, change);
}

// --- The timer of each form ---

void WxBackend::Tick(Form& form) {
  auto it = shown_.find(&form);
  if (it == shown_.end()) return;
  Shown& shown = it->second;
  if (shown.stepping || form.released() || pending_stop_) return;
  shown.stepping = true;
  try {
    if (!shown.init_done) {
      shown.init_done = true;
      if (driver_ == nullptr) shown.window->StopTimer();
      form.RunInit();
    } else if (driver_ != nullptr && ui_->ActiveForm() == &form) {
      Step(form, shown);
    }
  } catch (const ScriptStop& stop) {
    pending_stop_ = stop;
    EndLoop(form);
  }
  // The entry outlives the step: it is erased only after this form's loop has returned.
  shown.stepping = false;
}

void WxBackend::Step(Form& form, Shown& shown) {
  const long long now = wxGetLocalTimeMillis().GetValue();
  // Pictures wait until the windows are drawn: a new form, or the one uncovered when the
  // form above it has closed.
  if (!screenshot_folder_.empty() && now - closed_at_ < kDrawnAfterMs) return;
  if (!screenshot_folder_.empty() && !shown.pictured) {
    if (now - shown.shown_at < kDrawnAfterMs) return;
    shown.pictured = true;
    Picture(form, "");
  }
  if (form.kind() == FormKind::kModal) {
    driver_->StepModal(form);
    return;
  }
  if (!driver_->StepMain(form)) driver_->Quit(form);
}

void WxBackend::Picture(Form& form, const std::string& suffix) {
  FormWindow* window = WindowOf(form);
  if (window == nullptr) return;
  char number[16];
  std::snprintf(number, sizeof number, "%02d-", ++screenshot_count_);
  const std::string path = screenshot_folder_ + "/" + number + form.name() + suffix;
  if (!SaveWindowImage(*window->window(), path + ".png")) std::fprintf(stderr, "movarel: no picture of %s.png\n", path.c_str());
  if (!SaveLayoutListing(*window, path + ".layout")) std::fprintf(stderr, "movarel: no layout of %s\n", path.c_str());
}

}  // namespace movarel::ui
