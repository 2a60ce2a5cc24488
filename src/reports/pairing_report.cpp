#include "reports/pairing_report.h"

#include "register/file_names.h"
#include "register/tournament_opening.h"
#include "reports/html_writer.h"
#include "reports/report_fields.h"
#include "standings/zdclas.h"
#include "storage/value.h"

namespace movarel::reports {

namespace {

// "(" + number + ") " + name + "(" + points + ")" of the player whose record is `number`.
std::string PlayerText(storage::Table& cuadro, double number, int points_width) {
  cuadro.GoTo(static_cast<uint32_t>(number));
  return "(" + storage::Str(number, 3) + ") " + PageText(cuadro.GetText("JUG")) + "(" +
         storage::Str(cuadro.GetNumber("PTOS"), points_width, 1) + ")";
}

}  // namespace

std::string PairingColumnHeader() {
  return "<pre>Mesa" + std::string(10, ' ') + "Blancas" + std::string(37, ' ') + "Negras" +
         std::string(35, ' ') + "Rdo";
}

std::string PROCLINPAREO(const storage::Table& ronda, storage::Table& cuadro, bool with_results,
                         int ndigrondas) {
  const int points_width = ndigrondas + 2;
  std::string line = storage::Str(ronda.RecNo(), 3) + std::string(5, ' ');
  line += PlayerText(cuadro, ronda.GetNumber("JUG_B"), points_width);
  const double black = ronda.GetNumber("JUG_N");
  if (black > 0) {
    line += " - " + PlayerText(cuadro, black, points_width);
  } else {
    // As wide as a black player's text, so that the bye's result stands under "Rdo" too.
    const size_t black_width = 3 + 1 + 3 + 2 + static_cast<size_t>(FieldWidth(cuadro, "JUG", 30)) + 1 +
                               static_cast<size_t>(points_width) + 1;
    std::string bye = " - BYE";
    bye.resize(black_width, ' ');
    line += bye;
  }
  if (with_results) line += std::string(5, ' ') + HtmlEscape(ResultCodeText(ronda.GetText("RDO")));
  return line;
}

bool LISHTMPAREO(registry::WorkingState& state, int round, const std::string& page_name, bool with_results,
                 bool open_afterwards) {
  storage::Table* cuadro = state.workspace.Find("cuadro");
  if (cuadro == nullptr) return false;
  if (!cuadro->FLock()) {
    state.dialogs->MsgInfo(LockRefusedText("utiliado"));
    return false;
  }
  state.NRONDASEL = round - 1;
  if (storage::Status status = standings::ZDCLAS(state); !status.ok()) {
    cuadro->Unlock();
    state.dialogs->MsgStop(status.message());
    return false;
  }
  const std::string round_file = registry::RoundTableName(round, state.CCLAVE);
  auto opened = state.workspace.Use(round_file, "ronda", /*shared=*/true, /*read_only=*/true);
  if (!opened.ok()) {
    state.workspace.Select("cuadro");
    cuadro->Unlock();
    state.dialogs->MsgStop(registry::OpenRefusalText(round_file, opened.status()));
    return false;
  }
  storage::Table& ronda = **opened;

  storage::Table* torneos = state.workspace.Find("torneos");
  HtmlPage page = HTML_INI(PagePath(page_name), torneos ? PageTitle(*torneos) : std::string(),
                           torneos ? PageSubtitle(*torneos) : std::string());
  HTML_LINETEXT(page, std::string("<p class=\"updated\">") +
                          (with_results ? "Resultados" : "Emparejamiento") + " de la " + RoundText(round) +
                          "\xAA ronda");
  HTML_LINE(page);
  HTML_TEXT(page, PairingColumnHeader());
  HTML_LINE(page);
  for (ronda.GoTop(); !ronda.Eof(); ronda.Skip()) {
    if (ronda.GetNumber("JUG_B") == 0) continue;  // an unused board takes no line and no number
    ++page.lines;
    WriteListingLine(page, PROCLINPAREO(ronda, *cuadro, with_results, state.NDIGRONDAS));
  }
  EndListing(state, page);
  state.workspace.Close("ronda");
  state.workspace.Select("cuadro");
  cuadro->Unlock();
  return FinishPage(state, page, open_afterwards);
}

}  // namespace movarel::reports
