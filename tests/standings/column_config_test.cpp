// The standings column switches: the dialog "FrmCfgLC" driven by a script inside this
// process over the folder's "cclas" (the templates' copy, as creating a tournament leaves it),
// each double click written at once; read back with python3-dbf.

#include "standings/column_config.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "../register/test_support.h"
#include "storage/files.h"
#include "tournament_folder.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/script/run_script.h"
#include "ui/ui.h"
#include "support/one_item_menu.h"

namespace movarel::standings {
namespace {

using testing::TournamentFolder;

// Runs inside the tournament folder, as an open tournament does: "cclas" is found by name.
class ColumnConfig : public ::testing::Test {
 protected:
  ColumnConfig() : t_({}) {}
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(t_.Path(""));
  }
  void TearDown() override { std::filesystem::current_path(previous_); }

  void CopyColumnTable() {
    ASSERT_TRUE(storage::CopyFile(registry::TemplatesFolder(t_.state.CCARPINI) + "cclas.dbf", t_.Path("cclas.dbf")).ok());
  }
  std::string Run(const std::string& script, int* status) {
    const auto run = movarel::testing::RunOverOneItemMenu(
        t_.state, {"&Configurar", "&Listados de la clasificaci\xF3n y del cuadro", "mnuCfgLisClas"},
        [&](ui::Ui& ui) { CFGLISCLAS(t_.state, ui); }, script);
    *status = run.status;
    return run.transcript;
  }
  // SN of the 16 records, "T"/"F", as python3-dbf reads them.
  std::string Switches() {
    const auto tables = registry::testing::DumpTables({t_.Path("cclas.dbf")});
    std::string sn;
    if (tables.count("cclas.dbf") == 0) return sn;
    for (const auto& r : tables.at("cclas.dbf").records) sn += r.at(0);
    return sn;
  }

  TournamentFolder t_;
  std::filesystem::path previous_;
};

// The template's switches: records 9, 10, 14 and 15 off.
constexpr char kTemplateSwitches[] = "TTTTTTTTFFTTTFFT";
constexpr char kShown[] = "TITLE|Movarel v3.0-beta3\nFORM|FrmCfgLC|Configuración de la clasificación\nRELEASE|FrmCfgLC\n";

TEST_F(ColumnConfig, DoubleClickSwitchesARowAndASecondOneSwitchesItBack) {
  CopyColumnTable();
  ASSERT_EQ(Switches(), kTemplateSwitches);
  int status = -1;
  std::string transcript = Run(
      "menu mnuCfgLisClas\nform FrmCfgLC\nset brwCClas 7\ndblclick brwCClas\nset brwCClas 9\ndblclick brwCClas\n"
      "set brwCClas 16\ndblclick brwCClas\ndblclick brwCClas\nclick btnCCSalir\nquit\n",
      &status);
  ASSERT_EQ(status, 0) << transcript;
  EXPECT_EQ(transcript, kShown);
  EXPECT_EQ(Switches(), "TTTTTTFTTFTTTFFT");
  EXPECT_EQ(t_.state.workspace.Find("cclas"), nullptr);
}

TEST_F(ColumnConfig, AllPerRoundColumnsCanBeSwitchedOff) {
  CopyColumnTable();
  std::string script = "menu mnuCfgLisClas\n";
  for (int recno : {6, 7, 8}) script += "set brwCClas " + std::to_string(recno) + "\ndblclick brwCClas\n";
  script += "click btnCCSalir\nquit\n";
  int status = -1;
  const std::string transcript = Run(script, &status);
  ASSERT_EQ(status, 0) << transcript;
  EXPECT_EQ(Switches().substr(5, 5), "FFFFF");
}

TEST(CambiarDatoClas, ARecordNumberOutsideTheTableChangesNothing) {
  TournamentFolder t({});
  ASSERT_TRUE(storage::CopyFile(registry::TemplatesFolder(t.state.CCARPINI) + "cclas.dbf", t.Path("cclas.dbf")).ok());
  auto opened = t.state.workspace.Use(t.Path("cclas.dbf"), "cclas", false);
  ASSERT_TRUE(opened.ok());
  EXPECT_TRUE(CAMBIARDATOCLAS(**opened, 0).ok());
  EXPECT_TRUE(CAMBIARDATOCLAS(**opened, 17).ok());
  std::string sn;
  for ((*opened)->GoTop(); !(*opened)->Eof(); (*opened)->Skip()) sn += (*opened)->GetLogical("SN") ? 'T' : 'F';
  EXPECT_EQ(sn, kTemplateSwitches);
}

TEST_F(ColumnConfig, AFolderWithoutTheTableGetsAStopBoxAndNoDialog) {
  int status = -1;
  const std::string transcript = Run("menu mnuCfgLisClas\nquit\n", &status);
  ASSERT_EQ(status, 0) << transcript;
  EXPECT_EQ(transcript,
            "TITLE|Movarel v3.0-beta3\nSTOP||No se puede configurar la clasificación\\nNo existe el fichero cclas.dbf\n");
}

}  // namespace
}  // namespace movarel::standings
