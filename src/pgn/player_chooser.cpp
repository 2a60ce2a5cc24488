#include "pgn/player_chooser.h"

#include <algorithm>

#include "register/program_identity.h"
#include "storage/value.h"
#include "ui/dos_text.h"
#include "ui/form.h"
#include "ui/ui.h"

namespace movarel::pgn {

std::vector<std::string> PlayerNames(registry::WorkingState& state) {
  std::vector<std::string> names;
  storage::Table* cuadro = state.workspace.Find("cuadro");
  if (cuadro == nullptr) return names;
  for (cuadro->GoTop(); !cuadro->Eof(); cuadro->Skip())
    names.emplace_back(storage::RTrim(cuadro->GetText("JUG")));
  std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
  });
  return names;
}

bool ChoosePlayer(registry::WorkingState& state, ui::Ui& ui) {
  const std::vector<std::string> names = PlayerNames(state);
  if (names.empty()) {
    state.dialogs->MsgStop("El torneo no tiene jugadores");
    return false;
  }
  std::string key = state.CCLAVE;
  if (storage::Table* torneos = state.workspace.Find("torneos"); torneos != nullptr && !torneos->Eof()) {
    key = std::string(storage::AllTrim(torneos->GetText("FICHERO")));
  }

  // The list shows the names as every window does (a DOS name in Windows-1252); the choice
  // keeps the stored bytes, by which the export finds the player.
  std::vector<std::string> shown;
  for (const std::string& name : names) shown.push_back(ui::NOHB_OEMTOANSI(name));

  ui::Form frm(ui, "FrmElegJug", ui::FormKind::kModal);
  frm.Caption(kProgramTitle).Size(250, 200).Icon("tq");
  frm.AddLabel("lblJug").At(10, 10).Size(60, 20).Caption("&Jugador");
  ui::Control& cbx = frm.AddComboBox("cbxJugs").At(10, 60).Size(150, 20).Items(shown).Value(1.0);
  frm.AddLabel("lblFichero").At(50, 10).Size(50, 20).Caption("&Fichero");
  ui::Control& txt = frm.AddTextBox("txtFichero").At(50, 60).Size(150, 20).Value("Zd" + key + "-jug.pgn");
  frm.AddPictureButton("btnOk")
      .At(frm.height() - 65, frm.width() - 50)
      .Size(30, 25)
      .Picture("ok")
      .OnClick([&] {
        // No item picked (an emptied selection) keeps the first name, as the list opened.
        const int index = cbx.index();
        state.CJUGSEL = names[index >= 1 && static_cast<size_t>(index) <= names.size() ? index - 1 : 0];
        state.CFICHTRAB = txt.text();
        frm.Release();
      });
  frm.Center();
  frm.Activate();
  return true;
}

}  // namespace movarel::pgn
