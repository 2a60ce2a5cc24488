// The movarel program: picks the backend from the command line and runs MAIN on it.

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "register/templates.h"
#include "register/working_state.h"
#include "shell/about_box.h"
#include "shell/main_window.h"
#include "shell/pair_command.h"
#include "ui/platform.h"
#include "ui/script/run_script.h"
#include "ui/ui.h"
#ifdef MOVAREL_HAVE_GUI
#include "ui/wx/wx_app.h"
#endif

namespace {

using movarel::registry::WorkingState;
namespace ui = movarel::ui;

constexpr char kUsage[] =
    "uso: movarel                       la ventana del programa\n"
    "     movarel --script FICHERO      sin ventanas, guiado por un guion (docs/script.md)\n"
    "     movarel --script FICHERO --gui  el mismo guion sobre las ventanas reales\n"
    "     movarel --make-templates CARPETA  escribe la carpeta de plantillas \"zd\"\n"
    "     movarel --pair FICHERO.trf [--output SALIDA]  empareja la ronda siguiente (sistema suizo\n"
    "                                   holand\xC3\xA9s de la FIDE)\n"
    "     movarel --help                esta ayuda\n";

std::vector<std::string> LibraryVersions() {
  std::vector<std::string> versions;
#ifdef MOVAREL_HAVE_GUI
  versions.push_back(ui::WxVersionText());
#endif
  for (std::string& v : movarel::shell::RuntimeLibraryVersions()) versions.push_back(std::move(v));
  return versions;
}

// MAIN on the backend in use. Each runner installs the fatal-error handler for its run over
// the same workspace: a run-time error no operation handles is logged, the tables are closed
// and the stop box shown through that backend.
ui::Program MainProgram(WorkingState& state) {
  return [&state](ui::Ui& ui) { movarel::shell::MAIN(state, ui, LibraryVersions()); };
}

int RunWindows(WorkingState& state) {
#ifdef MOVAREL_HAVE_GUI
  if (!ui::HasScreen()) {
    std::cerr
        << "movarel: no hay pantalla (DISPLAY sin definir); sin ventanas, use movarel --script FICHERO\n";
    return 1;
  }
  return ui::RunGui(state.workspace, MainProgram(state));
#else
  (void)state;
  std::cerr << "movarel: compilado sin ventanas (MOVAREL_GUI=OFF); use movarel --script FICHERO\n";
  return 1;
#endif
}

int RunScriptWithWindows(const std::string& script, WorkingState& state) {
#ifdef MOVAREL_HAVE_GUI
  return ui::RunScriptGui(script, state.workspace, MainProgram(state), std::cout);
#else
  (void)script;
  (void)state;
  std::cerr << "movarel: compilado sin ventanas (MOVAREL_GUI=OFF); --gui no est\xC3\xA1 disponible\n";
  return 1;
#endif
}

int MakeTemplates(const char* dir) {
  const movarel::storage::Status status = movarel::registry::MakeTemplates(dir);
  if (!status.ok()) {
    std::cerr << "movarel: no se han podido escribir las plantillas: " << status.message() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args = ui::StartProgram(argc, argv);
  WorkingState state;
  if (args.empty()) return RunWindows(state);
  if (args[0] == "--help" || args[0] == "-h") {
    std::cout << kUsage;
    return 0;
  }
  if (args[0] == "--pair" && args.size() == 2)
    return movarel::shell::RunPairCommand(args[1], std::nullopt, std::cout, std::cerr);
  if (args[0] == "--pair" && args.size() == 4 && args[2] == "--output")
    return movarel::shell::RunPairCommand(args[1], args[3], std::cout, std::cerr);
  if (args[0] == "--make-templates" && args.size() == 2) return MakeTemplates(args[1].c_str());
  if (args[0] == "--script" && args.size() == 2)
    return ui::RunScript(args[1], state.workspace, MainProgram(state), std::cout);
  if (args[0] == "--script" && args.size() == 3 && args[2] == "--gui")
    return RunScriptWithWindows(args[1], state);
  std::cerr << kUsage;
  return 1;
}
