#include "prizes/category_order.h"

#include <utility>

#include "prizes/prize_table.h"
#include "register/table_layouts.h"
#include "storage/files.h"
#include "storage/value.h"
#include "storage/workspace.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/run_time_error.h"
#include "ui/ui.h"

namespace movarel::prizes {
namespace {

constexpr char kCatsAlias[] = "cats";
constexpr char kCannot[] =
    "No se pueden ordenar las categor\xED"
    "as de los premios";

// The work files of one opening of the dialog; the destructor removes them whatever happens.
class WorkFiles {
 public:
  explicit WorkFiles(registry::WorkingState& state, const std::string& folder)
      : state_(state),
        unique_index_(folder + "tmp.ntx"),
        cats_(folder + "cats.dbf"),
        cats_index_(folder + "cats.ntx") {}
  ~WorkFiles() {
    state_.workspace.Close(kCatsAlias);
    for (const std::string* path : {&unique_index_, &cats_, &cats_index_}) {
      if (storage::FileExists(*path)) (void)storage::EraseFile(storage::ResolvePath(*path));
    }
  }
  WorkFiles(const WorkFiles&) = delete;
  WorkFiles& operator=(const WorkFiles&) = delete;

  const std::string& unique_index() const { return unique_index_; }
  const std::string& cats() const { return cats_; }
  const std::string& cats_index() const { return cats_index_; }

 private:
  registry::WorkingState& state_;
  std::string unique_index_, cats_, cats_index_;
};

// Step 1: one record per category code in "cats", the first prize of each (in record order)
// giving its ORDEN. The prize table is closed afterwards.
storage::Status CopyCategories(registry::WorkingState& state, const WorkFiles& files) {
  auto opened = ABRPREMIOS(state);
  if (!opened.ok()) return opened.status();
  storage::Table& premios = **opened;
  std::vector<std::pair<std::string, std::string>> categories;  // ORDEN, ID_CATEGOR
  storage::Status status = premios.CreateIndex(files.unique_index(), "premios->id_categor", /*unique=*/true);
  for (premios.GoTop(); status.ok() && !premios.Eof(); premios.Skip()) {
    categories.emplace_back(premios.GetText("ORDEN"), premios.GetText("ID_CATEGOR"));
  }
  state.workspace.Close(kPrizeAlias);
  if (status.ok()) status = storage::CreateTable(files.cats(), registry::CatsFields());
  if (!status.ok()) return status;
  auto cats = state.workspace.Use(files.cats(), kCatsAlias, /*shared=*/false);
  if (!cats.ok()) return cats.status();
  for (const auto& [orden, code] : categories) {
    status = (*cats)->Append();
    if (status.ok()) status = (*cats)->Put("ORDEN", orden);
    if (status.ok()) status = (*cats)->Put("ID_CATEGOR", code);
    if (!status.ok()) break;
  }
  if (status.ok()) status = (*cats)->Commit();
  state.workspace.Close(kCatsAlias);
  return status;
}

// Step 3: the codes in ORDEN order, as the list shows them.
storage::Result<std::vector<std::string>> ReadCategories(registry::WorkingState& state,
                                                         const WorkFiles& files) {
  auto cats = state.workspace.Use(files.cats(), kCatsAlias, /*shared=*/false);
  if (!cats.ok()) return cats.status();
  std::vector<std::string> items;
  storage::Status status = (*cats)->CreateIndex(files.cats_index(), "cats->orden");
  for ((*cats)->GoTop(); status.ok() && !(*cats)->Eof(); (*cats)->Skip()) {
    items.push_back((*cats)->GetText("ID_CATEGOR"));
  }
  state.workspace.Close(kCatsAlias);
  if (!status.ok()) return status;
  return items;
}

bool InRange(const std::vector<std::string>& list, int position) {
  return position >= 1 && static_cast<size_t>(position) <= list.size();
}

}  // namespace

int CATPRARRIBA(std::vector<std::string>& categories, int selected) {
  if (selected <= 1 || !InRange(categories, selected)) return selected;
  std::swap(categories[static_cast<size_t>(selected - 1)], categories[static_cast<size_t>(selected - 2)]);
  return selected - 1;
}

int CATPRABAJO(std::vector<std::string>& categories, int selected) {
  if (!InRange(categories, selected) || static_cast<size_t>(selected) >= categories.size()) return selected;
  std::swap(categories[static_cast<size_t>(selected - 1)], categories[static_cast<size_t>(selected)]);
  return selected + 1;
}

storage::Status FCATPRSOK(storage::Table& premios, const std::vector<std::string>& categories) {
  // ORDEN is part of both order keys: the records are visited by number so that a changed
  // key cannot move the walk.
  for (uint32_t recno = 1; recno <= premios.LastRec(); ++recno) {
    premios.GoTo(recno);
    if (premios.Deleted()) continue;
    const std::string code = premios.GetText("ID_CATEGOR");
    for (size_t i = 0; i < categories.size(); ++i) {
      if (storage::AllTrim(code) != storage::AllTrim(categories[i])) continue;
      if (storage::Status status = PONORDEN(premios, static_cast<int>(i) + 1); !status.ok()) return status;
    }
  }
  return premios.Commit();
}

void ORDENPREMIOS(registry::WorkingState& state, ui::Ui& ui) {
  ui::ActiveOperation op("ORDENPREMIOS");
  if (state.workspace.Find("cuadro") == nullptr) return;
  WorkFiles files(state, TournamentFolder(state));
  auto stop = [&](const storage::Status& status) {
    state.dialogs->MsgStop(std::string(kCannot) + "\r\n" + status.message());
    state.workspace.Select("cuadro");
  };
  if (storage::Status copied = CopyCategories(state, files); !copied.ok()) return stop(copied);
  auto read = ReadCategories(state, files);
  if (!read.ok()) return stop(read.status());
  std::vector<std::string> categories = std::move(*read);

  ui::Form frm(ui, "FrmCfgCatPrs", ui::FormKind::kModal);
  frm.Caption(
         "Ordenaci\xF3n de categor\xED"
         "as de premios")
      .Size(480, 320);
  // The small label font of the other ordering dialogs, so the caption fits its width.
  frm.AddLabel("lblDes")
      .At(5, 150)
      .Size(200, 20)
      .Caption("Orden de importancia de los premios")
      .Font("MS Sans Serif", 6);
  ui::Control& lbx = frm.AddListBox("lbxCatPrs")
                         .At(25, 170)
                         .Size(150, 200)
                         .Tooltip(
                             "Ordenar las categor\xED"
                             "as de premios mediante las flechas");
  frm.AddLabel("lbl1").At(25, 150).Size(20, 15).Caption("1\xBA");
  frm.AddLabel("lbl2").At(42, 150).Size(20, 15).Caption("2\xBA");
  frm.AddLabel("lbl3").At(59, 150).Size(20, 15).Caption("...");
  auto show = [&](int selected) {
    lbx.Items(categories).Value(static_cast<double>(InRange(categories, selected) ? selected : 0));
  };
  frm.AddPictureButton("btnSubir").At(100, 125).Size(40, 25).Picture("arriba").OnClick([&] {
    show(CATPRARRIBA(categories, lbx.index()));
  });
  frm.AddPictureButton("btnBajar").At(130, 125).Size(40, 25).Picture("abajo").OnClick([&] {
    show(CATPRABAJO(categories, lbx.index()));
  });
  frm.AddFrame("Frame1").At(frm.height() - 70, 0).Size(frm.width(), 1);
  frm.AddPictureButton("btnCatPrsGrabar")
      .At(frm.height() - 65, 5)
      .Size(30, 25)
      .Picture("grabar")
      .OnClick([&] {
        auto opened = ABRPREMIOS(state);
        storage::Status saved = opened.ok() ? FCATPRSOK(**opened, categories) : opened.status();
        state.workspace.Close(kPrizeAlias);
        if (!saved.ok()) {
          // A save that fails half-way must not look like one that worked.
          state.dialogs->MsgStop(
              "No se ha podido grabar el orden de las categor\xED"
              "as\r\n" +
              saved.message());
        }
        frm.Release();
      });
  frm.AddPictureButton("btnCatPrsOk")
      .At(frm.height() - 65, frm.width() - 40)
      .Size(30, 25)
      .Picture("salir")
      .OnClick([&] { frm.Release(); });
  show(1);
  frm.Center();
  frm.Activate();
  state.workspace.Select("cuadro");
}

}  // namespace movarel::prizes
