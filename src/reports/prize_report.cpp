#include "reports/prize_report.h"

#include "prizes/prize_table.h"
#include "register/file_names.h"
#include "reports/html_writer.h"
#include "reports/report_fields.h"
#include "storage/value.h"
#include "storage/workspace.h"
#include "ui/dialogs.h"
#include "ui/dos_text.h"
#include "ui/run_time_error.h"

namespace movarel::reports {

std::string CABECERAPR() {
  return "Premio          Categor\xED"
         "a Cantidad Acumulable Jugador" +
         std::string(24, ' ') + "Puntos Puesto Optaba a premios";
}

std::string PROCLINPR(const storage::Table& premios) {
  std::string line = HtmlEscape(premios.GetText("PREMIO"));
  line += ' ';
  line += HtmlEscape(premios.GetText("ID_CATEGOR"));
  line += std::string(8, ' ');
  line += NumberOrBlank(premios, "CANTIDAD");
  line += std::string(5, ' ');
  line += premios.GetLogical("ACUMULABLE") ? "S\xED" : "No";
  line += std::string(5, ' ');
  // The winner's name comes from the player table, which the DOS program may have written.
  line += HtmlEscape(ui::NOHB_OEMTOANSI(premios.GetText("JUGADOR")));
  line += storage::Str(premios.GetNumber("PUNTOS"), 7, 1);
  line += storage::Str(premios.GetNumber("PUESTO"), 7);
  line += std::string(4, ' ');
  line += HtmlEscape(premios.GetText("PREMIOS"));
  return line;
}

bool LISHTMPR(registry::WorkingState& state, const std::string& page_name) {
  ui::ActiveOperation op("LISHTMPR");
  if (state.workspace.Find("cuadro") == nullptr) return false;
  auto opened = prizes::ABRPREMIOS(state);
  if (!opened.ok()) {
    state.dialogs->MsgStop(prizes::PrizeTableRefusal(state, "No se puede hacer el listado", opened.status()));
    state.workspace.Select("cuadro");
    return false;
  }
  storage::Table& premios = **opened;
  storage::Status ordered = premios.OrdSetFocus(registry::PrizeTableName(state.CCLAVE));
  if (!ordered.ok()) {
    state.workspace.Close(prizes::kPrizeAlias);
    state.workspace.Select("cuadro");
    state.dialogs->MsgStop("No se puede hacer el listado\r\n" + ordered.message());
    return false;
  }

  const storage::Table* torneos = state.workspace.Find("torneos");
  HtmlPage page = HTML_INI(PagePath(page_name), torneos ? PageTitle(*torneos) : std::string(),
                           torneos ? PageSubtitle(*torneos) : std::string());
  HTML_LINETEXT(page, "<p class=\"updated\">Premios");
  HTML_LINE(page);
  HTML_TEXT(page, "<pre>");
  HTML_LINETEXTK(page, CABECERAPR());
  std::string category = "xyxyx";  // CCATW: no code equals it, so the first category gets its rule
  for (premios.GoTop(); !premios.Eof(); premios.Skip()) {
    const std::string code = premios.GetText("ID_CATEGOR");
    if (code != category) {
      HTML_LINE(page);
      category = code;
    }
    HTML_LINETEXTK(page, PROCLINPR(premios));
  }
  HTML_LINE(page);
  HTML_TEXT(page, "</pre>");
  PIEHTML(state, page);
  state.workspace.Close(prizes::kPrizeAlias);
  state.workspace.Select("cuadro");
  return FinishPage(state, page, /*open_afterwards=*/true);
}

}  // namespace movarel::reports
