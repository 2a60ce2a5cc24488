#pragma once
// A tournament written by hand into a folder, as pairing validation and result entry leave
// the tables: key HM, seven players, five rounds.
//
//   #  name          sex FIDE  FEDA  FIDE id  FEDA id
//   1  Muñoz, José    M  2300  2250  2200001  12345 (region VAL), born 1990-05-01
//   2  García, Ana    F  2250     0  2200002
//   3  López, Luis    M  2100
//   4  Martín, Eva    F  2000        withdrawn after round 2
//   5  Ruiz, Pau      M     0  1800
//   6  Sanz, Olga     F  1900
//   7  Vidal, Marc    M  1850
//
//   round 1: 1-5 " 1-0 "   6-2 " 0-1 "   3-7 " ½-½ "   4 bye
//   round 2: 2-1 draw written with the DOS half byte 0xAB   7-4 " 1-0i"   5-3 "i0-1 "   6 bye
//   round 3: 1-3 " 1-0 "   7-2 "i0-0i"   6-5 " 0-1 "    4 not paired
//   round 4: 2-1, 3-6, 5-7 paired, no results yet       round 5: nothing

#include <gtest/gtest.h>

#include <string>

#include "register/file_names.h"
#include "register/table_layouts.h"
#include "storage/table.h"
#include "storage/workspace.h"

namespace movarel::trf_tables::testing {

inline void WriteHandMadeTournament(const std::string& folder) {
  storage::Workspace ws;
  ASSERT_TRUE(storage::CreateTable(folder + "/torneos.dbf", registry::TorneosFields()).ok());
  auto torneos = ws.Use(folder + "/torneos.dbf", "torneos", false);
  ASSERT_TRUE(torneos.ok());
  storage::Table& t = **torneos;
  ASSERT_TRUE(t.Append().ok());
  EXPECT_TRUE(t.Put("FICHERO", std::string("HM")).ok());
  EXPECT_TRUE(t.Put("TORNEO", std::string("Open Hecho a Mano")).ok());
  EXPECT_TRUE(t.Put("LOCALIDAD", std::string("Valencia")).ok());
  EXPECT_TRUE(t.Put("FECHA_INI", storage::Date{2026, 3, 13}).ok());
  EXPECT_TRUE(t.Put("FECHA_FIN", storage::Date{2026, 3, 17}).ok());
  EXPECT_TRUE(t.Put("N_JUGS", 7.0).ok());
  EXPECT_TRUE(t.Put("N_RONDAS", 5.0).ok());
  EXPECT_TRUE(t.Put("N_R_ACTUAL", 4.0).ok());
  EXPECT_TRUE(t.Put("PRIM_CONTR", std::string("90 min")).ok());
  EXPECT_TRUE(t.Put("SEGU_CONTR", std::string("30 seg")).ok());
  EXPECT_TRUE(t.Put("ARBIT_PPAL", std::string("AI P\xE9rez, Juan")).ok());
  EXPECT_TRUE(t.Put("ARBIT_AUX", std::string("AA Gil, Rosa")).ok());
  ASSERT_TRUE(t.Commit().ok());

  ASSERT_TRUE(storage::CreateTable(folder + "/cuHM.dbf", registry::CuadroFields()).ok());
  auto cuadro = ws.Use(folder + "/cuHM.dbf", "cuadro", false);
  ASSERT_TRUE(cuadro.ok());
  storage::Table& c = **cuadro;
  struct Player {
    const char* jug;
    const char* sexo;
    double elofide, elofeda;
    const char* cod_fide;
    const char* cod_feda;
    const char* autonomia;
    bool baja;
  };
  const Player players[] = {
      {"Mu\xF1oz, Jos\xE9", "M", 2300, 2250, "2200001", "12345", "VAL", false},
      {"Garc\xED"
       "a, Ana",
       "F", 2250, 0, "2200002", "", "", false},
      {"L\xF3pez, Luis", "M", 2100, 0, "", "", "", false},
      {"Mart\xEDn, Eva", "F", 2000, 0, "", "", "", true},
      {"Ruiz, Pau", "M", 0, 1800, "", "", "", false},
      {"Sanz, Olga", "F", 1900, 0, "", "", "", false},
      {"Vidal, Marc", "M", 1850, 0, "", "", "", false},
  };
  double num = 0;
  for (const Player& p : players) {
    ASSERT_TRUE(c.Append().ok());
    EXPECT_TRUE(c.Put("NUM", ++num).ok());
    EXPECT_TRUE(c.Put("JUG", std::string(p.jug)).ok());
    EXPECT_TRUE(c.Put("SEXO", std::string(p.sexo)).ok());
    EXPECT_TRUE(c.Put("ELOFIDE", p.elofide).ok());
    EXPECT_TRUE(c.Put("ELOFEDA", p.elofeda).ok());
    EXPECT_TRUE(c.Put("COD_PAIS", std::string("ESP")).ok());
    EXPECT_TRUE(c.Put("COD_FIDE", std::string(p.cod_fide)).ok());
    EXPECT_TRUE(c.Put("COD_FEDA", std::string(p.cod_feda)).ok());
    EXPECT_TRUE(c.Put("AUTONOMIA", std::string(p.autonomia)).ok());
    EXPECT_TRUE(c.Put("BAJA", p.baja).ok());
  }
  c.GoTo(1);
  EXPECT_TRUE(c.Put("FECHA_NAC", storage::Date{1990, 5, 1}).ok());
  // round, white, black (0 = bye), White's points, Black's points, forfeit
  auto game = [&c](int round, int white, int black, const char* pw, const char* pb, const char* forfeit) {
    auto side = [&](int player, int opponent, const char* colour, const char* points) {
      c.GoTo(static_cast<uint32_t>(player));
      EXPECT_TRUE(c.Put(registry::RoundFieldName(round, 'J'), static_cast<double>(opponent)).ok());
      EXPECT_TRUE(c.Put(registry::RoundFieldName(round, 'C'), std::string(colour)).ok());
      EXPECT_TRUE(c.Put(registry::RoundFieldName(round, 'P'), std::string(points)).ok());
      EXPECT_TRUE(c.Put(registry::RoundFieldName(round, 'I'), std::string(forfeit)).ok());
    };
    side(white, black, black == 0 ? "D" : "B", pw);
    if (black != 0) side(black, white, "N", pb);
  };
  game(1, 1, 5, "1", "0", " ");
  game(1, 6, 2, "0", "1", " ");
  game(1, 3, 7, "\xBD", "\xBD", " ");
  game(1, 4, 0, "1", "", " ");
  game(2, 2, 1, "\xAB", "\xAB", " ");
  game(2, 7, 4, "1", "0", "i");
  game(2, 5, 3, "0", "1", "i");
  game(2, 6, 0, "1", "", " ");
  game(3, 1, 3, "1", "0", " ");
  game(3, 7, 2, "0", "0", "i");
  game(3, 6, 5, "0", "1", " ");
  game(4, 2, 1, " ", " ", " ");
  game(4, 3, 6, " ", " ", " ");
  game(4, 5, 7, " ", " ", " ");
  ASSERT_TRUE(c.Commit().ok());
  ws.CloseAll();
}

}  // namespace movarel::trf_tables::testing
