#include "rounds/round_chooser.h"

#include <algorithm>
#include <string>
#include <vector>

#include "register/file_names.h"
#include "register/table_layouts.h"
#include "storage/value.h"
#include "ui/form.h"
#include "ui/ui.h"

namespace movarel::rounds {

int ChoosableRounds(registry::WorkingState& state) {
  storage::Table* torneos = state.workspace.Find("torneos");
  if (torneos == nullptr || torneos->Eof()) return 0;
  // The player table holds the per-round fields of 15 rounds only; a register that claims
  // more (typed into the DOS program's files) must not lead to fields that do not exist.
  const int rounds = static_cast<int>(torneos->GetNumber("N_RONDAS"));
  return std::clamp(rounds, 0, registry::kMaxRounds);
}

int PreselectedRound(registry::WorkingState& state, int rounds) {
  storage::Table* torneos = state.workspace.Find("torneos");
  const int current = torneos == nullptr ? 0 : static_cast<int>(torneos->GetNumber("N_R_ACTUAL"));
  return std::clamp(current, 1, std::max(rounds, 1));
}

std::string PgnFileName(registry::WorkingState& state, int round) {
  storage::Table* torneos = state.workspace.Find("torneos");
  const std::string key =
      torneos == nullptr ? "" : std::string(storage::AllTrim(torneos->GetText("FICHERO")));
  return "Zd" + key + "-r" + std::to_string(round) + ".pgn";
}

std::optional<RoundChoice> ChooseRound(registry::WorkingState& state, ui::Ui& ui, RoundChooserVariant variant,
                                       const std::function<void(const RoundChoice&)>& on_ok) {
  const int rounds = ChoosableRounds(state);
  if (rounds < 1) {
    state.dialogs->MsgStop("El torneo no tiene rondas");
    return std::nullopt;
  }
  const int preselected = PreselectedRound(state, rounds);
  std::vector<std::string> items;
  for (int n = 1; n <= rounds; ++n) items.push_back(std::to_string(n));

  const bool file_box = variant != RoundChooserVariant::kRoundOnly;
  const int round_row = file_box ? 10 : 40;

  ui::Form frm(ui, "FrmElegRda", ui::FormKind::kModal);
  frm.Caption("Elegir ronda").Size(200, 200).Icon("tq");
  frm.AddLabel("lblRonda").At(round_row, 10).Size(60, 20).Caption("&Ronda").Font("MS Sans Serif", 6);
  ui::Control& cbx = frm.AddComboBox("cbxRdas")
                         .At(round_row, 60)
                         .Size(100, 20)
                         .Items(items)
                         .Value(static_cast<double>(preselected));
  ui::Control& lbl_file =
      frm.AddLabel("lblFichero").At(50, 10).Size(50, 20).Caption("&Fichero").Font("MS Sans Serif", 6);
  const std::string initial_file =
      variant == RoundChooserVariant::kPairingList ? "zendral" : PgnFileName(state, preselected);
  ui::Control& txt = frm.AddTextBox("txtFichero").At(50, 60).Size(120, 20).Value(initial_file);
  if (!file_box) {
    lbl_file.Visible(false);
    txt.Visible(false);
  }
  ui::Control* chk = nullptr;
  if (variant == RoundChooserVariant::kPairingList) {
    chk = &frm.AddCheckBox("chkRdos").At(90, 10).Size(120, 20).Caption("R&esultados").Value(true);
  }

  // An item index outside the list (none picked) never becomes round 0 or a round past the
  // end: it falls back to the round first shown.
  auto picked_round = [&] {
    const int index = cbx.index();
    return index >= 1 && index <= rounds ? index : preselected;
  };
  if (variant == RoundChooserVariant::kPgnFile) {
    cbx.OnChange([&] { txt.Value(PgnFileName(state, picked_round())); });
  }

  RoundChoice choice;
  frm.AddFrame("Frame1").At(frm.height() - 70, 10).Size(frm.width() - 20, 1);
  frm.AddPictureButton("btnOk")
      .At(frm.height() - 65, frm.width() - 40)
      .Size(30, 25)
      .Picture("ok")
      .OnClick([&] {
        choice.round = picked_round();
        if (file_box) choice.file = txt.text();
        if (chk != nullptr) choice.with_results = chk->checked();
        if (on_ok) on_ok(choice);
        frm.Release();
      });
  frm.Center();
  frm.Activate();

  if (variant != RoundChooserVariant::kPairingList) {
    state.NRONDASEL = choice.round;
    if (variant == RoundChooserVariant::kPgnFile) state.CFICHTRAB = choice.file;
  }
  return choice;
}

}  // namespace movarel::rounds
