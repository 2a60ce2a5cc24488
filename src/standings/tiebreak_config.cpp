#include "standings/tiebreak_config.h"

#include <algorithm>
#include <utility>

#include "register/file_names.h"
#include "register/table_refusal.h"
#include "standings/tie_break_list.h"
#include "storage/value.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/run_time_error.h"
#include "ui/ui.h"

namespace movarel::standings {
namespace {

constexpr char kLabelFont[] = "MS Sans Serif";
constexpr int kLabelFontSize = 6;

bool InRange(const std::vector<std::string>& list, int position) {
  return position >= 1 && static_cast<size_t>(position) <= list.size();
}

bool Unused(std::string_view orden) {
  const std::string_view trimmed = storage::AllTrim(orden);
  return trimmed.empty() || trimmed == "99";
}

std::string TwoDigits(size_t position) {
  return std::string(1, static_cast<char>('0' + position / 10 % 10)) + static_cast<char>('0' + position % 10);
}

std::string FolderOf(const storage::Table& cuadro) {
  std::string folder = registry::FolderOfPath(cuadro.path());
  if (!folder.empty()) folder += '/';
  return folder;
}

}  // namespace

void DIVIDIRDESEMPATES(std::string_view ORDEN, std::string_view SISTEMA, TieBreakChoice& choice) {
  std::string name(storage::RTrim(SISTEMA));
  (Unused(ORDEN) ? choice.unused : choice.used).push_back(std::move(name));
}

int DSARRIBA(TieBreakChoice& choice, int selected) {
  if (selected <= 1 || !InRange(choice.used, selected)) return selected;
  std::swap(choice.used[static_cast<size_t>(selected - 1)], choice.used[static_cast<size_t>(selected - 2)]);
  return selected - 1;
}

int DSABAJO(TieBreakChoice& choice, int selected) {
  if (!InRange(choice.used, selected) || static_cast<size_t>(selected) >= choice.used.size()) return selected;
  std::swap(choice.used[static_cast<size_t>(selected - 1)], choice.used[static_cast<size_t>(selected)]);
  return selected + 1;
}

bool RoomForTieBreak(const TieBreakChoice& choice, int selected) {
  if (!InRange(choice.unused, selected)) return true;
  std::vector<std::string> used = choice.used;
  used.push_back(choice.unused[static_cast<size_t>(selected - 1)]);
  return StandingsKeyHolds(used);
}

bool DSANADIR(TieBreakChoice& choice, int selected) {
  if (!InRange(choice.unused, selected) || !RoomForTieBreak(choice, selected)) return false;
  const auto item = choice.unused.begin() + (selected - 1);
  choice.used.push_back(std::move(*item));
  choice.unused.erase(item);
  return true;
}

bool DSQUITAR(TieBreakChoice& choice, int selected) {
  if (!InRange(choice.used, selected)) return false;
  const auto item = choice.used.begin() + (selected - 1);
  choice.unused.push_back(std::move(*item));
  choice.used.erase(item);
  return true;
}

storage::Status ACTUALIZARDESEMPATES(storage::Table& desemps, const std::vector<std::string>& used) {
  const std::string stored = desemps.GetText("SISTEMA");  // the trimmed view below points into it
  const std::string_view sistema = storage::RTrim(stored);
  const auto found = std::find(used.begin(), used.end(), sistema);
  const std::string orden = found == used.end() ? "  " : TwoDigits(static_cast<size_t>(found - used.begin()) + 1);
  return desemps.Put("ORDEN", orden);
}

TieBreakChoice ReadTieBreakChoice(storage::Table& desemps) {
  TieBreakChoice choice;
  for (desemps.GoTop(); !desemps.Eof(); desemps.Skip()) {
    DIVIDIRDESEMPATES(desemps.GetText("ORDEN"), desemps.GetText("SISTEMA"), choice);
  }
  return choice;
}

storage::Status SaveTieBreakChoice(storage::Table& desemps, const std::vector<std::string>& used,
                                   const std::string& index_path) {
  storage::Status status = desemps.OrdListClear();
  for (desemps.GoTop(); status.ok() && !desemps.Eof(); desemps.Skip()) {
    status = ACTUALIZARDESEMPATES(desemps, used);
  }
  if (status.ok()) status = desemps.CreateIndex(index_path, "desemps->orden");
  if (status.ok()) status = desemps.Commit();
  return status;
}

void CFGDESEMPATES(registry::WorkingState& state, ui::Ui& ui) {
  ui::ActiveOperation op("CFGDESEMPATES");
  storage::Table* cuadro = state.workspace.Find("cuadro");
  if (cuadro == nullptr) return;
  const std::string folder = FolderOf(*cuadro);
  auto opened = OpenTieBreakTable(state, folder, registry::TemplatesFolder(state.CCARPINI), /*shared=*/false);
  if (!opened.ok()) {
    // Without its table the dialog could show nothing and save nowhere.
    state.dialogs->MsgStop(registry::TableRefusalText("No se pueden configurar los desempates",
                                            registry::TieBreakTableName(state.CCLAVE) + ".dbf", opened.status()));
    state.workspace.Select("cuadro");
    return;
  }
  storage::Table& desemps = **opened;
  const std::string index_path = folder + state.CFICHDS + ".ntx";
  TieBreakChoice choice = ReadTieBreakChoice(desemps);
  // Physical order from here on: saving walks the records as they lie in the file.
  (void)desemps.OrdListClear();

  ui::Form frm(ui, "FrmCfgDs", ui::FormKind::kModal);
  frm.Caption("Configuraci\xF3n de desempates").Size(480, 320);
  auto label = [&frm](const char* name, int row, int col, const char* text) -> ui::Control& {
    return frm.AddLabel(name).At(row, col).Caption(text).Font(kLabelFont, kLabelFontSize);
  };
  label("lblDes", 5, 50, "Desempates utilizados");
  label("lblDesNo", 5, 270, "Desempates no utilizados");
  ui::Control& lbxDs = frm.AddListBox("lbxDs")
                           .At(25, 50)
                           .Size(150, 200)
                           .Tooltip("Ordenar los desempates mediante las flechas");
  ui::Control& lbxDsNo = frm.AddListBox("lbxDsNo")
                             .At(25, 270)
                             .Size(150, 200)
                             .Tooltip("Desempates que no se tendr\xE1n en cuenta");
  label("lbl1", 25, 30, "1\xBA").Size(20, 15);
  label("lbl2", 42, 30, "2\xBA").Size(20, 15);
  label("lbl3", 59, 30, "...").Size(20, 15);

  auto show = [&](int used_selected, int unused_selected) {
    lbxDs.Items(choice.used).Value(static_cast<double>(InRange(choice.used, used_selected) ? used_selected : 0));
    lbxDsNo.Items(choice.unused)
        .Value(static_cast<double>(InRange(choice.unused, unused_selected) ? unused_selected : 0));
  };
  frm.AddPictureButton("btnSubir").At(100, 5).Size(40, 25).Picture("arriba").OnClick([&] {
    show(DSARRIBA(choice, lbxDs.index()), lbxDsNo.index());
  });
  frm.AddPictureButton("btnBajar").At(130, 5).Size(40, 25).Picture("abajo").OnClick([&] {
    show(DSABAJO(choice, lbxDs.index()), lbxDsNo.index());
  });
  frm.AddPictureButton("btnAnadirDs").At(100, 215).Size(40, 25).Picture("izda").OnClick([&] {
    if (!RoomForTieBreak(choice, lbxDsNo.index())) {
      state.dialogs->MsgStop("No caben m\xE1s desempates: la clasificaci\xF3n puede ordenar por " +
                                 std::to_string(choice.used.size()) + " como mucho",
                             "Configuraci\xF3n de desempates");
      return;
    }
    if (DSANADIR(choice, lbxDsNo.index())) show(lbxDs.index(), 0);
  });
  frm.AddPictureButton("btnQuitarDs").At(130, 215).Size(40, 25).Picture("dcha").OnClick([&] {
    if (DSQUITAR(choice, lbxDs.index())) show(0, lbxDsNo.index());
  });
  frm.AddFrame("Frame1").At(frm.height() - 80, 5).Size(460, 1);
  frm.AddPictureButton("btnDsGrabar").At(frm.height() - 65, 5).Size(30, 25).Picture("grabar").OnClick([&] {
    storage::Status saved = SaveTieBreakChoice(desemps, choice.used, index_path);
    if (!saved.ok()) {
      // A save that fails half-way must not look like one that worked.
      state.dialogs->MsgStop("No se han podido grabar los desempates\r\n" + saved.message());
    }
    frm.Release();
  });
  frm.AddPictureButton("btnDsOk").At(frm.height() - 65, frm.width() - 40).Size(30, 25).Picture("salir").OnClick([&] {
    frm.Release();
  });
  show(1, 0);
  frm.Center();
  frm.Activate();

  state.workspace.Close("desemps");
  state.workspace.Select("cuadro");
}

}  // namespace movarel::standings
