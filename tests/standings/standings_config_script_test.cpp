// The tie-break and standings column configuration through the real program, driven by
// scripts as a user would: a tournament created from the menu, its tie-breaks reordered and
// saved, the folder's column switches flipped, and a tie-break table held by another
// program. Every table is read back with python3-dbf. Each session runs headless and through
// the real windows.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "storage/workspace.h"
#include "support/headless_and_windowed.h"

namespace movarel::standings {
namespace {

using movarel::testing::ProgramSession;
using movarel::testing::ReadTable;

constexpr char kTitle[] = "TITLE|Movarel v3.0-beta3\n";

std::string TitleOf(const std::string& name) {
  return "TITLE|Movarel v3.0-beta3 - " + name + std::string(40 - name.size(), ' ') + "\n";
}

std::string CreateLines(const std::string& folder) {
  return "menu mnuTorNuevo\nfolder " + folder +
         "\nform FrmET\nset txtFICHERO AB\nset txtTORNEO Open de prueba\nset fecFECHA_INI 10-05-2024\n"
         "set fecFECHA_FIN 12-05-2024\nset txtN_JUGS 6\nset txtN_RONDAS 5\nclick btnOk\n";
}

std::string CreatedTranscript(const std::string& folder) {
  return "FOLDER|Crear torneo nuevo en...|" + folder + "\nFORM|FrmET|" + folder + "\nRELEASE|FrmET\n" +
         TitleOf("Open de prueba");
}

// "ORDEN|SISTEMA" of the systems in use, by position.
std::vector<std::string> InUse(const std::string& path) {
  std::vector<std::string> used;
  for (const std::string& record : ReadTable(path, "ORDEN SISTEMA")) {
    if (!record.starts_with("|") && !record.starts_with("99|")) used.push_back(record);
  }
  std::sort(used.begin(), used.end());
  return used;
}

class StandingsConfigScript : public movarel::testing::HeadlessAndWindowed {
 protected:
  StandingsConfigScript() : HeadlessAndWindowed("movarel-standings") {}
  ProgramSession::Run Run(const std::string& script) { return session_.Script(script, windowed()); }
};

TEST_P(StandingsConfigScript, TieBreaksReorderedAndColumnsSwitchedFromTheMenu) {
  const std::string t = session_.Folder("t");
  const ProgramSession::Run run = Run(
      CreateLines(t) +
      // Template order BUC_R, BUC_T, SONEN. BUC_R out; N_VIC in (unused item 13: ACUM,
      // ACU_1..ACU_9, BUC_B, ELO_M come first, BUC_R after it); SONEN down below N_VIC.
      "menu mnuCfgDs\nform FrmCfgDs\nset lbxDs 1\nclick btnQuitarDs\nset lbxDsNo 13\nclick btnAnadirDs\n"
      "set lbxDs 2\nclick btnBajar\nclick btnDsGrabar\n"
      // Leaving with "salir" keeps nothing of what was moved.
      "menu mnuCfgDs\nform FrmCfgDs\nset lbxDs 1\nclick btnQuitarDs\nclick btnDsOk\n"
      "menu mnuCfgLisClas\nform FrmCfgLC\nset brwCClas 3\ndblclick brwCClas\nset brwCClas 14\ndblclick brwCClas\n"
      "click btnCCSalir\nquit\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_EQ(run.transcript, kTitle + CreatedTranscript(t) +
                                "FORM|FrmCfgDs|Configuración de desempates\nRELEASE|FrmCfgDs\n"
                                "FORM|FrmCfgDs|Configuración de desempates\nRELEASE|FrmCfgDs\n"
                                "FORM|FrmCfgLC|Configuración de la clasificación\nRELEASE|FrmCfgLC\n");
  EXPECT_EQ(InUse(t + "/dsAB.dbf"), (std::vector<std::string>{"01|BUC_T", "02|N_VIC", "03|SONEN"}));
  std::string sn;
  for (const std::string& record : ReadTable(t + "/cclas.dbf", "SN")) sn += record;
  EXPECT_EQ(sn, "TTFTTTTTFFTTTTFT");
}

TEST_P(StandingsConfigScript, ATieBreakTableHeldByAnotherProgramIsNamedAndLeftAsItWas) {
  const std::string t = session_.Folder("t");
  ASSERT_EQ(Run(CreateLines(t) + "menu mnuCfgDs\nform FrmCfgDs\nclick btnDsOk\nquit\n").status, 0);
  ASSERT_EQ(InUse(t + "/dsAB.dbf"), (std::vector<std::string>{"01|BUC_R", "02|BUC_T", "03|SONEN"}));
  // This test process is the other program.
  storage::Workspace other;
  ASSERT_TRUE(other.Use(t + "/dsAB.dbf", "retenido", /*shared=*/false).ok());
  const ProgramSession::Run run = Run("menu mnuAbrTorn1\nmenu mnuCfgDs\nquit\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_EQ(run.transcript, kTitle + TitleOf("Open de prueba") +
                                "STOP||No se pueden configurar los desempates\\nEl fichero dsAB.dbf está siendo "
                                "utilizado por otro programa\n");
  other.CloseAll();
  EXPECT_EQ(InUse(t + "/dsAB.dbf"), (std::vector<std::string>{"01|BUC_R", "02|BUC_T", "03|SONEN"}));
}

// Every system of the template in use (sixteen), then the standings after a round: they used
// to stop, the order key cut short at 255 characters. Round 1 of six players is 1-4, 5-2,
// 3-6, won by White, Black and drawn: 1 and 2 one point, 3 and 6 a half, 4 and 5 none, and
// no tie-break tells the equals apart, so the lower number goes first.
TEST(StandingsOrder, EverySystemOfTheTemplateInUseStillOrdersTheStandings) {
  ProgramSession session("movarel-standings");
  ASSERT_TRUE(session.made_templates());
  const std::string t = session.Folder("t");
  std::string add;
  for (int i = 0; i < 13; ++i) add += "set lbxDsNo 1\nclick btnAnadirDs\n";
  const ProgramSession::Run run = session.Script(
      CreateLines(t) + "menu mnuCfgDs\nform FrmCfgDs\n" + add + "click btnDsGrabar\n" +
      "menu mnuEmparej\nform FrmElegRda\nset cbxRdas 1\nclick btnOk\nyes\nyes\nform FrmEE\nclick btnOk\n"
      "menu mnuRdos\nform FrmElegRda\nset cbxRdas 1\nclick btnOk\nform FrmER\n"
      "click btnRdo01\nclick btnRdo03\nclick btnRdo02\nclick btnOk\n"
      "menu mnuLisHtmC\nform FrmElegRda\nset cbxRdas 1\nclick btnOk\nquit\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_EQ(run.transcript.find("STOP|"), std::string::npos) << run.transcript;
  EXPECT_NE(run.transcript.find("OPEN|"), std::string::npos) << run.transcript;
  EXPECT_EQ(InUse(t + "/dsAB.dbf").size(), 16u);
  EXPECT_EQ(ReadTable(t + "/cuAB.dbf", "NUM PUESTO PTOS"),
            (std::vector<std::string>{"1|1|1", "2|2|1", "3|3|0.5", "4|5|0", "5|6|0", "6|4|0.5"}));
}

INSTANTIATE_TEST_SUITE_P(HeadlessAndWindowed, StandingsConfigScript, ::testing::Bool(),
                         movarel::testing::HeadlessOrWindowedName);

}  // namespace
}  // namespace movarel::standings
