#include "reports/tournament_pages.h"

#include <cctype>

#include "reports/html_writer.h"
#include "reports/pairing_report.h"
#include "reports/report_fields.h"
#include "reports/seeding_report.h"
#include "reports/standings_report.h"
#include "storage/letter_case.h"
#include "storage/value.h"
#include "ui/dialogs.h"

namespace movarel::reports {

namespace {

std::string Link(const std::string& target, const std::string& text) {
  return "<a href=\"" + target + "\">" + text + "</a>";
}

// "1ª " or, for the tournament's last round, "1ª y última ".
std::string RoundOrdinal(int round, int rounds) {
  return RoundText(round) + "\xAA " + (round == rounds ? "y \xFAltima " : "");
}

}  // namespace

std::string PageStem(const storage::Table& torneos) {
  // The register keeps FICHERO padded to its width; the DOS-era pages used it untrimmed, which
  // put blanks into every page name and link of a short key.
  return "zd" + storage::LowerAscii(storage::AllTrim(torneos.GetText("FICHERO")));
}

bool WriteTournamentIndex(registry::WorkingState& state, const storage::Table& torneos,
                          const std::string& path) {
  const std::string stem = PageStem(torneos);
  const int rounds = static_cast<int>(torneos.GetNumber("N_RONDAS"));
  const int played = static_cast<int>(torneos.GetNumber("N_R_ACTUAL"));
  HtmlPage page = HTML_INI(path, PageTitle(torneos), PageSubtitle(torneos));
  HTML_LINETEXT(page, "<p class=\"updated\">Informe del torneo");
  HTML_LINE(page);
  HTML_LINETEXT(page, "<br>");
  HTML_TEXT(page, Link(stem + "of.htm", "Orden de fuerza"));
  HTML_LINETEXT(page, "<br>");
  for (int r = 1; r <= played; ++r) {
    HTML_LINETEXT(page, Link(stem + "r" + RoundText(r) + ".htm",
                             "Resultados de la " + RoundOrdinal(r, rounds) + "ronda"));
    HTML_TEXT(page, Link(stem + "c" + RoundText(r) + ".htm",
                         "Clasificaci\xF3n tras la " + RoundOrdinal(r, rounds) + "ronda"));
    HTML_LINETEXT(page, "<br>");
  }
  HTML_TEXT(page, Link(stem + "cu.htm", "Cuadro del torneo"));
  HTML_LINETEXT(page, "<br>");
  HTML_LINE(page);
  PIEHTML(state, page);
  if (storage::Status saved = HTML_END(page); !saved.ok()) {
    state.dialogs->MsgStop(PageNotWrittenText(path, saved));
    return false;
  }
  return true;
}

bool LISHTMPAG(registry::WorkingState& state) {
  storage::Table* cuadro = state.workspace.Find("cuadro");
  storage::Table* torneos = state.workspace.Find("torneos");
  if (cuadro == nullptr || torneos == nullptr) return false;
  if (!cuadro->FLock()) {
    state.dialogs->MsgInfo(LockRefusedText("utilizado"));
    return false;
  }
  // Every page below re-takes and releases the lock on its own; it is let go here too in
  // case the run stops early.
  const std::string stem = PageStem(*torneos);
  const int rounds = static_cast<int>(torneos->GetNumber("N_RONDAS"));
  const std::string index_path = PagePath(stem);
  bool written = WriteTournamentIndex(state, *torneos, index_path);
  if (written) {
    state.dialogs->MsgInfo("P\xE1gina principal del torneo creada");
    written = LISHTMOF(state, stem + "of", /*open_afterwards=*/false);
  }
  if (written) {
    state.dialogs->MsgInfo("P\xE1gina con el orden de fuerza del torneo creada");
    for (int r = 1; r <= rounds && written; ++r) {
      written = LISHTMPAREO(state, r, stem + "r" + RoundText(r), /*with_results=*/true,
                            /*open_afterwards=*/false) &&
                LISHTMCLAS(state, r, stem + "c" + RoundText(r), /*open_afterwards=*/false);
    }
  }
  if (written) {
    state.dialogs->MsgInfo("P\xE1ginas de cada ronda creadas");
    written = LISHTMCU(state, rounds, stem + "cu", /*open_afterwards=*/false);
  }
  if (written) state.dialogs->MsgInfo("P\xE1gina del cuadro del torneo creada");
  if (storage::Table* table = state.workspace.Find("cuadro")) table->Unlock();
  if (written) OpenPageIfWanted(state, index_path, /*open_afterwards=*/true);
  return written;
}

}  // namespace movarel::reports
