#include "ui/wx/wx_app.h"

#include <wx/app.h>
#include <wx/init.h>
#include <wx/utils.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "storage/workspace.h"
#include "ui/script_driver.h"
#include "ui/script_line.h"
#include "ui/transcript.h"
#include "ui/ui.h"
#include "ui/wx/wx_backend.h"

namespace movarel::ui {

namespace {

class MovarelApp : public wxApp {
 public:
  // The program's forms are built by the caller once the toolkit is up; nothing to do here
  // (and no command line of the toolkit's own to parse).
  bool OnInit() override { return true; }
};

// The toolkit for one run: started on construction, taken down on destruction.
class Toolkit {
 public:
  Toolkit() {
    wxApp::SetInstance(new MovarelApp());
    static char name[] = "movarel";
    argv_[0] = name;
    argv_[1] = nullptr;
    int argc = 1;
    started_ = wxEntryStart(argc, argv_);
    ok_ = started_ && wxTheApp->CallOnInit();
    if (ok_) wxTheApp->SetExitOnFrameDelete(false);
  }
  ~Toolkit() {
    if (!started_) return;
    if (ok_) wxTheApp->OnExit();
    wxEntryCleanup();
  }
  Toolkit(const Toolkit&) = delete;
  Toolkit& operator=(const Toolkit&) = delete;

  bool ok() const { return ok_; }

 private:
  char* argv_[2] = {};
  bool started_ = false;
  bool ok_ = false;
};

// A fatal run-time error ends the process from inside the toolkit's loops: nothing below
// them can run safely any more, so no destructors either.
[[noreturn]] void EndAtOnce(int status) {
  std::cout.flush();
  std::fflush(nullptr);
  std::_Exit(status);
}

int RunScripted(storage::Result<ScriptReader> reader, storage::Workspace& workspace, const Program& program,
                std::ostream& out) {
  Transcript transcript(out);
  if (!reader.ok()) {
    transcript.Write({"ERROR", reader.status().message()});
    return kScriptErrorExitStatus;
  }
  Toolkit toolkit;
  if (!toolkit.ok()) {
    std::cerr << "movarel: the windows cannot be shown (no display?)\n";
    return 1;
  }
  ScriptDriver driver(std::move(reader.value()), transcript);
  WxBackend backend(&driver);
  if (const char* folder = std::getenv("MOVAREL_SCREENSHOT_DIR"); folder != nullptr && *folder != '\0') {
    backend.SetScreenshotFolder(folder);
  }
  Ui ui(backend, workspace);
  backend.SetUi(ui);
  return RunProgram(ui, backend, workspace, program, EndAtOnce);
}

}  // namespace

int RunGui(storage::Workspace& workspace, const Program& program) {
  Toolkit toolkit;
  if (!toolkit.ok()) {
    std::cerr << "movarel: the windows cannot be shown (no display?)\n";
    return 1;
  }
  WxBackend backend(nullptr);
  Ui ui(backend, workspace);
  backend.SetUi(ui);
  return RunProgram(ui, backend, workspace, program, EndAtOnce);
}

int RunScriptGui(const std::string& script_path, storage::Workspace& workspace, const Program& program,
                 std::ostream& transcript) {
  return RunScripted(ScriptReader::FromFile(script_path), workspace, program, transcript);
}

int RunScriptGuiText(std::string_view script_utf8, storage::Workspace& workspace, const Program& program,
                     std::ostream& transcript) {
  return RunScripted(ScriptReader::FromText(script_utf8), workspace, program, transcript);
}

std::string WxVersionText() {
  // Built from the version macros: asking the library at run time needs wx initialised,
  // and headless runs never initialise it.
  return "wxWidgets " + std::to_string(wxMAJOR_VERSION) + "." + std::to_string(wxMINOR_VERSION) + "." +
         std::to_string(wxRELEASE_NUMBER);
}

}  // namespace movarel::ui
