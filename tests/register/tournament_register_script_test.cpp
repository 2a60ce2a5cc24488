// The register driven through the real program as an arbiter would: creating, refusing,
// editing, browsing and deleting, importing, the recent entries, the DOS program's folder,
// and a second program holding the tables. Tables are read back with python3-dbf; deletion
// flags and code-page bytes from the files themselves.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "storage/workspace.h"
#include "tournament_session.h"

namespace movarel::registry {
namespace {

using testing::DeletionFlags;
using testing::DumpTables;
using testing::Exists;
using testing::ReadFileBytes;
using testing::Session;
using testing::WriteFileBytes;

constexpr char kTitle[] = "TITLE|Movarel v3.0-beta3\n";

// The register's TORNEO is 40 wide and the title shows it as stored.
std::string TitleOf(const std::string& name) {
  return "TITLE|Movarel v3.0-beta3 - " + name + std::string(40 - name.size(), ' ') + "\n";
}

// Script lines that create a tournament in `folder` through the menu.
std::string CreateLines(const std::string& folder, const std::string& key, const std::string& name, int players,
                        int rounds) {
  return "menu mnuTorNuevo\nfolder " + folder + "\nform FrmET\nset txtFICHERO " + key + "\nset txtTORNEO " + name +
         "\nset fecFECHA_INI 10-05-2024\nset fecFECHA_FIN 12-05-2024\nset txtN_JUGS " + std::to_string(players) +
         "\nset txtN_RONDAS " + std::to_string(rounds) + "\nclick btnOk\n";
}

std::string CreatedTranscript(const std::string& folder, const std::string& name) {
  return "FOLDER|Crear torneo nuevo en...|" + folder + "\nFORM|FrmET|" + folder + "\nRELEASE|FrmET\n" + TitleOf(name);
}

class RegisterScriptTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(session_.made_templates()); }
  Session session_;
};

TEST_F(RegisterScriptTest, NinePlayersElevenRoundsGiveNumberedPlayersAndFiveBoardsPerRound) {
  const std::string t = session_.Folder("t");
  const Session::Run run = session_.Script(CreateLines(t, "AB", "Open de Prueba", 9, 11) + "quit\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_EQ(run.transcript, kTitle + CreatedTranscript(t, "Open de Prueba"));

  std::vector<std::string> paths = {t + "/torneos.dbf", t + "/cuAB.dbf"};
  for (int n = 1; n <= 11; ++n) paths.push_back(t + "/r" + std::to_string(n) + "AB.dbf");
  auto tables = DumpTables(paths);
  ASSERT_EQ(tables["torneos.dbf"].records.size(), 1u);
  const std::vector<std::string>& reg = tables["torneos.dbf"].records[0];
  EXPECT_EQ(std::vector<std::string>(reg.begin(), reg.begin() + 8),
            (std::vector<std::string>{"AB", "Open de Prueba", "2024-05-10", "2024-05-12", "", "9", "11", "0"}));
  ASSERT_EQ(tables["cuAB.dbf"].records.size(), 9u);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(tables["cuAB.dbf"].records[i][0], std::to_string(i + 1));
  EXPECT_EQ(tables["cuAB.dbf"].fields.size(), 111u);
  for (int n = 1; n <= 11; ++n) {
    const auto& round = tables["r" + std::to_string(n) + "AB.dbf"];
    EXPECT_EQ(round.records.size(), 5u) << "round " << n;
    for (const auto& board : round.records) EXPECT_EQ(board, (std::vector<std::string>{"", "", ""}));  // blank, as DBAPPEND leaves them
  }
  EXPECT_FALSE(Exists(t + "/r12AB.dbf"));
  EXPECT_FALSE(Exists(t + "/r0AB.dbf"));
  // A first tournament in a folder brings the standings columns with it.
  EXPECT_EQ(ReadFileBytes(t + "/cclas.dbf"), ReadFileBytes(session_.root() + "/zd/cclas.dbf"));
  const std::string ini = ReadFileBytes(session_.settings());
  EXPECT_NE(ini.find("Torneo1=Open de Prueba"), std::string::npos) << ini;
  EXPECT_NE(ini.find("Fichero1=" + t + "/cuAB.dbf"), std::string::npos) << ini;
}

TEST_F(RegisterScriptTest, ZeroRoundsCreateOnlyThePlayerTable) {
  const std::string t = session_.Folder("t");
  const Session::Run run = session_.Script(CreateLines(t, "Z", "Sin rondas", 4, 0) + "quit\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_TRUE(Exists(t + "/cuZ.dbf"));
  EXPECT_FALSE(Exists(t + "/r1Z.dbf"));
}

struct RefusedCase {
  const char* label;
  const char* key;
  const char* extra;   // further set lines
  const char* reason;  // transcript text after "No se puede crear el torneo:\n"
};

class RefusedDataTest : public RegisterScriptTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedDataTest, MessageShownAndNothingWritten) {
  const RefusedCase& c = GetParam();
  const std::string t = session_.Folder("t");
  const std::string script = "menu mnuTorNuevo\nfolder " + t + "\nform FrmET\nset txtFICHERO \"" + c.key + "\"\n" +
                             "set txtN_JUGS 9\nset txtN_RONDAS 11\n" + c.extra + "click btnOk\nclick btnCancel\n" +
                             "menu mnuHojTor\nquit\n";
  const Session::Run run = session_.Script(script);
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_EQ(run.transcript, std::string(kTitle) + "FOLDER|Crear torneo nuevo en...|" + t + "\nFORM|FrmET|" + t +
                                "\nSTOP|¡Atención!|No se puede crear el torneo:\\n" + c.reason +
                                "\nRELEASE|FrmET\nMENU DISABLED|mnuHojTor\n");
  EXPECT_TRUE(std::filesystem::is_empty(t)) << c.label;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, RefusedDataTest,
    ::testing::Values(
        RefusedCase{"blank", "", "", "La clave (FICHERO) está en blanco"},
        RefusedCase{"blank inside", "A B", "", "La clave (FICHERO) no puede contener espacios"},
        RefusedCase{"not in a file name", "A?B", "", "La clave (FICHERO) no puede contener el carácter \"?\""},
        RefusedCase{"leading digit", "1AB", "",
                    "La clave (FICHERO) no puede empezar por una cifra: los ficheros de sus rondas se confundirían "
                    "con los de otro torneo"},
        RefusedCase{"end before start", "AB", "set fecFECHA_INI 10-05-2024\nset fecFECHA_FIN 09-05-2024\n",
                    "La fecha de fin (FECHA_FIN) es anterior a la de inicio (FECHA_INI)"},
        RefusedCase{"letters for a number", "AB", "set txtN_JUGS abc\n",
                    "N_JUGS: \"abc\" no es un número entero: escriba solo cifras, sin puntos ni comas"},
        RefusedCase{"exponent", "AB", "set txtN_RONDAS 1e3\n",
                    "N_RONDAS: \"1e3\" no es un número entero: escriba solo cifras, sin puntos ni comas"},
        RefusedCase{"players beyond the field", "AB", "set txtN_JUGS 1000\n",
                    "N_JUGS: \"1000\" no cabe en el campo: el máximo es 999"}));

TEST_F(RegisterScriptTest, KeyAlreadyRegisteredOrPlayerTablePresentIsRefused) {
  const std::string t = session_.Folder("t");
  WriteFileBytes(t + "/cuZZ.dbf", "not a table of ours");
  const std::string script = CreateLines(t, "AB", "Primero", 3, 1) +
                             "menu mnuTorNuevo\nfolder " + t + "\nform FrmET\nset txtFICHERO ab\nclick btnOk\n"
                             "set txtFICHERO ZZ\nclick btnOk\nclick btnCancel\nquit\n";
  const Session::Run run = session_.Script(script);
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_EQ(run.transcript,
            kTitle + CreatedTranscript(t, "Primero") + "FOLDER|Crear torneo nuevo en...|" + t + "\nFORM|FrmET|" + t +
                "\nSTOP|¡Atención!|No se puede crear el torneo:\\nYa hay un torneo con la clave ab en el fichero de "
                "torneos\nINFO||No se puede crear el torneo, ya existe uno con ese nombre de fichero\n"
                "RELEASE|FrmET\nTITLE|Movarel v3.0-beta3\n");
  EXPECT_EQ(DumpTables({t + "/torneos.dbf"})["torneos.dbf"].records.size(), 1u);
  EXPECT_EQ(ReadFileBytes(t + "/cuZZ.dbf"), "not a table of ours");
  EXPECT_FALSE(Exists(t + "/r1ZZ.dbf"));
}

TEST_F(RegisterScriptTest, EditedDataAreWrittenToTheRecordAndTheKeyStays) {
  const std::string t = session_.Folder("t");
  const std::string script = CreateLines(t, "AB", "Open", 9, 11) +
                             "menu mnuEditarTorn\nform FrmET\nset txtFICHERO XY\nset txtLOCALIDAD Valencia\n"
                             "set txtN_R_ACTUAL 3\nclick btnOk\nset txtFICHERO AB\nclick btnOk\nquit\n";
  const Session::Run run = session_.Script(script);
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_EQ(run.transcript, kTitle + CreatedTranscript(t, "Open") + "FORM|FrmET|" + t +
                                "\nSTOP|¡Atención!|No se pueden grabar los datos:\\nLa clave (FICHERO) no se puede "
                                "cambiar: los ficheros del torneo llevan la clave AB\nRELEASE|FrmET\n");
  const auto reg = DumpTables({t + "/torneos.dbf"})["torneos.dbf"].records;
  ASSERT_EQ(reg.size(), 1u);
  EXPECT_EQ(reg[0][0], "AB");
  EXPECT_EQ(reg[0][4], "Valencia");
  EXPECT_EQ(reg[0][7], "3");
}

TEST_F(RegisterScriptTest, DeletingATournamentLeavesTheNeighbourWhoseKeyEndsWithIt) {
  const std::string t = session_.Folder("t");
  const Session::Run made = session_.Script(CreateLines(t, "AB", "Torneo AB", 3, 2) +
                                            CreateLines(t, "XAB", "Torneo XAB", 3, 2) + "quit\n");
  ASSERT_EQ(made.status, 0) << made.transcript;
  for (const char* extra : {"prAB.dbf", "prAB.ntx", "prAB_c.ntx", "dsAB.dbf", "dsAB.ntx", "cuAB.bak", "prXAB.dbf",
                            "prXAB_c.ntx", "dsXAB.ntx"}) {
    WriteFileBytes(t + "/" + extra, "x");
  }
  // XAB is the open tournament; AB is record 1 of the register.
  const Session::Run run = session_.Script("menu mnuAbrTorn1\nmenu mnuHojTor\nform FrmHT\nset brwTorneos 1\n"
                                           "click btnHTBorr\nyes\nyes\nclick btnHTOk\nquit\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_EQ(run.transcript, kTitle + TitleOf("Torneo XAB") + "FORM|FrmHT|Hojear torneos en " + t +
                                "\nYESNO|¡Cuidado!|¿Realmente desea borrar el torneo \\nTorneo AB?|yes\n"
                                "YESNO|¡Cuidado!|¿Borrar también todos los ficheros del torneo?|yes\n"
                                "INFO|¡Atención!|Torneo borrado\nRELEASE|FrmHT\n");
  for (const char* gone : {"cuAB.dbf", "r1AB.dbf", "r2AB.dbf", "prAB.dbf", "prAB.ntx", "prAB_c.ntx", "dsAB.dbf",
                           "dsAB.ntx", "cuAB.bak"}) {
    EXPECT_FALSE(Exists(t + "/" + gone)) << gone;
  }
  for (const char* kept : {"cuXAB.dbf", "r1XAB.dbf", "r2XAB.dbf", "prXAB.dbf", "prXAB_c.ntx", "dsXAB.ntx",
                           "torneos.dbf", "cclas.dbf"}) {
    EXPECT_TRUE(Exists(t + "/" + kept)) << kept;
  }
  EXPECT_EQ(DeletionFlags(t + "/torneos.dbf"), "* ");
}

TEST_F(RegisterScriptTest, DeletingTheOpenTournamentReportsItsHeldPlayerTableAndDeletesTheRest) {
  const std::string t = session_.Folder("t");
  const std::string script = CreateLines(t, "AB", "Abierto", 3, 2) +
                             "menu mnuHojTor\nform FrmHT\nclick btnHTBorr\nyes\nyes\nclick btnHTOk\nquit\n";
  const Session::Run run = session_.Script(script);
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_EQ(run.transcript, kTitle + CreatedTranscript(t, "Abierto") + "FORM|FrmHT|Hojear torneos en " + t +
                                "\nYESNO|¡Cuidado!|¿Realmente desea borrar el torneo \\nAbierto?|yes\n"
                                "YESNO|¡Cuidado!|¿Borrar también todos los ficheros del torneo?|yes\n"
                                "INFO||El fichero " + t + "/cuAB.dbf no se ha podido borrar\\nProbablemente esté "
                                "abierto, por lo que deberá borrarlo manualmente\n"
                                "INFO|¡Atención!|Torneo borrado\nRELEASE|FrmHT\n");
  EXPECT_TRUE(Exists(t + "/cuAB.dbf"));
  EXPECT_FALSE(Exists(t + "/r1AB.dbf"));
  EXPECT_FALSE(Exists(t + "/r2AB.dbf"));
}

TEST_F(RegisterScriptTest, ImportCopiesOnlyTheTournamentsOwnFilesAndItsRecord) {
  const std::string from = session_.Folder("origen");
  const std::string t = session_.Folder("t");
  const Session::Run made = session_.Script(CreateLines(from, "CD", "Importado", 4, 3) +
                                            CreateLines(from, "XCD", "Vecino", 2, 1) +
                                            CreateLines(t, "AB", "Local", 2, 1) + "quit\n");
  ASSERT_EQ(made.status, 0) << made.transcript;
  WriteFileBytes(from + "/prCD_c.ntx", "index");
  const Session::Run run = session_.Script("menu mnuAbrTorn1\nmenu mnuImpTorneo\nfile " + from + "/cuCD.dbf\nquit\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_EQ(run.transcript, kTitle + TitleOf("Local") + "FILE|Elija el cuadro del torneo a importar|" + from +
                                "/cuCD.dbf\nINFO|¡Hecho!|Torneo importado\n");
  for (const char* name : {"cuCD.dbf", "r1CD.dbf", "r2CD.dbf", "r3CD.dbf", "prCD_c.ntx"}) {
    EXPECT_EQ(ReadFileBytes(t + "/" + name), ReadFileBytes(from + "/" + name)) << name;
  }
  for (const char* name : {"cuXCD.dbf", "r1XCD.dbf"}) EXPECT_FALSE(Exists(t + "/" + name)) << name;
  const auto reg = DumpTables({t + "/torneos.dbf"});
  const auto& here = reg.at("torneos.dbf").records;
  ASSERT_EQ(here.size(), 2u);
  EXPECT_EQ(here[0][0], "AB");
  EXPECT_EQ(here[1][0], "CD");
  EXPECT_EQ(here[1][1], "Importado");
  EXPECT_EQ(here[1][6], "3");
}

TEST_F(RegisterScriptTest, ImportWithoutSourceRegisterOrKeyChangesNothing) {
  const std::string from = session_.Folder("origen");
  const std::string t = session_.Folder("t");
  ASSERT_EQ(session_.Script(CreateLines(t, "AB", "Local", 2, 1) + "quit\n").status, 0);
  WriteFileBytes(from + "/cuCD.dbf", "x");
  const std::string before = ReadFileBytes(t + "/torneos.dbf");
  const Session::Run run = session_.Script("menu mnuAbrTorn1\nmenu mnuImpTorneo\nfile " + from +
                                                    "/cuCD.dbf\nmenu mnuImpTorneo\nfile\nquit\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_EQ(run.transcript,
            kTitle + TitleOf("Local") + "FILE|Elija el cuadro del torneo a importar|" + from +
                "/cuCD.dbf\nINFO||No se ha encontrado el fichero Torneos.dbf con los datos generales del torneo\\n"
                "Puede crear un torneo nuevo con la misma clave y después copiar \\nlos ficheros a importar "
                "sobreescribiendo los recién creados\nFILE|Elija el cuadro del torneo a importar|\n"
                "INFO||No ha elegido ningún torneo\n");
  EXPECT_EQ(ReadFileBytes(t + "/torneos.dbf"), before);
  EXPECT_FALSE(Exists(t + "/cuCD.dbf"));
}

TEST_F(RegisterScriptTest, RecentEntriesRotateAndReopenTheTournament) {
  const std::string t1 = session_.Folder("t1");
  const std::string t2 = session_.Folder("t2");
  ASSERT_EQ(session_.Script(CreateLines(t1, "AB", "Primero", 2, 1) + "quit\n").status, 0);
  ASSERT_EQ(session_.Script(CreateLines(t2, "CD", "Segundo", 2, 1) + "quit\n").status, 0);
  std::string ini = ReadFileBytes(session_.settings());
  for (const std::string& line : {std::string("Torneo1=Segundo"), "Fichero1=" + t2 + "/cuCD.dbf", std::string("Torneo2=Primero"),
                                  "Fichero2=" + t1 + "/cuAB.dbf"}) {
    EXPECT_NE(ini.find(line), std::string::npos) << line << "\n" << ini;
  }
  const Session::Run run = session_.Script("menu \"&Torneo\" \"&2 - Primero\"\nquit\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_EQ(run.transcript, kTitle + TitleOf("Primero"));
  ini = ReadFileBytes(session_.settings());
  for (const std::string& line : {std::string("Torneo1=Primero"), "Fichero1=" + t1 + "/cuAB.dbf",
                                  std::string("Torneo2=Segundo"), "Fichero2=" + t2 + "/cuCD.dbf"}) {
    EXPECT_NE(ini.find(line), std::string::npos) << line << "\n" << ini;
  }
  // Reopening Torneo1 leaves the file as it is.
  const Session::Run again = session_.Script("menu mnuAbrTorn1\nquit\n");
  EXPECT_EQ(again.transcript, kTitle + TitleOf("Primero"));
  EXPECT_EQ(ReadFileBytes(session_.settings()), ini);
}

TEST_F(RegisterScriptTest, AddingABoardGrowsEveryRoundTableAndSkipsMissingOnes) {
  const std::string t = session_.Folder("t");
  ASSERT_EQ(session_.Script(CreateLines(t, "AB", "Tablero", 7, 3) + "quit\n").status, 0);
  std::filesystem::remove(t + "/r2AB.dbf");
  const Session::Run run = session_.Script("menu mnuAbrTorn1\nmenu mnuAnaRegFRdas\nquit\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_EQ(run.transcript, kTitle + TitleOf("Tablero") + "INFO|¡Hecho!|Se ha añadido un registro a cada fichero de ronda\n");
  auto tables = DumpTables({t + "/r1AB.dbf", t + "/r3AB.dbf"});
  EXPECT_EQ(tables["r1AB.dbf"].records.size(), 5u);  // seven players: four boards, and one more
  EXPECT_EQ(tables["r3AB.dbf"].records.size(), 5u);
  EXPECT_FALSE(Exists(t + "/r2AB.dbf"));
}

TEST_F(RegisterScriptTest, DosFolderWithUpperCaseNamesIsUpgradedAndKeepsItsBackup) {
  const std::string dos = session_.CopyDosFixture("dos");
  const std::string original = ReadFileBytes(dos + "/CUOP.DBF");
  const Session::Run run = session_.Script("menu \"&Torneo\" \"&Elegir torneo\"\nfile " + dos +
                                           "/CUOP.DBF\nyes\nmenu mnuHojTor\nform FrmHT\nclick btnHTOk\nquit\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_EQ(run.transcript,
            std::string(kTitle) + "FILE|Elegir cuadro de torneo|" + dos + "/CUOP.DBF\n"
                "YESNO|¡Atención!|Este fichero fue creado con Zendral para DOS\\nPara utilizarlo con Movarel "
                "v3.0-beta3 debe actualizar su formato\\nTras ello, algunas funciones de Zendral para DOS ya no "
                "funcionarán en este torneo\\n¿Desea actualizar el formato?|yes\n"
                "INFO||Movarel ha añadido al torneo campos necesarios en esta versión\\nA partir de este momento no "
                "se debe utilizar la opción \\nACTUALIZAR ESTRUCTURA DE LOS FICHEROS de Zendral para DOS \\ny "
                "algunas funciones de Zendral para DOS no funcionarán\n" +
                TitleOf("OPEN DE PRUEBA OP") + "FORM|FrmHT|Hojear torneos en " + dos + "\nRELEASE|FrmHT\n");
  EXPECT_EQ(ReadFileBytes(dos + "/cuOP.bak"), original);
  EXPECT_FALSE(Exists(dos + "/cuadrow.tmp"));
  EXPECT_FALSE(Exists(dos + "/cuOP.dbf"));  // the table keeps the DOS program's spelling
  auto tables = DumpTables({dos + "/CUOP.DBF", dos + "/cuOP.bak"});
  const auto& upgraded = tables["CUOP.DBF"];
  const auto& old = tables["cuOP.bak"];
  EXPECT_EQ(upgraded.fields.size(), 111u);
  EXPECT_NE(std::find(upgraded.fields.begin(), upgraded.fields.end(), "SEXO C 1 0"), upgraded.fields.end());
  ASSERT_EQ(upgraded.records.size(), 10u);
  ASSERT_EQ(old.records.size(), 10u);
  for (size_t i = 0; i < 10; ++i) {
    EXPECT_EQ(upgraded.records[i][0], old.records[i][0]);  // NUM
    EXPECT_EQ(upgraded.records[i][1], old.records[i][1]);  // JUG, code page 850 bytes read alike
  }
  // The code page 850 byte of Ñ (0xA5) is still there, not translated.
  EXPECT_NE(ReadFileBytes(dos + "/CUOP.DBF").find('\xA5'), std::string::npos);
}

TEST_F(RegisterScriptTest, DeclinedUpgradeLeavesTheDosTableAndNoTournamentOpen) {
  const std::string dos = session_.CopyDosFixture("dos");
  const std::string original = ReadFileBytes(dos + "/CUOP.DBF");
  const Session::Run run =
      session_.Script("menu \"&Torneo\" \"&Elegir torneo\"\nfile " + dos + "/CUOP.DBF\nno\nmenu mnuHojTor\nquit\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_NE(run.transcript.find("|no\nINFO||No se ha encontrado el torneo\nMENU DISABLED|mnuHojTor\n"),
            std::string::npos)
      << run.transcript;
  EXPECT_EQ(ReadFileBytes(dos + "/CUOP.DBF"), original);
  EXPECT_FALSE(Exists(dos + "/cuOP.bak"));
}

TEST_F(RegisterScriptTest, PlayerTableWhoseHeaderUnderCountsItsRecordsIsReportedDamagedAndLeftAlone) {
  const std::string t = session_.Folder("t");
  ASSERT_EQ(session_.Script(CreateLines(t, "AB", "Cuenta", 6, 1) + "quit\n").status, 0);
  std::string bytes = ReadFileBytes(t + "/cuAB.dbf");
  bytes[4] = 4;  // the header's record count says 4; the file holds 6
  WriteFileBytes(t + "/cuAB.dbf", bytes);
  const Session::Run run = session_.Script("menu mnuAbrTorn1\nmenu mnuVerCuadro\nquit\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_EQ(run.transcript, std::string(kTitle) + "STOP||No se puede abrir el torneo\\nEl fichero " + t +
                                "/cuAB.dbf está dañado y no se ha tocado\\n" + t +
                                "/cuAB.dbf: la cabecera declara 4 registros y el archivo contiene 6\n"
                                "MENU DISABLED|mnuVerCuadro\n");
  EXPECT_EQ(ReadFileBytes(t + "/cuAB.dbf"), bytes);
}

TEST_F(RegisterScriptTest, CreationThatCannotMakeARoundTableLeavesNoRecordAndNoFiles) {
  const std::string fresh = session_.Folder("nueva");
  const std::string t = session_.Folder("t");
  ASSERT_EQ(session_.Script(CreateLines(t, "CD", "Vecino", 2, 1) + "quit\n").status, 0);
  const std::string register_bytes = ReadFileBytes(t + "/torneos.dbf");
  // A folder where round 2's table should go stops the creation half-way.
  for (const std::string& folder : {fresh, t}) std::filesystem::create_directory(folder + "/r2AB.dbf");
  const std::string script = CreateLines(fresh, "AB", "Fallido", 4, 3) + CreateLines(t, "AB", "Fallido", 4, 3);
  const Session::Run run = session_.Script(script + "quit\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  std::string expected = kTitle;
  for (const std::string& folder : {fresh, t}) {
    expected += "FOLDER|Crear torneo nuevo en...|" + folder + "\nFORM|FrmET|" + folder +
                "\nRELEASE|FrmET\nSTOP||No se han podido crear los ficheros del torneo\\nFichero: " + folder +
                "/r2AB.dbf\\n" + "r2AB.dbf: no se pudo reemplazar: Is a directory\\nNo se ha añadido nada a la "
                "carpeta\n";
  }
  EXPECT_EQ(run.transcript, expected);
  for (const char* name : {"torneos.dbf", "cuAB.dbf", "r1AB.dbf", "r3AB.dbf"}) {
    EXPECT_FALSE(Exists(fresh + "/" + name)) << name;
  }
  for (const char* name : {"cuAB.dbf", "r1AB.dbf", "r3AB.dbf"}) EXPECT_FALSE(Exists(t + "/" + name)) << name;
  EXPECT_EQ(ReadFileBytes(t + "/torneos.dbf"), register_bytes);
  // The key is free: once the obstacle is gone the same tournament is made.
  std::filesystem::remove(t + "/r2AB.dbf");
  const Session::Run again = session_.Script(CreateLines(t, "AB", "Fallido", 4, 3) + "quit\n");
  EXPECT_EQ(again.transcript, kTitle + CreatedTranscript(t, "Fallido"));
}

TEST_F(RegisterScriptTest, ReadOnlyFileIsKeptWithItsCauseAndTheRegisterIsNotATournament) {
  const std::string t = session_.Folder("t");
  ASSERT_EQ(session_.Script(CreateLines(t, "AB", "Torneo AB", 2, 2) + CreateLines(t, "CD", "Torneo CD", 2, 1) +
                            "quit\n")
                .status,
            0);
  std::filesystem::permissions(t + "/r1AB.dbf", std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                                    std::filesystem::perms::others_read);
  const std::string register_bytes = ReadFileBytes(t + "/torneos.dbf");
  const Session::Run chosen = session_.Script("menu \"&Torneo\" \"&Elegir torneo\"\nfile " + t +
                                              "/torneos.dbf\nmenu mnuHojTor\nquit\n");
  ASSERT_EQ(chosen.status, 0) << chosen.transcript;
  EXPECT_EQ(chosen.transcript, std::string(kTitle) + "FILE|Elegir cuadro de torneo|" + t + "/torneos.dbf\n" +
                                   "STOP||No se puede abrir el torneo\\nEl fichero " + t +
                                   "/torneos.dbf es el registro de los torneos de la carpeta, no el cuadro de un "
                                   "torneo\\nElija el cuadro del torneo: cu + su clave + .dbf\n"
                                   "MENU DISABLED|mnuHojTor\n");
  EXPECT_EQ(ReadFileBytes(t + "/torneos.dbf"), register_bytes);

  const Session::Run run = session_.Script("menu mnuAbrTorn1\nmenu mnuHojTor\nform FrmHT\nset brwTorneos 1\n"
                                           "click btnHTBorr\nyes\nyes\nclick btnHTOk\nquit\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_NE(run.transcript.find("INFO||El fichero " + t + "/r1AB.dbf no se ha podido borrar\\nEs un fichero de "
                                "solo lectura: si de verdad quiere borrarlo, quítele esa protección y bórrelo "
                                "manualmente\nINFO|¡Atención!|Torneo borrado\n"),
            std::string::npos)
      << run.transcript;
  EXPECT_TRUE(Exists(t + "/r1AB.dbf"));
  EXPECT_FALSE(Exists(t + "/cuAB.dbf"));
  EXPECT_FALSE(Exists(t + "/r2AB.dbf"));
}

class HeldTableTest : public RegisterScriptTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(HeldTableTest, AnotherProgramsHoldIsNamedAndNoTournamentIsOpen) {
  const std::string t = session_.Folder("t");
  ASSERT_EQ(session_.Script(CreateLines(t, "AB", "Retenido", 2, 1) + "quit\n").status, 0);
  // This test process is the other program: it holds the table for exclusive use through
  // the storage layer, as a second copy of Movarel would.
  storage::Workspace other;
  ASSERT_TRUE(other.Use(t + "/" + GetParam(), "retenido", /*shared=*/false).ok());
  const Session::Run run = session_.Script("menu mnuAbrTorn1\nmenu mnuHojTor\nquit\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_EQ(run.transcript, std::string(kTitle) + "STOP||No se puede abrir el torneo\\nEl fichero " + t + "/" +
                                GetParam() + " está siendo utilizado por otro programa\nMENU DISABLED|mnuHojTor\n");
  other.CloseAll();
  const Session::Run free = session_.Script("menu mnuAbrTorn1\nquit\n");
  EXPECT_EQ(free.transcript, kTitle + TitleOf("Retenido"));
}

INSTANTIATE_TEST_SUITE_P(Tables, HeldTableTest, ::testing::Values("cuAB.dbf", "torneos.dbf"));

}  // namespace
}  // namespace movarel::registry
