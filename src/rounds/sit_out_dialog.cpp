#include "rounds/sit_out_dialog.h"

#include "register/file_names.h"
#include "register/table_layouts.h"
#include "storage/value.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/ui.h"

namespace movarel::rounds {
namespace {

std::string NumberList(const std::set<int>& numbers) {
  std::string text;
  for (int n : numbers) text += (text.empty() ? "" : ", ") + std::to_string(n);
  return text;
}

bool IsSeparator(char c) { return c == ',' || c == ';' || c == ' ' || c == '\t'; }

}  // namespace

storage::Result<std::set<int>> ParsePlayerNumbers(const std::string& text, int players) {
  std::set<int> numbers;
  for (size_t at = 0; at < text.size();) {
    if (IsSeparator(text[at])) {
      ++at;
      continue;
    }
    size_t end = at;
    while (end < text.size() && !IsSeparator(text[end])) ++end;
    const std::string word = text.substr(at, end - at);
    at = end;
    if (word.size() > 4 || word.find_first_not_of("0123456789") != std::string::npos) {
      return storage::Status::InvalidArgument("\xAB" + word + "\xBB no es un n\xFAmero de jugador");
    }
    const int number = std::stoi(word);
    if (number < 1 || number > players) {
      return storage::Status::InvalidArgument("No hay jugador n\xBA " + word + ": el torneo tiene " +
                                              std::to_string(players));
    }
    numbers.insert(number);
  }
  return numbers;
}

SitOuts RecordedSitOuts(registry::WorkingState& state, int round) {
  SitOuts recorded;
  storage::Table* cuadro = state.workspace.Find("cuadro");
  if (cuadro == nullptr) return recorded;
  const std::string j = registry::RoundFieldName(round, 'J');
  const std::string c = registry::RoundFieldName(round, 'C');
  const std::string p = registry::RoundFieldName(round, 'P');
  for (cuadro->GoTop(); !cuadro->Eof(); cuadro->Skip()) {
    if (cuadro->GetNumber(j) != 0 || !storage::AllTrim(cuadro->GetText(c)).empty()) continue;
    const std::string points(storage::AllTrim(cuadro->GetText(p)));
    const int number = static_cast<int>(cuadro->RecNo());
    if (points == "0") recorded.absent.insert(number);
    if (points.size() == 1 && registry::IsHalfPointByte(points[0])) recorded.half_bye.insert(number);
  }
  return recorded;
}

std::optional<SitOuts> AskSitOuts(registry::WorkingState& state, ui::Ui& ui, int round, int players,
                                  const SitOuts& preset) {
  std::optional<SitOuts> chosen;
  ui::Form frm(ui, "FrmDescansos", ui::FormKind::kModal);
  frm.Caption("Emparejamiento autom\xE1tico de la ronda " + std::to_string(round)).Size(440, 200).Icon("tq");
  frm.AddLabel("lblExplica")
      .At(10, 10)
      .Size(420, 20)
      .Caption("N\xFAmeros separados por comas; los retirados nunca se emparejan");
  frm.AddLabel("lblAusentes").At(50, 10).Size(150, 20).Caption("Ausentes (0 puntos)");
  ui::Control& absent =
      frm.AddTextBox("txtAusentes").At(50, 170).Size(250, 20).Value(NumberList(preset.absent));
  frm.AddLabel("lblMedioPunto").At(80, 10).Size(150, 20).Caption("Descanso pedido (\xBD punto)");
  ui::Control& half =
      frm.AddTextBox("txtMedioPunto").At(80, 170).Size(250, 20).Value(NumberList(preset.half_bye));
  frm.AddFrame("Frame1").At(frm.height() - 70, 10).Size(frm.width() - 20, 1);
  frm.AddPictureButton("btnOk")
      .At(frm.height() - 65, frm.width() - 40)
      .Size(30, 25)
      .Picture("ok")
      .Tooltip("Emparejar")
      .OnClick([&] {
        const std::string title = "Emparejamiento de la ronda " + std::to_string(round);
        storage::Result<std::set<int>> absent_numbers = ParsePlayerNumbers(absent.text(), players);
        if (!absent_numbers.ok()) {
          state.dialogs->MsgStop("Ausentes: " + absent_numbers.status().message(), title);
          return;
        }
        storage::Result<std::set<int>> half_numbers = ParsePlayerNumbers(half.text(), players);
        if (!half_numbers.ok()) {
          state.dialogs->MsgStop("Descanso pedido: " + half_numbers.status().message(), title);
          return;
        }
        for (int n : *absent_numbers) {
          if (half_numbers->count(n) != 0) {
            state.dialogs->MsgStop("El jugador n\xBA " + std::to_string(n) + " est\xE1 en las dos listas",
                                   title);
            return;
          }
        }
        chosen = SitOuts{std::move(*absent_numbers), std::move(*half_numbers)};
        frm.Release();
      });
  frm.AddPictureButton("btnCancel")
      .At(frm.height() - 65, frm.width() - 80)
      .Size(30, 25)
      .Picture("salir")
      .Tooltip("Volver sin emparejar")
      .OnClick([&] { frm.Release(); });
  frm.Center();
  frm.Activate();
  return chosen;
}

}  // namespace movarel::rounds
