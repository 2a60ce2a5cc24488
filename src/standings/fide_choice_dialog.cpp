#include "standings/fide_choice_dialog.h"

#include <string>

#include "standings/fide_choice.h"
#include "storage/files.h"
#include "storage/value.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/run_time_error.h"
#include "ui/ui.h"

namespace movarel::standings {

namespace {

constexpr int kClassical = 1;
constexpr int kFide = 2;

std::string CodesText(tiebreaks::RuleSet rules) {
  std::string text = "C\xF3" "digos:";
  for (tiebreaks::Code code : tiebreaks::AllCodes()) {
    const std::string name(tiebreaks::CodeName(code));
    // The codes the rules in force do not have are not offered.
    if (!tiebreaks::ParseList(name, rules).error.empty()) continue;
    text += " " + name;
  }
  return text + ". Modificadores: /C1 /C2 (corte), /M1 /M2 (mediana), /P (incomparecencias como partidas), "
                "/L+n /L-n (Koya), /R.";
}

}  // namespace

void CFGDESEMPATESFIDE(registry::WorkingState& state, ui::Ui& ui) {
  ui::ActiveOperation op("CFGDESEMPATESFIDE");
  if (state.workspace.Find("cuadro") == nullptr) return;
  const OpenTournamentChoice located = LocateFideChoice(state);
  storage::Result<std::optional<FideChoice>> stored = ReadFideChoice(located.path, located.rules);
  // A file that no longer reads (edited by hand, or written under other rules) is shown as
  // it stands so that the user can mend it.
  std::string list_text;
  bool fide = false;
  if (stored.ok()) {
    fide = stored->has_value();
    if (fide) list_text = tiebreaks::ListText((*stored)->list);
  } else {
    state.dialogs->MsgExclamation(stored.status().message());
    if (storage::Result<std::string> raw = storage::ReadWholeFile(storage::ResolvePath(located.path)); raw.ok()) {
      list_text = std::string(storage::RTrim(*raw));
      while (!list_text.empty() && (list_text.back() == '\n' || list_text.back() == '\r')) list_text.pop_back();
      fide = true;
    }
  }

  ui::Form frm(ui, "FrmCfgDsFide", ui::FormKind::kModal);
  frm.Caption("Desempates FIDE de este torneo").Size(520, 300);
  const std::string start = located.start.empty() ? std::string("sin fecha de inicio")
                                                  : "iniciado el " + storage::Dtoc(located.start);
  frm.AddLabel("lblNormas").At(5, 10).Size(500, 15).Caption("Normas FIDE de desempate de " + RulesName(located.rules) +
                                                           " (torneo " + start + ")");
  ui::Control& rdgSistema = frm.AddRadioGroup("rdgSistema")
                                .At(25, 10)
                                .Size(300, 45)
                                .Items({"Sistemas cl\xE1sicos (Desempates de este torneo)", "Desempates FIDE"})
                                .Value(static_cast<double>(fide ? kFide : kClassical));
  frm.AddLabel("lblLista").At(80, 10).Size(500, 15).Caption("Desempates FIDE en orden, separados por comas (por ejemplo DE,BH/C1,BH,SB):");
  ui::Control& txtDsFide = frm.AddTextBox("txtDsFide").At(98, 10).Size(500, 20).Value(list_text);
  frm.AddLabel("lblCodigos").At(125, 10).Size(500, 60).Caption(CodesText(located.rules));
  auto enable = [&] { txtDsFide.Enabled(rdgSistema.index() == kFide); };
  rdgSistema.OnChange(enable);
  enable();
  frm.AddFrame("Frame1").At(frm.height() - 80, 5).Size(frm.width() - 20, 1);
  frm.AddPictureButton("btnDsFideGrabar").At(frm.height() - 65, 5).Size(30, 25).Picture("grabar").OnClick([&] {
    std::vector<tiebreaks::TieBreak> list;
    if (rdgSistema.index() == kFide) {
      tiebreaks::ParsedList parsed = tiebreaks::ParseList(txtDsFide.text(), located.rules);
      if (parsed.error.empty() && parsed.list.empty()) parsed.error = "No ha indicado ning\xFAn desempate FIDE";
      if (!parsed.error.empty()) {
        state.dialogs->MsgStop(parsed.error);
        return;
      }
      list = std::move(parsed.list);
    }
    if (storage::Status saved = WriteFideChoice(located.path, list); !saved.ok()) {
      state.dialogs->MsgStop("No se han podido grabar los desempates FIDE\r\n" + saved.message());
      return;
    }
    frm.Release();
  });
  frm.AddPictureButton("btnDsFideSalir").At(frm.height() - 65, frm.width() - 40).Size(30, 25).Picture("salir").OnClick([&] {
    frm.Release();
  });
  frm.Center();
  frm.Activate();
}

}  // namespace movarel::standings
