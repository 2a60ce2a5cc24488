// The player database through the real program, driven by scripts as a user would: the
// tournament's players added to it, players searched and copied into tournaments with free
// slots and full ones, and ratings and codes refreshed from rating lists written by another
// tool. Every table is read back with python3-dbf.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/headless_and_windowed.h"
#include "support/program_session.h"

namespace movarel::playerbase {
namespace {

using movarel::testing::ReadBytes;
using movarel::testing::ReadTable;
using movarel::testing::WriteFields;

constexpr char kDatabaseLayout[] =
    "JUG C(30); LIC C(6); ELO N(4,0); ELOFIDE N(4,0); ELOFEDA N(4,0); K N(2,0); CLUB C(15); CAT C(1); "
    "COD_PAIS C(3); COD_FIDE C(8); COD_FEDA C(8); FECHA_NAC D";
constexpr char kAdded[] = "INFO|Atención|Se ha añadido el jugador al torneo";
constexpr char kBoardAdded[] = "INFO|¡Hecho!|Se ha añadido un registro a cada fichero de ronda";

class PlayerDatabase : public movarel::testing::HeadlessAndWindowed {
 protected:
  PlayerDatabase() : HeadlessAndWindowed("movarel-base") {}
  void SetUp() override {
    HeadlessAndWindowed::SetUp();
    if (!Ready()) return;
    session_.Folder("torneos");
  }
  std::string folder() const { return session_.file("torneos"); }
  std::string tournament(const std::string& name) const { return folder() + "/" + name; }
  std::string database() const { return session_.file("zd/basejugs.dbf"); }

  // Creates tournament AB from the menu; it stays open for the rest of the script.
  std::string CreateScript(int players, int rounds) const {
    return "menu mnuTorNuevo\nfolder " + folder() +
           "\nform FrmET\nset txtFICHERO AB\nset txtTORNEO Open de prueba\n"
           "set fecFECHA_INI 10-05-2024\nset fecFECHA_FIN 12-05-2024\nset txtN_JUGS " +
           std::to_string(players) + "\nset txtN_RONDAS " + std::to_string(rounds) + "\nclick btnOk\n";
  }
  // A table written by python3-dbf; rows of values joined by "|".
  void WriteTable(const std::string& path, const std::string& layout, const std::vector<std::string>& rows) {
    std::string command = "/usr/bin/python3 " MOVAREL_SOURCE_DIR "/tests/playerbase/write_table.py '" + path +
                          "' '" + layout + "'";
    for (const std::string& row : rows) command += " '" + row + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
  }
  // The script's transcript lines other than the window titles and the tournament's creation.
  std::vector<std::string> Run(const std::string& script, int expected_status = 0) {
    const auto run = session_.Script(script, windowed());
    EXPECT_EQ(run.status, expected_status) << run.transcript;
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < run.transcript.size()) {
      size_t end = run.transcript.find('\n', start);
      if (end == std::string::npos) end = run.transcript.size();
      const std::string line = run.transcript.substr(start, end - start);
      if (line.rfind("TITLE|", 0) != 0 && line.find("FrmET") == std::string::npos &&
          line.rfind("FOLDER|", 0) != 0) {
        lines.push_back(line);
      }
      start = end + 1;
    }
    return lines;
  }
  int Boards(const std::string& path) { return static_cast<int>(ReadTable(path, "JUG_B").size()); }
};

TEST_P(PlayerDatabase, TournamentPlayersAreAddedOnceInCapitalisedFormAndFreeSlotsSkipped) {
  std::string script = CreateScript(4, 1) +
                       "menu mnuVerCuadro\nform FrmCuadro\n"
                       "edit brwCuadro 1 JUG PEREZ,JUAN\nedit brwCuadro 1 ELO 1800\n"
                       "edit brwCuadro 3 JUG garcia lopez, ana\nedit brwCuadro 3 CLUB AJEDREZ ALFIL\n"
                       "click btnHTOk\n"
                       "menu mnuAnaJugs\nyes\nyes\nquit\n";
  Run(script);
  EXPECT_EQ(ReadTable(database(), "JUG ELO CLUB"),
            (std::vector<std::string>{"Perez, Juan|1800|", "Garcia Lopez, Ana||Ajedrez Alfil"}));

  // Update flag off: a filled field keeps the database's value, an empty one is filled.
  ASSERT_TRUE(WriteFields(database(), 1, "ELO=1500"));
  ASSERT_TRUE(WriteFields(tournament("cuAB.dbf"), 1, "'CLUB=CLUB X'"));
  Run("menu mnuAbrTorn1\nmenu mnuAnaJugs\nyes\nno\nquit\n");
  EXPECT_EQ(ReadTable(database(), "JUG ELO CLUB"),
            (std::vector<std::string>{"Perez, Juan|1500|Club X", "Garcia Lopez, Ana|0|Ajedrez Alfil"}));
  // Update flag on: the tournament's non-empty values win; its empty ones never clear the database's.
  Run("menu mnuAbrTorn1\nmenu mnuAnaJugs\nyes\nyes\nquit\n");
  EXPECT_EQ(ReadTable(database(), "JUG ELO CLUB"),
            (std::vector<std::string>{"Perez, Juan|1800|Club X", "Garcia Lopez, Ana|0|Ajedrez Alfil"}));
  // Answering no to the first question changes nothing.
  const std::string before = ReadBytes(database());
  EXPECT_EQ(Run("menu mnuAbrTorn1\nmenu mnuAnaJugs\nno\nquit\n"),
            (std::vector<std::string>{"YESNO|Base de jugadores|¿Añadir los jugadores del torneo a la base?|no"}));
  EXPECT_EQ(ReadBytes(database()), before);
}

TEST_P(PlayerDatabase, SearchAsTypedCopiesIntoFreeSlotsFirstThenGrowsTheTournament) {
  WriteTable(database(), kDatabaseLayout,
             {"Perez, Juan|A1|1900|2100|2000|20|Alfil|A|ESP|  123456|    5001|19800101",
              "Garcia, Ana||0|0|0|25|||||||", "Romero, Luis||0|0|0|25|||||||"});
  std::string script = CreateScript(9, 2);
  Run(script + "quit\n");
  for (int i = 1; i <= 7; ++i) ASSERT_TRUE(WriteFields(tournament("cuAB.dbf"), i, "'JUG=JUGADOR " + std::to_string(i) + "'"));
  const int boards = Boards(tournament("r1AB.dbf"));
  ASSERT_EQ(boards, 5);

  // Lower case typed, upper-cased by the search; each copy fills a free slot (8, then 9).
  const auto copied = Run(
      "menu mnuAbrTorn1\nmenu mnuHojBase\nform FrmHBase\n"
      "set txtBuscar ro\nclick btnHBaseAnadir\n"
      "set txtBuscar G\nset txtBuscar GA\nclick btnHBaseAnadir\n"
      // 9 -> 10 players: no board added
      "set txtBuscar PEREZ, J\nclick btnHBaseAnadir\n"
      // 10 -> 11 players: one board in every round table
      "set txtBuscar Garcia\nclick btnHBaseAnadir\n"
      "click btnHPrOk\nquit\n");
  EXPECT_EQ(copied, (std::vector<std::string>{"FORM|FrmHBase|Hojear base de jugadores", kAdded, kAdded, kAdded,
                                              kBoardAdded, kAdded, "RELEASE|FrmHBase"}));
  // An appended player has no number until the seeding order is rebuilt.
  const auto players = ReadTable(tournament("cuAB.dbf"), "NUM JUG LIC ELOFIDE COD_FIDE COD_FEDA FECHA_NAC");
  ASSERT_EQ(players.size(), 11U);
  EXPECT_EQ(players[7], "8|Romero, Luis||0|||");
  EXPECT_EQ(players[8], "9|Garcia, Ana||0|||");
  EXPECT_EQ(players[9], "|Perez, Juan|A1|2100|123456|5001|1980-01-01");
  EXPECT_EQ(players[10], "|Garcia, Ana||0|||");
  EXPECT_EQ(ReadTable(folder() + "/torneos.dbf", "N_JUGS"), std::vector<std::string>{"11"});
  EXPECT_EQ(Boards(tournament("r1AB.dbf")), 6);
  EXPECT_EQ(Boards(tournament("r2AB.dbf")), 6);
}

TEST_P(PlayerDatabase, FormsCreateEditAndDeletePlayersAndRefuseANamelessOne) {
  const auto run = Run(
      CreateScript(2, 1) + "menu mnuHojBase\nform FrmHBase\n"
      "click btnHBaseNuevo\nform FrmNuJugBase\nclick btnOk\n"
      "set txtJUG Soler, Marta\nset txtELOFIDE 2210\nset fecFECHA_NAC 02-03-1990\nclick btnOk\n"
      "click btnHBaseNuevo\nform FrmNuJugBase\nset txtJUG Abad, Luis\nclick btnOk\n"
      "set txtBuscar SOL\nclick btnHBaseEditar\nform FrmEdJugBase\nset txtCLUB Peon\nclick btnOk\n"
      "set txtBuscar ABAD\nclick btnHBaseBorrar\nyes\n"
      "click btnHPrOk\nquit\n");
  EXPECT_EQ(run, (std::vector<std::string>{"FORM|FrmHBase|Hojear base de jugadores",
                                           "FORM|FrmNuJugBase|Nuevo jugador en la base",
                                           "EXCLAMATION||Escriba el nombre del jugador", "RELEASE|FrmNuJugBase",
                                           "FORM|FrmNuJugBase|Nuevo jugador en la base", "RELEASE|FrmNuJugBase",
                                           "FORM|FrmEdJugBase|Editar jugador de la base", "RELEASE|FrmEdJugBase",
                                           "YESNO||Confirme borrado del jugador:\\nAbad, Luis|yes",
                                           "RELEASE|FrmHBase"}));
  EXPECT_EQ(ReadTable(database(), "JUG ELOFIDE K CLUB FECHA_NAC"),
            (std::vector<std::string>{"Soler, Marta|2210|25|Peon|1990-03-02", "Abad, Luis|0|25|||*"}));
}

TEST_P(PlayerDatabase, RatingsByCodeAndCodesByName) {
  WriteTable(database(), kDatabaseLayout,
             {"Perez, Juan|A1|0|2000|0|20||||||",  // codes padded with blanks
              "Garcia, Ana||0|0|0|25|||||||",                        // two FIDE entries: ambiguous
              "Romero, Luis||0|0|0|25|||||||",                       // one entry
              "Zurita, Pablo||0|0|0|25|||||||",                      // last name of the list
              "Lopez, Eva||0|0|0|25||||12A||"});                    // no number: never matched
  const std::string fide = session_.file("fide.dbf"), feda = session_.file("feda.dbf"), fva = session_.file("fva.dbf");
  WriteTable(fide, "COD_FIDE N(10,0); JUG C(40); PAIS C(3); ELO N(4,0)",
             {"123456|Perez, Juan|ESP|2150", "11|Garcia, Ana|ESP|1900", "12|Garcia, Ana|ARG|1800",
              "7654321|Romero, Luis|ESP|2200", "12|Lopez, Eva Maria|ESP|1700", "99|Zurita, Pablo|ESP|2000"});
  WriteTable(feda, "CLAVE N(8,0); RANKING N(4,0)", {"5001|2090", "5002|1500"});
  WriteTable(fva, "LIC C(6); JUG C(30); ELO N(4,0)", {"A1|PEREZ, JUAN|1950", "B7|ROMERO, LUIS|2010"});
  movarel::testing::WriteBytes(session_.settings(), "[Movarel]\r\nEloFide=" + fide + "\r\nEloFeda=" + feda +
                                                        "\r\nEloFva=" + fva + "\r\n");
  const auto run = Run(
      CreateScript(2, 1) + "menu mnuHojBase\nform FrmHBase\n"
      // codes typed with leading blanks, as the DOS program writes them
      "edit brwBJugs 1 COD_FIDE \"  123456\"\nedit brwBJugs 1 COD_FEDA \"    5001\"\n"
      "menu mnuBusFide\nmenu mnuActFide\nmenu mnuActFeda\nmenu mnuBusFeda\nmenu mnuBusFva\nmenu mnuActFva\n"
      "click btnHPrOk\nquit\n");
  EXPECT_EQ(run, (std::vector<std::string>{
                     "FORM|FrmHBase|Hojear base de jugadores",
                     "INFO||Jugadores encontrados: 3\\nJugadores ambiguos: 1",
                     "INFO||Jugadores encontrados: 3\\nELOs actualizados: 3",
                     "INFO||Jugadores encontrados: 1\\nELOs actualizados: 1",
                     "INFO||La lista de Elo FEDA " + feda +
                         " no tiene nombres de jugadores:\\nno se pueden buscar los códigos FEDA por el nombre",
                     "INFO||Jugadores encontrados: 1\\nJugadores ambiguos: 0",
                     "INFO||Jugadores encontrados: 2\\nELOs actualizados: 2", "RELEASE|FrmHBase"}));
  EXPECT_EQ(ReadTable(database(), "JUG COD_FIDE ELOFIDE ELOFEDA LIC ELO"),
            (std::vector<std::string>{"Perez, Juan|  123456|2150|2090|A1|1950", "Garcia, Ana||0|0||0",
                                      "Romero, Luis| 7654321|2200|0|B7|2010", "Zurita, Pablo|      99|2000|0||0",
                                      "Lopez, Eva|12A|0|0||0"}));
  for (const char* temp : {"ffide.tmp", "ffeda.tmp", "ffva.tmp"}) EXPECT_FALSE(std::filesystem::exists(session_.file(temp)));
}

TEST_P(PlayerDatabase, AListThatIsNotWhatItClaimsStopsBeforeTheDatabaseChanges) {
  WriteTable(database(), kDatabaseLayout, {"Perez, Juan||0|2000|0|20||||  123456||"});
  const std::string fide = session_.file("fide.dbf");
  movarel::testing::WriteBytes(session_.settings(), "[Movarel]\r\nEloFide=" + fide + "\r\n");
  Run(CreateScript(2, 1) + "menu mnuHojBase\nform FrmHBase\nclick btnHPrOk\nquit\n");  // the index made once
  const std::string before = ReadBytes(database());

  WriteTable(fide, "ID_NUMBER N(10,0); NAME C(40); ELO N(4,0)", {"123456|Perez, Juan|2150"});
  auto run = Run("menu mnuAbrTorn1\nmenu mnuHojBase\nform FrmHBase\nmenu mnuActFide\nclick btnHPrOk\nquit\n");
  ASSERT_EQ(run.size(), 3U);
  EXPECT_EQ(run[1], "STOP||La lista de Elo FIDE " + fide + " no es válida\\nno tiene el campo COD_FIDE numérico");

  std::filesystem::remove(fide);
  WriteTable(fide, "COD_FIDE N(10,0); JUG C(40); ELO N(4,0)", {"1|A|1", "2|B|2", "123456|Perez, Juan|2150"});
  const std::string whole = ReadBytes(fide);
  movarel::testing::WriteBytes(fide, whole.substr(0, whole.size() - 40));
  run = Run("menu mnuAbrTorn1\nmenu mnuHojBase\nform FrmHBase\nmenu mnuActFide\nclick btnHPrOk\nquit\n");
  ASSERT_EQ(run.size(), 3U);
  EXPECT_EQ(run[1].rfind("STOP||", 0), 0U) << run[1];
  EXPECT_NE(run[1].find(fide), std::string::npos) << run[1];
  EXPECT_EQ(ReadBytes(database()), before);
}

INSTANTIATE_TEST_SUITE_P(Program, PlayerDatabase, ::testing::Bool(), movarel::testing::HeadlessOrWindowedName);

}  // namespace
}  // namespace movarel::playerbase
