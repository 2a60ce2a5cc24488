#include "reports/seeding_report.h"

#include "reports/html_writer.h"
#include "reports/report_fields.h"
#include "storage/value.h"

namespace movarel::reports {

std::string CABECERAOF() {
  return "   #  Jugador" + std::string(24, ' ') + "Club/Procedencia  Cat/T\xEDt    FIDE     FEDA      Aut";
}

std::string PROCLINOF(const storage::Table& cuadro) {
  std::string line = "(" + storage::Str(cuadro.GetNumber("NUM"), 3) + ") ";
  line += PageText(cuadro.GetText("JUG"));
  line += ' ';
  line += PageText(cuadro.GetText("CLUB"));
  line += "   ";
  line += PageText(cuadro.GetText("CAT"));
  line += std::string(10, ' ');
  line += NumberOrBlank(cuadro, "ELOFIDE");
  line += std::string(5, ' ');
  line += NumberOrBlank(cuadro, "ELOFEDA");
  line += std::string(5, ' ');
  // The regional rating is the one the seeding falls back on, so 0 is written as a number.
  line += storage::Str(cuadro.GetNumber("ELO"), FieldWidth(cuadro, "ELO", 4));
  return line;
}

bool LISHTMOF(registry::WorkingState& state, const std::string& page_name, bool open_afterwards) {
  storage::Table* torneos = state.workspace.Find("torneos");
  storage::Table* cuadro = state.workspace.Find("cuadro");
  const std::string title = torneos ? PageTitle(*torneos) : std::string();
  const std::string subtitle = torneos ? PageSubtitle(*torneos) : std::string();
  HtmlPage page = BeginListing(PagePath(page_name), title, subtitle, "Orden de fuerza", CABECERAOF());
  if (cuadro != nullptr) {
    for (cuadro->GoTop(); !cuadro->Eof(); cuadro->Skip()) {
      ++page.lines;
      WriteListingLine(page, PROCLINOF(*cuadro));
    }
  }
  EndListing(state, page);
  return FinishPage(state, page, open_afterwards);
}

}  // namespace movarel::reports
