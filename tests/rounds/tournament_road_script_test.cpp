// The player table and the seeding order through the real program, driven by scripts as a
// user would: a tournament created from the menu, players typed in the grid, seeding by each
// kind, a player added and one deleted, FVA data filled from a list, and a seeding rewrite
// that the system refuses. Every file is read back with python3-dbf.

#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/program_session.h"

namespace movarel::rounds {
namespace {

constexpr char kTitle[] = "TITLE|Movarel v3.0-beta3\n";
// The title shows TORNEO as stored, blank-padded to the register's 40 characters.
const std::string kOpenTitle = "TITLE|Movarel v3.0-beta3 - Open de prueba" + std::string(40 - 14, ' ') + "\n";
constexpr char kSeedQuestion[] =
    "YESNO|Atencion|Realmente desea crear un nuevo orden de fuerza?\\nSi ha introducido algun "
    "emparejamiento, "
    "pasara a ser erroneo|yes\n";
constexpr char kBoardAdded[] = "INFO|¡Hecho!|Se ha añadido un registro a cada fichero de ronda\n";

using movarel::testing::ReadTable;

class TournamentRoad : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(session_.made_templates());
    session_.Folder("torneos");
    root_ = session_.root();
  }

  std::string folder() const { return root_ + "/torneos"; }
  std::string file(const std::string& name) const { return folder() + "/" + name; }
  // Runs a UTF-8 script; returns the transcript, the exit status in `status_`.
  // With `windowed` the script runs through the real windows on a virtual display.
  std::string Script(const std::string& script, bool windowed = false) {
    const auto run = session_.Script(script, windowed);
    status_ = run.status;
    return run.transcript;
  }
  // Creates tournament AB in the folder from the menu; it stays open and becomes recent entry 1.
  std::string CreateScript(int players, int rounds) const {
    return "menu mnuTorNuevo\nfolder " + folder() +
           "\nform FrmET\nset txtFICHERO AB\nset txtTORNEO Open de prueba\n"
           "set fecFECHA_INI 10-05-2024\nset fecFECHA_FIN 12-05-2024\nset txtN_JUGS " +
           std::to_string(players) + "\nset txtN_RONDAS " + std::to_string(rounds) + "\nclick btnOk\n";
  }
  std::string CreatedTranscript() const {
    return "FOLDER|Crear torneo nuevo en...|" + folder() + "\nFORM|FrmET|" + folder() + "\nRELEASE|FrmET\n" +
           kOpenTitle;
  }
  // Seeds by a kind of the menu, reopening the tournament through the recent entry.
  std::string SeedScript(const std::string& entry) const {
    return "menu mnuAbrTorn1\nmenu \"&Torneo\" \"Crear &orden de fuerza de acuerdo a...\" \"" + entry +
           "\"\nyes\nquit\n";
  }
  std::vector<std::string> Names() const { return ReadTable(file("cuAB.dbf"), "NUM JUG"); }
  std::vector<std::string> RegisterCount() const { return ReadTable(file("torneos.dbf"), "N_JUGS"); }

  movarel::testing::ProgramSession session_{"movarel-road"};
  std::string root_;
  int status_ = -1;
};

TEST_F(TournamentRoad, PlayersTypedInTheGridAreSeededByEachKind) {
  std::string typing = CreateScript(5, 2) + "menu mnuVerCuadro\nform FrmCuadro\n";
  const char* players[5][5] = {{"ROMERO, LUIS", "0", "0", "0", ""},
                               {"GARCÍA, ANA", "2100", "2050", "2000", "A"},
                               {"BLASCO, PEDRO", "2100", "2080", "1900", "B"},
                               {"CASTRO, EVA", "2100", "2050", "2010", "A"},
                               {"DÍAZ, RAÚL", "0", "2300", "2200", ""}};
  for (int i = 0; i < 5; ++i) {
    const std::string row = "edit brwCuadro " + std::to_string(i + 1) + " ";
    typing += row + "JUG " + players[i][0] + "\n" + row + "FIDE " + players[i][1] + "\n" + row + "FEDA " +
              players[i][2] + "\n" + row + "ELO " + players[i][3] + "\n";
    if (*players[i][4] != '\0') typing += row + "CAT " + players[i][4] + "\n";
  }
  typing += "click btnHTOk\nquit\n";
  std::string transcript = Script(typing);
  ASSERT_EQ(status_, 0) << transcript;
  EXPECT_EQ(transcript,
            kTitle + CreatedTranscript() + "FORM|FrmCuadro|Cuadro del Torneo\nRELEASE|FrmCuadro\n");

  // Worked by hand: the three 2100 players split by FEDA (BLASCO 2080 first) and then by FVA;
  // the unrated-by-FIDE players follow, DÍAZ's FEDA 2300 ahead of ROMERO's nothing.
  transcript = Script(SeedScript("elo FIDE+FEDA+FVA"));
  ASSERT_EQ(status_, 0) << transcript;
  EXPECT_EQ(transcript, kTitle + kOpenTitle + kSeedQuestion);
  EXPECT_EQ(Names(), (std::vector<std::string>{"1|BLASCO, PEDRO", "2|CASTRO, EVA", "3|GARCÍA, ANA",
                                               "4|DÍAZ, RAÚL", "5|ROMERO, LUIS"}));

  // FEDA plays no part: among the 2100 players FVA decides, BLASCO's 1900 last.
  Script(SeedScript("elo FIDE+FVA"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"1|CASTRO, EVA", "2|GARCÍA, ANA", "3|BLASCO, PEDRO",
                                               "4|DÍAZ, RAÚL", "5|ROMERO, LUIS"}));

  Script(SeedScript("elo FVA"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"1|DÍAZ, RAÚL", "2|CASTRO, EVA", "3|GARCÍA, ANA",
                                               "4|BLASCO, PEDRO", "5|ROMERO, LUIS"}));

  // A typed order: 5, 1, 3, 2, 4 on the records in their present order.
  transcript = Script(
      "menu mnuAbrTorn1\nmenu mnuVerCuadro\nedit brwCuadro 1 NUM 5\nedit brwCuadro 2 NUM 1\n"
      "edit brwCuadro 3 NUM 3\nedit brwCuadro 4 NUM 2\nedit brwCuadro 5 NUM 4\nclick btnHTOk\n" +
      SeedScript("NUM").substr(std::string("menu mnuAbrTorn1\n").size()));
  ASSERT_EQ(status_, 0) << transcript;
  EXPECT_EQ(Names(), (std::vector<std::string>{"1|CASTRO, EVA", "2|BLASCO, PEDRO", "3|GARCÍA, ANA",
                                               "4|ROMERO, LUIS", "5|DÍAZ, RAÚL"}));
  EXPECT_FALSE(std::filesystem::exists(file("zdof.tmp")));
  EXPECT_FALSE(std::filesystem::exists(file("zdofi.tmp")));
}

TEST_F(TournamentRoad, AddingPlayersAddsABoardEverywhereOnlyWhenTheCountTurnsOdd) {
  std::string transcript = Script(CreateScript(5, 3) +
                                  "menu mnuVerCuadro\nclick btnHTNuevo\nclick btnHTNuevo\n"
                                  "edit brwCuadro 7 JUG SÉPTIMO, JUGADOR\nclick btnHTOk\nquit\n");
  ASSERT_EQ(status_, 0) << transcript;
  // 5 + 1 = 6: no board; 6 + 1 = 7: one more board in each of the three rounds.
  EXPECT_EQ(transcript, kTitle + CreatedTranscript() + "FORM|FrmCuadro|Cuadro del Torneo\n" + kBoardAdded +
                            "RELEASE|FrmCuadro\n");
  EXPECT_EQ(RegisterCount(), std::vector<std::string>{"7"});
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(ReadTable(file("r" + std::to_string(n) + "AB.dbf"), "JUG_B").size(), 4u) << n;
  }
  const std::vector<std::string> names = Names();
  ASSERT_EQ(names.size(), 7u);
  EXPECT_EQ(names[5], "|");  // added players have no number until the next seeding
  EXPECT_EQ(names[6], "|SÉPTIMO, JUGADOR");
}

TEST_F(TournamentRoad, DeletingPlayerThreeOfTenAndMarkingAWithdrawal) {
  std::string script = CreateScript(10, 2) + "menu mnuVerCuadro\n";
  for (int i = 1; i <= 10; ++i)
    script += "edit brwCuadro " + std::to_string(i) + " JUG P" + std::to_string(i) + "\n";
  script += "edit brwCuadro 5 BAJA T\nset brwCuadro 3\nclick btnHTBorr\nyes\nclick btnHTOk\nquit\n";
  std::string transcript = Script(script);
  ASSERT_EQ(status_, 0) << transcript;
  EXPECT_EQ(transcript, kTitle + CreatedTranscript() +
                            "FORM|FrmCuadro|Cuadro del Torneo\n"
                            "YESNO|Atención|¿Borrar el jugador P3?\\nRecuerde que una vez metido algún "
                            "emparejamiento\\nno debe borrar jugadores sino darlos de baja|yes\n"
                            "RELEASE|FrmCuadro\n");
  // The former player 4 is record 3 and still reads NUM 4; nothing else is renumbered.
  EXPECT_EQ(ReadTable(file("cuAB.dbf"), "NUM JUG BAJA"),
            (std::vector<std::string>{"1|P1|", "2|P2|", "4|P4|", "5|P5|T", "6|P6|", "7|P7|", "8|P8|", "9|P9|",
                                      "10|P10|"}));
  EXPECT_EQ(RegisterCount(), std::vector<std::string>{"9"});
  EXPECT_EQ(ReadTable(file("r1AB.dbf"), "JUG_B").size(), 5u);

  // The next seeding closes the gap.
  Script(SeedScript("NUM"));
  EXPECT_EQ(ReadTable(file("cuAB.dbf"), "NUM JUG").at(2), "3|P4");
}

TEST_F(TournamentRoad, TypedValuesTheFieldCannotHoldAreRefusedAndTheTableIsKept) {
  std::string transcript = Script(CreateScript(2, 1) +
                                  "menu mnuVerCuadro\nedit brwCuadro 1 FECHA_NAC 05-03-1990\n"
                                  "edit brwCuadro 1 FIDE 2150\nedit brwCuadro 1 BAJA S\nclick btnHTOk\nquit\n");
  ASSERT_EQ(status_, 0) << transcript;
  const std::string before = movarel::testing::ReadBytes(file("cuAB.dbf"));
  const char* refused[][3] = {
      {"FECHA_NAC", "31-02-2024", "no es una fecha que exista"},
      {"FECHA_NAC", "1990-06-15", "no es una fecha de la forma dd-mm-aaaa"},
      {"FECHA_NAC", "1-1-2000", "no es una fecha de la forma dd-mm-aaaa"},
      {"FIDE", "1.850", "no es un número entero: escriba solo cifras, sin puntos ni comas"},
      {"FIDE", "2,100", "no es un número entero: escriba solo cifras, sin puntos ni comas"},
      {"FIDE", "abc", "no es un número entero: escriba solo cifras, sin puntos ni comas"},
      {"FIDE", "12345", "no cabe en el campo: el máximo es 9999"},
      {"NUM", "1000", "no cabe en el campo: el máximo es 999"},
      {"BAJA", "quizá", "no es un valor de sí o no: escriba S o N"},
      {"CAT", "AB", "tiene 2 caracteres y el campo admite 1"}};
  std::string script = "menu mnuAbrTorn1\nmenu mnuVerCuadro\n";
  std::string expected = kTitle + kOpenTitle + "FORM|FrmCuadro|Cuadro del Torneo\n";
  for (const auto& r : refused) {
    script += std::string("edit brwCuadro 1 ") + r[0] + " " + r[1] + "\n";
    const std::string field = std::string(r[0]) == "FIDE" ? "ELOFIDE" : r[0];
    expected += "EXCLAMATION||No se ha podido modificar el dato\\n" + file("cuAB.dbf") + ", registro 1, " + field +
                ": \"" + r[1] + "\" " + r[2] + "\n";
  }
  transcript = Script(script + "click btnHTOk\nquit\n");
  ASSERT_EQ(status_, 0) << transcript;
  EXPECT_EQ(transcript, expected + "RELEASE|FrmCuadro\n");
  EXPECT_EQ(movarel::testing::ReadBytes(file("cuAB.dbf")), before);
  EXPECT_EQ(ReadTable(file("cuAB.dbf"), "FECHA_NAC ELOFIDE BAJA").at(0), "1990-03-05|2150|T");
}

TEST_F(TournamentRoad, ThousandthPlayerIsRefusedAndNothingIsWritten) {
  std::string transcript = Script(CreateScript(999, 0) + "quit\n");
  ASSERT_EQ(status_, 0) << transcript;
  const std::string players = movarel::testing::ReadBytes(file("cuAB.dbf"));
  const std::string register_bytes = movarel::testing::ReadBytes(file("torneos.dbf"));
  transcript = Script("menu mnuAbrTorn1\nmenu mnuVerCuadro\nclick btnHTNuevo\nclick btnHTOk\nquit\n");
  ASSERT_EQ(status_, 0) << transcript;
  EXPECT_EQ(transcript, kTitle + kOpenTitle +
                            "FORM|FrmCuadro|Cuadro del Torneo\nSTOP||No se puede añadir el jugador\\nEl cuadro ya "
                            "tiene 999 jugadores, los que caben en su campo NUM\nRELEASE|FrmCuadro\n");
  EXPECT_EQ(movarel::testing::ReadBytes(file("cuAB.dbf")), players);
  EXPECT_EQ(movarel::testing::ReadBytes(file("torneos.dbf")), register_bytes);
}

TEST_F(TournamentRoad, FvaRatingsAndLicencesComeFromTheListInTheSettings) {
  const std::string list = root_ + "/elofva.dbf";
  ASSERT_EQ(std::system(
                ("/usr/bin/python3 " MOVAREL_SOURCE_DIR "/tests/rounds/write_fva_list.py '" + list +
                 "' 'A1|GARCIA, ANA|2010' 'B2|GARCIA, ANA|1990' 'C3|LOPEZ, EVA|1650' 'D4|ZURITA, PABLO|1500'")
                    .c_str()),
            0);
  std::ofstream(root_ + "/windows/tq.ini", std::ios::binary) << "[Movarel]\r\nEloFva=" + list + "\r\n";
  std::string transcript = Script(CreateScript(4, 1) +
                                  "menu mnuVerCuadro\n"
                                  "edit brwCuadro 1 JUG Garcia, Ana\n"
                                  "edit brwCuadro 2 JUG Lopez, Eva\n"
                                  "edit brwCuadro 3 JUG Zurita, Pablo\n"
                                  "click btnHTLicFva\n"
                                  "edit brwCuadro 1 LIC X9\n"
                                  "click btnHTEloFva\n"
                                  "click btnHTOk\nquit\n");
  ASSERT_EQ(status_, 0) << transcript;
  EXPECT_EQ(transcript, kTitle + CreatedTranscript() +
                            "FORM|FrmCuadro|Cuadro del Torneo\n"
                            "INFO||Jugadores encontrados: 3\\nJugadores ambiguos: 1\n"
                            "INFO||No se ha encontrado la licencia X9\n"
                            "INFO||Jugadores encontrados: 2\\nELOs actualizados: 2\n"
                            "RELEASE|FrmCuadro\n");
  EXPECT_EQ(
      ReadTable(file("cuAB.dbf"), "JUG LIC ELO"),
      (std::vector<std::string>{"Garcia, Ana|X9|", "Lopez, Eva|C3|1650", "Zurita, Pablo|D4|1500", "||"}));
  EXPECT_FALSE(std::filesystem::exists(root_ + "/ffva.tmp"));
}

TEST_F(TournamentRoad, SeedingRefusedBySystemLeavesTheOldTableAndSaysSo) {
  std::string transcript = Script(CreateScript(3, 1) +
                                  "menu mnuVerCuadro\nedit brwCuadro 1 JUG C\nedit brwCuadro 2 JUG A\n"
                                  "edit brwCuadro 3 JUG B\nedit brwCuadro 2 ELO 1800\nclick btnHTOk\nquit\n");
  ASSERT_EQ(status_, 0) << transcript;
  const std::string before = movarel::testing::ReadBytes(file("cuAB.dbf"));
  // A folder in the way of the sorted copy: the system refuses to write it.
  std::filesystem::create_directories(file("zdof.tmp/ocupado"));
  transcript = Script(SeedScript("elo FVA"));
  ASSERT_EQ(status_, 0) << transcript;
  EXPECT_EQ(transcript.rfind(
                kTitle + kOpenTitle + kSeedQuestion + "STOP||No se ha podido crear el orden de fuerza\\n", 0),
            0u)
      << transcript;
  EXPECT_NE(transcript.find("\\nEl cuadro de jugadores no se ha modificado\n"), std::string::npos);
  EXPECT_EQ(movarel::testing::ReadBytes(file("cuAB.dbf")), before);
  EXPECT_FALSE(std::filesystem::exists(file("zdofi.tmp")));

  std::filesystem::remove_all(file("zdof.tmp"));
  Script(SeedScript("elo FVA"));
  // A's 1800 first; B and C, both unrated, by name.
  EXPECT_EQ(Names(), (std::vector<std::string>{"1|A", "2|B", "3|C"}));
}

TEST_F(TournamentRoad, PlayerTableDialogThroughTheRealWindows) {
  if (!movarel::testing::CanRunWindowed()) GTEST_SKIP() << "no windows or no virtual display";
  std::string transcript =
      Script(CreateScript(4, 2) +
                 "menu mnuVerCuadro\nform FrmCuadro\n"
                 "edit brwCuadro 1 JUG ROMERO, LUIS\nedit brwCuadro 2 JUG GARCÍA, ANA\n"
                 "edit brwCuadro 2 ELO 2000\nedit brwCuadro 3 JUG BORRADO\n"
                 "edit brwCuadro 4 JUG DÍAZ, RAÚL\nedit brwCuadro 4 ELO 2100\n"
                 "edit brwCuadro 1 BAJA T\nclick btnHTNuevo\n"
                 "set brwCuadro 3\nclick btnHTBorr\nyes\nclose\nclick btnHTOk\n"
                 "menu \"&Torneo\" \"Crear &orden de fuerza de acuerdo a...\" \"elo FVA\"\nyes\n"
                 "quit\n",
             /*windowed=*/true);
  ASSERT_EQ(status_, 0) << transcript;
  EXPECT_EQ(transcript, kTitle + CreatedTranscript() + "FORM|FrmCuadro|Cuadro del Torneo\n" + kBoardAdded +
                            "YESNO|Atención|¿Borrar el jugador BORRADO?\\nRecuerde que una vez metido algún "
                            "emparejamiento\\nno debe borrar jugadores sino darlos de baja|yes\n"
                            "STOP||Operación no permitida\n"
                            "RELEASE|FrmCuadro\n" +
                            kSeedQuestion);
  // The added player, unrated and nameless, sorts by its blank name ahead of ROMERO.
  EXPECT_EQ(
      ReadTable(file("cuAB.dbf"), "NUM JUG ELO BAJA"),
      (std::vector<std::string>{"1|DÍAZ, RAÚL|2100|", "2|GARCÍA, ANA|2000|", "3|||", "4|ROMERO, LUIS||T"}));
  EXPECT_EQ(RegisterCount(), std::vector<std::string>{"4"});
  EXPECT_EQ(ReadTable(file("r1AB.dbf"), "JUG_B").size(), 3u);
}

}  // namespace
}  // namespace movarel::rounds
