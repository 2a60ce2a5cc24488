#include "reports/tournament_list.h"

#include "register/tournament_opening.h"
#include "reports/html_writer.h"
#include "storage/files.h"
#include "storage/letter_case.h"
#include "storage/value.h"
#include "ui/dialogs.h"
#include "ui/dos_text.h"
#include "ui/platform.h"

namespace movarel::reports {

namespace {

constexpr char kListFile[] = "ListaTorneos.htm";

std::string RegisterPath(const std::string& folder) {
  return storage::ResolvePath(folder + ui::kPathSeparator + "torneos.dbf");
}

// In capitals, the accented letters too ("ALCALÁ", not "ALCALá"); a DOS text is read as
// Windows text first, so that its letters have capitals to take.
std::string UpperPageText(std::string_view stored) {
  return HtmlEscape(storage::UpperCp1252(ui::NOHB_OEMTOANSI(stored)));
}

}  // namespace

std::string LISTORNS1(const storage::Table& torneos) {
  return UpperPageText(torneos.GetText("FICHERO")) + " - " + UpperPageText(torneos.GetText("TORNEO")) +
         " - " + storage::Dtoc(torneos.GetDate("FECHA_INI")) + " - " +
         storage::Dtoc(torneos.GetDate("FECHA_FIN")) + " - " + UpperPageText(torneos.GetText("LOCALIDAD"));
}

registry::TournamentOutcome WriteTournamentList(registry::WorkingState& state, const std::string& folder,
                                                const TournamentClosedHook& closed) {
  if (!storage::FileExists(RegisterPath(folder))) {
    state.dialogs->MsgStop("No existe el fichero TORNEOS.dbf en la carpeta elegida");
    return registry::TournamentOutcome::Unchanged();
  }
  state.workspace.CloseAll();
  if (closed) closed();
  ui::SetCurrentFolder(folder);
  const std::string page_path = folder + ui::kPathSeparator + kListFile;
  auto opened = state.workspace.Use(RegisterPath(folder), "torneos", /*shared=*/false);
  if (!opened.ok()) {
    state.dialogs->MsgStop(registry::OpenRefusalText(RegisterPath(folder), opened.status()));
    return registry::TournamentOutcome::Closed();
  }
  storage::Table& torneos = **opened;
  HtmlPage page = HTML_INI(page_path, "Lista de torneos", HtmlEscape(ui::PathAsText(folder)));
  HTML_LINE(page);
  HTML_TEXT(page, "<font type=\"Courier New\"><pre>");
  for (torneos.GoTop(); !torneos.Eof(); torneos.Skip()) HTML_LINETEXTK(page, LISTORNS1(torneos));
  HTML_TEXT(page, "</pre></font>");
  HTML_LINE(page);
  state.workspace.CloseAll();
  FinishPage(state, page, /*open_afterwards=*/true);
  return registry::TournamentOutcome::Closed();
}

registry::TournamentOutcome LISTORNS(registry::WorkingState& state, const TournamentClosedHook& closed) {
  state.CCARPETA = state.dialogs->GetFolder("Crear torneo nuevo en...");
  if (state.CCARPETA.empty()) {
    state.dialogs->MsgInfo("No ha elegido la localizacion del torneo");
    return registry::TournamentOutcome::Unchanged();
  }
  return WriteTournamentList(state, state.CCARPETA, closed);
}

}  // namespace movarel::reports
