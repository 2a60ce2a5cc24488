#pragma once
// A small tournament worked by hand for the listing tests, set up as opening it leaves it:
// its folder is the current folder, the register "torneos" and the player table "cuAB" are
// open for exclusive use (`torneos` on the tournament's record), the round tables "r1AB" ..
// "r3AB" hold the boards and the per-round fields what pairing validation and result entry
// write. The templates folder "zd" (rating table, tie-break template) lies in the same folder,
// which is also the start folder, and the folder has the template's column table "cclas".
//
//   #  name                    club            cat FIDE FEDA  ELO
//   1  "Garc\xED" "a, Ana"        "Sueca"          "A" 2100 2050 2000
//   2  "Pe\xF1" "a & Hijos"       "<Club> Uno"      " "    0 1800 1750   withdrawn before round 3
//   3  "L\xF3pez, Luis"        "Sueca"          "B" 1900    0    0
//   4  "Mart\xEDn, Eva"        ""               " " 1850 1850 1850
//   5  "Ruiz, Pau"             "Alzira"         "C"    0    0 1500
//
//   round 1: board 1  1-3 " 1-0 "   board 2  4-2 " ½-½ "   board 3  5 bye " 1-0 "
//   round 2: board 1  2-1 " 0-1 "   board 2  3-5 "i0-1 "   board 3  4 bye " 1-0 "
//   round 3: board 1  unused        board 2  5-1 " ½-½ "   board 3  4-3 " 1-0 "
//
// Points: after round 1  1:1  2:.5  3:0  4:.5  5:1
//         after round 2  1:2  2:.5  3:0  4:1.5 5:2
// Floats (by the points before the round): round 2  2 "^" 1 "v", 3 "^" 5 "v"; round 3
// 4 "v" 3 "^"; everything else blank.

#include <gtest/gtest.h>

#include <string>

#include "register/file_names.h"
#include "register/table_layouts.h"
#include "register/templates.h"
#include "register/working_state.h"
#include "report_test_support.h"
#include "storage/files.h"
#include "storage/table.h"
#include "storage/workspace.h"

namespace movarel::reports::testing {


class HandTournament {
 public:
  HandTournament() {
    state.dialogs = &dialogs;
    state.CCARPINI = folder.path();
    state.CCLAVE = "AB";
    state.NDIGRONDAS = 1;
    state.CABRIRNAV = "S";
    EXPECT_TRUE(registry::MakeTemplates(registry::TemplatesFolder(folder.path())).ok());
    // The standings column table as a new tournament gets it from the templates.
    EXPECT_TRUE(
        storage::CopyFile(registry::TemplatesFolder(folder.path()) + "cclas.dbf", folder.file("cclas.dbf"))
            .ok());
    WriteRegister();
    WritePlayers();
    WriteRounds();
  }

  storage::Table& cuadro() { return *state.workspace.Find("cuadro"); }
  storage::Table& torneos() { return *state.workspace.Find("torneos"); }
  std::string Page(const std::string& name) const { return ReadBytes(folder.file(name)); }

  CurrentScratchFolder folder;
  RecordingDialogs dialogs;
  registry::WorkingState state;

 private:
  void WriteRegister() {
    ASSERT_TRUE(storage::CreateTable(folder.file("torneos.dbf"), registry::TorneosFields()).ok());
    auto opened = state.workspace.Use(folder.file("torneos.dbf"), "torneos", /*shared=*/false);
    ASSERT_TRUE(opened.ok());
    storage::Table& t = **opened;
    ASSERT_TRUE(t.Append().ok());
    EXPECT_TRUE(t.Put("FICHERO", std::string("AB")).ok());
    EXPECT_TRUE(t.Put("TORNEO", std::string("Open de Sueca")).ok());
    EXPECT_TRUE(t.Put("LOCALIDAD", std::string("Sueca")).ok());
    EXPECT_TRUE(t.Put("FECHA_INI", storage::Date{2024, 7, 1}).ok());
    EXPECT_TRUE(t.Put("FECHA_FIN", storage::Date{2024, 7, 3}).ok());
    EXPECT_TRUE(t.Put("N_JUGS", 5.0).ok());
    EXPECT_TRUE(t.Put("N_RONDAS", 3.0).ok());
    EXPECT_TRUE(t.Put("N_R_ACTUAL", 3.0).ok());
    EXPECT_TRUE(t.Put("PIE_PAG", std::string("Club Sueca")).ok());
    EXPECT_TRUE(t.Put("ARBIT_PPAL", std::string("Arbitro Principal")).ok());
    ASSERT_TRUE(t.Commit().ok());
  }

  struct Player {
    const char* jug;
    const char* club;
    const char* cat;
    double elofide, elofeda, elo;
    bool baja;
  };

  void WritePlayers() {
    ASSERT_TRUE(storage::CreateTable(folder.file("cuAB.dbf"), registry::CuadroFields()).ok());
    auto opened = state.workspace.Use(folder.file("cuAB.dbf"), "cuadro", /*shared=*/false);
    ASSERT_TRUE(opened.ok());
    storage::Table& t = **opened;
    const Player players[] = {
        {"Garc\xED"
         "a, Ana",
         "Sueca", "A", 2100, 2050, 2000, false},
        {"Pe\xF1"
         "a & Hijos",
         "<Club> Uno", " ", 0, 1800, 1750, true},
        {"L\xF3pez, Luis", "Sueca", "B", 1900, 0, 0, false},
        {"Mart\xEDn, Eva", "", " ", 1850, 1850, 1850, false},
        {"Ruiz, Pau", "Alzira", "C", 0, 0, 1500, false},
    };
    double num = 0;
    for (const Player& p : players) {
      ASSERT_TRUE(t.Append().ok());
      EXPECT_TRUE(t.Put("NUM", ++num).ok());
      EXPECT_TRUE(t.Put("JUG", std::string(p.jug)).ok());
      EXPECT_TRUE(t.Put("CLUB", std::string(p.club)).ok());
      EXPECT_TRUE(t.Put("CAT", std::string(p.cat)).ok());
      EXPECT_TRUE(t.Put("ELOFIDE", p.elofide).ok());
      EXPECT_TRUE(t.Put("ELOFEDA", p.elofeda).ok());
      EXPECT_TRUE(t.Put("ELO", p.elo).ok());
      EXPECT_TRUE(t.Put("BAJA", p.baja).ok());
    }
    // round, player, opponent, colour, points, forfeit, float
    Round(1, 1, 3, "B", "1", " ", " ");
    Round(1, 3, 1, "N", "0", " ", " ");
    Round(1, 4, 2, "B", kHalf, " ", " ");
    Round(1, 2, 4, "N", kHalf, " ", " ");
    Round(1, 5, 0, "D", "1", " ", " ");
    Round(2, 2, 1, "B", "0", " ", "^");
    Round(2, 1, 2, "N", "1", " ", "v");
    Round(2, 3, 5, "B", "0", "i", "^");
    Round(2, 5, 3, "N", "1", "i", "v");
    Round(2, 4, 0, "D", "1", " ", " ");
    Round(3, 5, 1, "B", kHalf, " ", " ");
    Round(3, 1, 5, "N", kHalf, " ", " ");
    Round(3, 4, 3, "B", "1", " ", "v");
    Round(3, 3, 4, "N", "0", " ", "^");
    ASSERT_TRUE(t.Commit().ok());
    t.GoTop();
  }

  void Round(int round, int player, int opponent, const std::string& colour, const std::string& points,
             const std::string& forfeit, const std::string& float_mark) {
    storage::Table& t = cuadro();
    t.GoTo(static_cast<uint32_t>(player));
    EXPECT_TRUE(t.Put(registry::RoundFieldName(round, 'J'), static_cast<double>(opponent)).ok());
    EXPECT_TRUE(t.Put(registry::RoundFieldName(round, 'C'), colour).ok());
    EXPECT_TRUE(t.Put(registry::RoundFieldName(round, 'P'), points).ok());
    EXPECT_TRUE(t.Put(registry::RoundFieldName(round, 'I'), forfeit).ok());
    EXPECT_TRUE(t.Put(registry::RoundFieldName(round, 'F'), float_mark).ok());
  }

  struct Board {
    double white, black;
    const char* rdo;
  };

  void WriteRounds() {
    const Board boards[3][3] = {
        {{1, 3, " 1-0 "}, {4, 2, " \xBD-\xBD "}, {5, 0, " 1-0 "}},
        {{2, 1, " 0-1 "}, {3, 5, "i0-1 "}, {4, 0, " 1-0 "}},
        {{0, 0, "     "}, {5, 1, " \xBD-\xBD "}, {4, 3, " 1-0 "}},
    };
    for (int round = 1; round <= 3; ++round) {
      const std::string file = folder.file(registry::RoundTableName(round, "AB") + ".dbf");
      ASSERT_TRUE(storage::CreateTable(file, registry::RondaFields()).ok());
      storage::Workspace workspace;
      auto opened = workspace.Use(file, "ronda", /*shared=*/false);
      ASSERT_TRUE(opened.ok());
      for (const Board& b : boards[round - 1]) {
        ASSERT_TRUE((*opened)->Append().ok());
        EXPECT_TRUE((*opened)->Put("JUG_B", b.white).ok());
        EXPECT_TRUE((*opened)->Put("JUG_N", b.black).ok());
        EXPECT_TRUE((*opened)->Put("RDO", std::string(b.rdo)).ok());
      }
      workspace.CloseAll();
    }
  }
};

}  // namespace movarel::reports::testing
