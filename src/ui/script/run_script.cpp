#include "ui/script/run_script.h"

#include <ostream>

#include "storage/workspace.h"
#include "ui/run_time_error.h"
#include "ui/script/script_backend.h"
#include "ui/script_driver.h"
#include "ui/ui.h"

namespace movarel::ui {

namespace {

int Run(storage::Result<ScriptReader> reader, storage::Workspace& workspace, const Program& program,
        std::ostream& out) {
  Transcript transcript(out);
  if (!reader.ok()) {
    transcript.Write({"ERROR", reader.status().message()});
    return kScriptErrorExitStatus;
  }
  ScriptDriver driver(std::move(reader.value()), transcript);
  ScriptBackend backend(driver);
  Ui ui(backend, workspace);
  return RunProgram(ui, backend, workspace, program);
}

}  // namespace

int RunProgram(Ui& ui, Dialogs& dialogs, storage::Workspace& workspace, const Program& program,
               std::function<void(int status)> end) {
  ScopedFatalErrorHandler fatal({&dialogs, [&workspace] { workspace.CloseAll(); }, std::move(end)});
  try {
    program(ui);
  } catch (const ScriptStop& stop) {
    return stop.status;
  }
  return 0;
}

int RunScript(const std::string& script_path, storage::Workspace& workspace, const Program& program,
              std::ostream& transcript_out) {
  return Run(ScriptReader::FromFile(script_path), workspace, program, transcript_out);
}

int RunScriptText(std::string_view script_utf8, storage::Workspace& workspace, const Program& program,
                  std::ostream& transcript_out) {
  return Run(ScriptReader::FromText(script_utf8), workspace, program, transcript_out);
}

}  // namespace movarel::ui
