#include "reports/result_slips.h"

#include "register/file_names.h"
#include "register/tournament_opening.h"
#include "rounds/round_chooser.h"
#include "storage/table.h"
#include "storage/value.h"
#include "ui/dos_text.h"
#include "ui/pdf/print_target.h"
#include "ui/run_time_error.h"
#include "ui/ui.h"

namespace movarel::reports {

namespace {

constexpr int kSlipsPerPage = 4;
constexpr double kSlipPitchMm = 65;  // slips of a page start at rows 25, 90, 155 and 220

// The player line of a slip. A bye's black player is record 0: past the end of the table,
// whose blank record gives number 0 and a blank name, as the DOS program printed it.
std::string PlayerText(storage::Table& cuadro, double number) {
  cuadro.GoTo(number > 0 ? static_cast<uint32_t>(number) : 0);
  return "(" + storage::Str(cuadro.GetNumber("NUM"), 3) + ") " + ui::NOHB_OEMTOANSI(cuadro.GetText("JUG"));
}

}  // namespace

std::string SlipDateText(const storage::Date& start, const storage::Date& end) {
  if (start == end) return storage::Dtoc(start);
  return "del " + storage::Dtoc(start) + " al " + storage::Dtoc(end);
}

ResultSlipRound ReadResultSlips(registry::WorkingState& state, int round) {
  ResultSlipRound slips;
  slips.round = round;
  if (storage::Table* torneos = state.workspace.Find("torneos")) {
    slips.tournament = ui::NOHB_OEMTOANSI(storage::AllTrim(torneos->GetText("TORNEO")));
    slips.place_and_dates = ui::NOHB_OEMTOANSI(storage::RTrim(torneos->GetText("LOCALIDAD"))) + ", " +
                            SlipDateText(torneos->GetDate("FECHA_INI"), torneos->GetDate("FECHA_FIN"));
  }
  storage::Table* ronda = state.workspace.Find("ronda");
  storage::Table* cuadro = state.workspace.Find("cuadro");
  if (ronda == nullptr || cuadro == nullptr) return slips;
  const uint32_t cuadro_at = cuadro->RecNo();
  for (ronda->GoTop(); !ronda->Eof(); ronda->Skip()) {
    const double white = ronda->GetNumber("JUG_B");
    if (white == 0) continue;  // an unused board gets no slip
    ResultSlip slip;
    slip.board = static_cast<int>(ronda->RecNo());
    slip.white = PlayerText(*cuadro, white);
    slip.black = PlayerText(*cuadro, ronda->GetNumber("JUG_N"));
    slips.slips.push_back(std::move(slip));
  }
  cuadro->GoTo(cuadro_at);
  return slips;
}

void DefineSlipFonts(ui::PrintPage& page) {
  page.DefineFont("FontTit", {"Arial", 20, true});
  page.DefineFont("FontTit2", {"Arial", 14, false});
  page.DefineFont("FontText1", {"Times New Roman", 12, false});
  page.DefineFont("FontTextRes1", {"Arial", 14, true});
}

void PROCPAPRDOS(ui::PrintPage& page, const ResultSlipRound& round, const ResultSlip& slip, int k) {
  const double y = kSlipPitchMm * k;
  page.Rectangle(y + 25, 15, y + 70, 195);
  // A text's row is the top of its font's ascent: the 20-point title needs some 8 mm with its
  // descenders and the 14-point subtitle some 5.5 mm, so the DOS-era rows (30, 36, rule at
  // 41) ran the title into the subtitle and the subtitle's descenders onto the rule.
  page.Text(y + 26.5, 20, round.tournament, "FontTit");
  page.Text(y + 34.5, 20, round.place_and_dates, "FontTit2");
  page.Line(y + 42, 20, y + 42, 190);
  page.Text(y + 49, 20, "Ronda:", "FontText1");
  page.Rectangle(y + 46, 35, y + 56, 50);
  page.Text(y + 49, 40, storage::Str(round.round, 2), "FontTextRes1");
  page.Text(y + 59, 20, "Mesa:", "FontText1");
  page.Rectangle(y + 56, 35, y + 66, 50);
  page.Text(y + 59, 38, storage::Str(slip.board, 3), "FontTextRes1");
  page.Text(y + 49, 55, "Blancas:", "FontText1");
  page.Text(y + 49, 70, slip.white, "FontTextRes1");
  page.Text(y + 59, 55, "Negras:", "FontText1");
  page.Text(y + 59, 70, slip.black, "FontTextRes1");
  page.Text(y + 48, 165, "Resultado:", "FontText1");
  page.Rectangle(y + 53, 165, y + 63, 190);
}

void DrawResultSlips(ui::PrintPage& page, const ResultSlipRound& round) {
  DefineSlipFonts(page);
  page.StartPage();
  int k = 0;  // the slip's place on its page
  for (const ResultSlip& slip : round.slips) {
    // The next page starts only when a slip is left for it, so that a round filling its
    // last page exactly prints no blank page after it.
    if (k == kSlipsPerPage) {
      page.EndPage();
      page.StartPage();
      k = 0;
    }
    PROCPAPRDOS(page, round, slip, k);
    ++k;
  }
  page.EndPage();
}

void LISPAPRDOS(registry::WorkingState& state, ui::Ui& ui) {
  ui::ActiveOperation op("LISPAPRDOS");
  if (!rounds::ChooseRound(state, ui, rounds::RoundChooserVariant::kRoundOnly)) return;
  const int round = state.NRONDASEL;
  const std::string round_file = registry::RoundTableName(round, state.CCLAVE);
  auto opened = state.workspace.Use(round_file, "ronda", /*shared=*/true, /*read_only=*/true);
  if (!opened.ok()) {
    state.workspace.Select("cuadro");
    state.dialogs->MsgStop(registry::OpenRefusalText(round_file, opened.status()), "");
    return;
  }
  const ResultSlipRound slips = ReadResultSlips(state, round);
  state.workspace.Close("ronda");
  state.workspace.Select("cuadro");

  const std::string target = ui.backend().ChoosePrintTarget("Papeletas de recogida de resultados");
  if (target.empty()) {
    state.dialogs->MsgStop("\xA1Impresi\xF3n cancelada!", "");
    return;
  }
  const storage::Status printed =
      ui::PrintToTarget(ui.backend(), target, "Papeletas de la ronda " + std::to_string(round),
                        [&slips](ui::PrintPage& page) { DrawResultSlips(page, slips); });
  if (!printed.ok()) {
    state.dialogs->MsgStop("No se han podido imprimir las papeletas: " + printed.message(), "");
  }
}

}  // namespace movarel::reports
