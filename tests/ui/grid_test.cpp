// A grid bound to a small round table: the rows it shows, and selection, double click,
// header click and in-place edits driven from a script.

#include <gtest/gtest.h>

#include <sstream>

#include "script_harness.h"
#include "storage/table.h"
#include "storage/value.h"
#include "storage/workspace.h"
#include "temp_folder.h"
#include "ui/grid_rows.h"

namespace movarel::ui {
namespace {

class GridOverRound : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = temp_ / "r1abc.dbf";
    ASSERT_TRUE(storage::CreateTable(path_, {{"JUG_B", 'N', 3, 0},
                                             {"JUG_N", 'N', 3, 0},
                                             {"RDO", 'C', 5, 0},
                                             {"BAJA", 'L', 1, 0},
                                             {"FECHA", 'D', 8, 0}})
                    .ok());
    auto table = workspace_.Use(path_, "ronda", false);
    ASSERT_TRUE(table.ok()) << table.status().message();
    struct Board {
      double white, black;
      const char* result;
      bool flag;
      storage::Date date;
    };
    for (const Board& b : {Board{1, 6, " 1-0 ", false, {2024, 3, 7}}, Board{7, 2, "     ", true, {}},
                           Board{3, 8, " 0-1 ", false, {}}, Board{9, 0, "     ", false, {}}}) {
      storage::Table& t = **table;
      ASSERT_TRUE(t.Append().ok());
      ASSERT_TRUE(t.Put("JUG_B", b.white).ok());
      ASSERT_TRUE(t.Put("JUG_N", b.black).ok());
      ASSERT_TRUE(t.Put("RDO", std::string(b.result)).ok());
      ASSERT_TRUE(t.Put("BAJA", b.flag).ok());
      ASSERT_TRUE(t.Put("FECHA", b.date).ok());
    }
    (*table)->GoTo(3);
    ASSERT_TRUE((*table)->Delete().ok());  // hidden from the grid
    (*table)->GoTo(2);
  }

  // brwPareo as the pairing editor defines it, plus a logical and a date column.
  Control& DefineGrid(Form& frm) {
    return frm.AddGrid("brwPareo")
        .At(5, 5)
        .Size(250, 350)
        .Alias("ronda")
        .Columns({GridColumn::Computed("Mesa", 50, [](storage::Table& t) { return storage::Str(t.RecNo(), 3); }),
                  GridColumn::Field("Blancas", 60, "JUG_B"), GridColumn::Field("Negras", 60, "JUG_N"),
                  GridColumn::Field("Resultado", 70, "rdo").Editable(),
                  GridColumn::Field("Baja", 40, "BAJA").Align(Alignment::kCenter).Pictures("br_no", "br_ok"),
                  GridColumn::Field("Fecha", 80, "FECHA")})
        .Value(1.0);
  }

  testing::TempFolder temp_;
  std::string path_;
  storage::Workspace workspace_;
};

TEST_F(GridOverRound, RowsShowLiveRecordsAsTextAndKeepTheTablePosition) {
  std::ostringstream out;
  std::vector<GridRow> rows;
  RunScriptText("", workspace_, [&](Ui& ui) {
    Form frm(ui, "Frm", FormKind::kMain);
    rows = ReadGridRows(DefineGrid(frm), ui.workspace());
  }, out);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].recno, 1u);
  EXPECT_EQ(rows[0].cells, (std::vector<std::string>{"  1", "1", "6", " 1-0", "br_no", "07-03-2024"}));
  EXPECT_EQ(rows[1].cells, (std::vector<std::string>{"  2", "7", "2", "", "br_ok", ""}));
  EXPECT_EQ(rows[2].recno, 4u) << "the deleted board 3 is hidden";
  EXPECT_EQ(rows[2].cells[2], "0");
  EXPECT_EQ(workspace_.Find("ronda")->RecNo(), 2u);
}

TEST_F(GridOverRound, DosTextShowsAsWindowsTextWhileTheTableKeepsItsBytes) {
  storage::Table& ronda = *workspace_.Find("ronda");
  ronda.GoTo(1);
  ASSERT_TRUE(ronda.Put("RDO", std::string("Mu\xF1oz")).ok());  // typed here
  ronda.GoTo(4);
  ASSERT_TRUE(ronda.Put("RDO", std::string("Mu\xA4oz")).ok());  // the DOS program's code page 850
  ASSERT_TRUE(ronda.Commit().ok());
  std::ostringstream out;
  std::vector<GridRow> rows;
  RunScriptText("", workspace_, [&](Ui& ui) {
    Form frm(ui, "Frm", FormKind::kMain);
    rows = ReadGridRows(DefineGrid(frm), ui.workspace());
  }, out);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].cells[3], "Mu\xF1oz");
  EXPECT_EQ(rows[2].cells[3], "Mu\xF1oz");
  ronda.GoTo(4);
  EXPECT_EQ(ronda.GetText("RDO"), "Mu\xA4oz");
}

TEST_F(GridOverRound, ScriptSelectsDoubleClicksSortsAndEditsInPlace) {
  uint32_t double_clicked = 0;
  int header = 0;
  std::ostringstream out;
  int status = RunScriptText(
      "menu mnuVer\n"
      "set brwPareo 4\n"
      "dblclick brwPareo\n"
      "header brwPareo Negras\n"
      "edit brwPareo 2 RDO \" 0-1 \"\n"
      "edit brwPareo 4 Resultado \" 1-0i\"\n"
      "click btnOk\n",
      workspace_, [&](Ui& ui) {
        Form main(ui, "Frm", FormKind::kMain);
        main.AddPopup("&Torneo").AddItem("Ver", "mnuVer", [&] {
          Form frm(ui, "FrmEE", FormKind::kModal);
          frm.Caption("Emparejamiento de la ronda 1");
          Control& grid = DefineGrid(frm);
          grid.OnDoubleClick([&] { double_clicked = grid.recno(); }).OnHeaderClick([&](int column) { header = column; });
          frm.AddPictureButton("btnOk").OnClick([&] { frm.Release(); });
          frm.Activate();
        });
        main.Activate();
      }, out);
  EXPECT_EQ(status, 0) << out.str();
  EXPECT_EQ(double_clicked, 4u);
  EXPECT_EQ(header, 3);
  storage::Table* ronda = workspace_.Find("ronda");
  ronda->GoTo(2);
  EXPECT_EQ(ronda->GetText("RDO"), " 0-1 ");
  ronda->GoTo(4);
  EXPECT_EQ(ronda->GetText("RDO"), " 1-0i");
}

TEST_F(GridOverRound, EditOfAReadOnlyColumnIsAScriptError) {
  std::ostringstream out;
  int status = RunScriptText("menu mnuVer\nedit brwPareo 2 JUG_B 5\n", workspace_, [&](Ui& ui) {
    Form main(ui, "Frm", FormKind::kMain);
    main.AddPopup("&Torneo").AddItem("Ver", "mnuVer", [&] {
      Form frm(ui, "FrmEE", FormKind::kModal);
      DefineGrid(frm);
      frm.Activate();
    });
    main.Activate();
  }, out);
  EXPECT_EQ(status, 2);
  workspace_.Find("ronda")->GoTo(2);
  EXPECT_EQ(workspace_.Find("ronda")->GetNumber("JUG_B"), 7);
}

TEST_F(GridOverRound, EditHookReplacesTheDefaultWrite) {
  std::string seen;
  std::ostringstream out;
  int status = RunScriptText("menu mnuVer\nedit brwPareo 1 RDO \" 0-1 \"\nclick btnOk\n", workspace_, [&](Ui& ui) {
    Form main(ui, "Frm", FormKind::kMain);
    main.AddPopup("&Torneo").AddItem("Ver", "mnuVer", [&] {
      Form frm(ui, "FrmEE", FormKind::kModal);
      DefineGrid(frm).OnEdit([&](uint32_t recno, int column, const std::string& text) {
        seen = std::to_string(recno) + "/" + std::to_string(column) + "/" + text;
      });
      frm.AddButton("btnOk").OnClick([&] { frm.Release(); });
      frm.Activate();
    });
    main.Activate();
  }, out);
  EXPECT_EQ(status, 0) << out.str();
  EXPECT_EQ(seen, "1/4/ 0-1 ");
  workspace_.Find("ronda")->GoTo(1);
  EXPECT_EQ(workspace_.Find("ronda")->GetText("RDO"), " 1-0 ") << "the hook decides what is written";
}

}  // namespace
}  // namespace movarel::ui
