#include "federation/federation_report.h"

#include "federation/game_tally.h"
#include "federation/series_thresholds.h"
#include "reports/html_writer.h"
#include "storage/value.h"
#include "ui/run_time_error.h"

namespace movarel::federation {

namespace {

std::string Text(const storage::Table& table, std::string_view field) {
  return table.HasField(field) ? table.GetText(field) : std::string();
}

std::string LocationHeader(RatingBody body) { return body == RatingBody::kFide ? "Pa\xEDs" : "Aut."; }

const std::string& Location(RatingBody body, const Entrant& player) {
  return body == RatingBody::kFide ? player.COD_PAIS : player.AUTONOMIA;
}

std::string ColumnsAfterName(RatingBody body) {
  return std::string(25, ' ') + "Sexo " + LocationHeader(body) +
         " Fec.Nacim. Puntos Partidas Elo Rivales N\xBA Ranking";
}

// The columns every line shares after the code: name, sex, location, birth date, the tally and
// the player's number.
std::string PlayerColumns(RatingBody body, const Entrant& player, const Tally& tally) {
  return reports::HtmlEscape(player.JUG) + " " + reports::HtmlEscape(player.SEXO) + "    " +
         reports::HtmlEscape(Location(body, player)) + "  " + storage::Dtoc(player.FECHA_NAC) + " " +
         storage::Str(tally.points(), 4, 1) + "   " + storage::Str(tally.games, 2) + "       " +
         storage::Str(tally.average(), 4) + "        " + storage::Str(player.NUM, 3);
}

void WriteReport(registry::WorkingState& state, RatingBody body, const std::string& page_name) {
  const std::string name = BodyName(body);
  storage::Table* torneos = state.workspace.Find("torneos");
  storage::Table* cuadro = state.workspace.Find("cuadro");
  if (torneos == nullptr || cuadro == nullptr) {
    state.dialogs->MsgStop("No hay ning\xFAn torneo abierto", "");
    return;
  }
  const int rounds = torneos->HasField("N_RONDAS") ? static_cast<int>(torneos->GetNumber("N_RONDAS")) : 0;
  storage::Result<Entrants> entrants = ReadEntrants(*cuadro, rounds);
  if (!entrants.ok()) {
    state.dialogs->MsgStop(entrants.status().message(), "");
    return;
  }

  reports::HtmlPage page = reports::HTML_INI(reports::PagePath(page_name), reports::PageTitle(*torneos),
                                             reports::PageSubtitle(*torneos));
  reports::HTML_LINETEXT(page, "<p class=\"updated\">Informe del torneo para la " + name);
  reports::HTML_LINE(page);
  std::string control = "<p class=\"normaltext\">Ritmo de juego: " +
                        reports::HtmlEscape(storage::RTrim(Text(*torneos, "PRIM_CONTR")));
  const std::string second = Text(*torneos, "SEGU_CONTR");
  if (!storage::AllTrim(second).empty()) control += " + " + reports::HtmlEscape(second);
  reports::HTML_TEXT(page, control + "</p>");
  const std::string arbiter = reports::HtmlEscape(storage::RTrim(Text(*torneos, "ARBIT_PPAL")));
  reports::HTML_TEXT(page, "<p>\xC1rbitro principal: " + arbiter + "</p>");
  reports::HTML_TEXT(page, "<p>Cuadro del torneo: (Ver hoja adjunta)</p>");
  reports::HTML_TEXT(page, "<p>Resultados " + name + ":</p>");
  reports::HTML_TEXT(page, "<pre>");

  bool consistent = true;
  for (uint32_t recno : entrants->in_order) {
    const Entrant& player = *entrants->ByRecNo(static_cast<int>(recno));
    if (IsMember(body, player) && !COMPRJUG(state, body, player)) consistent = false;
  }
  if (!consistent) {
    state.dialogs->MsgInfo("Errores en datos " + name + ". Corrijalos y ejecute de nuevo", "");
  } else {
    reports::HTML_LINETEXTK(page, "C\363d." + name + " Nombre" + ColumnsAfterName(body));  // "Cód."
    for (uint32_t recno : entrants->in_order) {
      const Entrant& player = *entrants->ByRecNo(static_cast<int>(recno));
      if (!IsMember(body, player)) continue;
      const Tally tally = TallyGames(*entrants, player, body, RatingTerm::kLimitedToOwn);
      reports::HTML_LINETEXTK(
          page, reports::HtmlEscape(CodeOf(body, player)) + " " + PlayerColumns(body, player, tally));
    }
  }
  reports::HTML_LINETEXTK(page, "");
  for (const char* text : {"</pre>", "<p></p>"}) reports::HTML_TEXT(page, text);
  reports::HTML_TEXT(page, "<p>Bloques " + name + ":</p>");
  reports::HTML_TEXT(page, "<pre>");
  reports::HTML_LINETEXTK(page, "Nombre" + ColumnsAfterName(body));
  const SeriesThresholds thresholds = ReadSeriesThresholds();
  for (uint32_t recno : entrants->in_order) {
    const Entrant& player = *entrants->ByRecNo(static_cast<int>(recno));
    if (IsMember(body, player)) continue;
    const Tally tally = TallyGames(*entrants, player, body, RatingTerm::kUnlimited);
    if (tally.games < thresholds.games || tally.points() < thresholds.points) continue;
    reports::HTML_LINETEXTK(page, PlayerColumns(body, player, tally));
  }
  for (const char* text : {"</pre>", "<p></p>"}) reports::HTML_TEXT(page, text);
  reports::HTML_LINE(page);
  reports::HTML_TEXT(page, "<p align=\"right\">Firmado: " + arbiter + "</p>");

  const storage::Status saved = reports::HTML_END(page);
  if (!saved.ok()) {
    state.dialogs->MsgStop(reports::PageNotWrittenText(page.path, saved), "");
    return;
  }
  state.dialogs->MsgInfo("Fichero \"" + page_name + ".htm\" con el informe para la " + name + " creado", "");
  // The FEDA report has always opened in the browser whatever the setting says.
  if (body == RatingBody::kFeda) {
    state.dialogs->OpenDocument(page.path);
  } else {
    reports::OpenPageIfWanted(state, page.path, true);
  }
}

}  // namespace

bool COMPRJUG(registry::WorkingState& state, RatingBody body, const Entrant& member) {
  const bool has_code = !storage::AllTrim(CodeOf(body, member)).empty();
  const int rating = OwnRating(body, member);
  const std::string player = "Error. El jugador " + std::string(storage::AllTrim(member.JUG));
  bool sound = true;
  if (has_code && rating <= 0) {
    state.dialogs->MsgInfo(player + " no tiene bien el Elo " + BodyName(body), "");
    sound = false;
  }
  if (rating > 0 && !has_code) {
    state.dialogs->MsgInfo(player +
                               " no tiene bien el C\xF3"
                               "digo " +
                               BodyName(body),
                           "");
    sound = false;
  }
  return sound;
}

void INFIDE(registry::WorkingState& state, const std::string& page_name) {
  ui::ActiveOperation op("INFIDE");
  WriteReport(state, RatingBody::kFide, page_name);
}

void INFEDA(registry::WorkingState& state, const std::string& page_name) {
  ui::ActiveOperation op("INFEDA");
  WriteReport(state, RatingBody::kFeda, page_name);
}

}  // namespace movarel::federation
