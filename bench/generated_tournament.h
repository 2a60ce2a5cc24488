#pragma once
// A full tournament for the benchmarks, made once per process: 999 players and 15 rounds
// with every kind of result (wins, draws in both half-point bytes, forfeits either way and
// double, a bye worth a point or a half, two players left unpaired each round). The folder
// is left as opening the tournament leaves it: the current folder, the register "torneos"
// and the player table "cuBE" open for exclusive use, the round tables "r1BE".."r15BE"
// holding the boards, the column table "cclas" and the templates folder beside them.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "register/file_names.h"
#include "register/table_layouts.h"
#include "register/templates.h"
#include "register/working_state.h"
#include "storage/files.h"
#include "storage/table.h"
#include "storage/workspace.h"
#include "ui/dialogs.h"

namespace movarel::bench {

inline constexpr int kPlayers = 999;
inline constexpr int kRounds = 15;

// Answers nothing and counts the stop boxes, so a benchmark can tell a refused run.
struct SilentDialogs : ui::Dialogs {
  int stops = 0;
  void MsgInfo(const std::string&, const std::string&) override {}
  void MsgStop(const std::string&, const std::string&) override { ++stops; }
  void MsgExclamation(const std::string&, const std::string&) override {}
  bool MsgYesNo(const std::string&, const std::string&) override { return false; }
  std::string InputBox(const std::string&, const std::string&, const std::string&) override { return ""; }
  std::string GetFile(const std::vector<ui::FileFilter>&, const std::string&, const std::string&,
                      bool) override {
    return "";
  }
  std::string GetFolder(const std::string&) override { return ""; }
  void OpenDocument(const std::string&) override {}
};

struct GeneratedTournament {
  std::filesystem::path dir;
  SilentDialogs dialogs;
  registry::WorkingState state;
  storage::Table* cuadro = nullptr;
};

namespace detail {

inline void PutRound(storage::Table& t, int player, int round, int opponent, const char* colour,
                     const char* points, bool forfeit) {
  t.GoTo(static_cast<uint32_t>(player));
  (void)t.Put(registry::RoundFieldName(round, 'J'), static_cast<double>(opponent));
  (void)t.Put(registry::RoundFieldName(round, 'C'), std::string(colour));
  (void)t.Put(registry::RoundFieldName(round, 'P'), std::string(points));
  (void)t.Put(registry::RoundFieldName(round, 'I'), std::string(forfeit ? "i" : " "));
}

inline void Require(bool ok) {
  if (!ok) std::abort();
}

inline void WriteRegister(registry::WorkingState& s, const std::filesystem::path& dir) {
  const std::string path = (dir / "torneos.dbf").string();
  Require(storage::CreateTable(path, registry::TorneosFields()).ok());
  auto torneos = s.workspace.Use(path, "torneos", /*shared=*/false);
  Require(torneos.ok());
  storage::Table& r = **torneos;
  (void)r.Append();
  (void)r.Put("FICHERO", std::string("BE"));
  (void)r.Put("TORNEO", std::string("Open Internacional"));
  (void)r.Put("LOCALIDAD", std::string("Valencia"));
  (void)r.Put("FECHA_INI", storage::Date{2024, 7, 1});
  (void)r.Put("FECHA_FIN", storage::Date{2024, 7, 9});
  (void)r.Put("N_JUGS", static_cast<double>(kPlayers));
  (void)r.Put("N_RONDAS", static_cast<double>(kRounds));
  (void)r.Put("N_R_ACTUAL", static_cast<double>(kRounds));
  (void)r.Commit();
}

}  // namespace detail

inline GeneratedTournament& Tournament() {
  static GeneratedTournament* made = [] {
    using detail::PutRound;
    using detail::Require;
    auto* g = new GeneratedTournament;
    g->dir = std::filesystem::temp_directory_path() / "movarel_bench_tournament";
    std::filesystem::remove_all(g->dir);
    std::filesystem::create_directories(g->dir);
    std::filesystem::current_path(g->dir);
    registry::WorkingState& s = g->state;
    s.dialogs = &g->dialogs;
    s.CCARPINI = g->dir.string();
    s.CCLAVE = "BE";
    s.NDIGRONDAS = 2;
    s.CABRIRNAV = "N";
    const std::string templates = registry::TemplatesFolder(s.CCARPINI);
    Require(registry::MakeTemplates(templates).ok());
    Require(storage::CopyFile(templates + "cclas.dbf", (g->dir / "cclas.dbf").string()).ok());
    detail::WriteRegister(s, g->dir);

    const std::string path = (g->dir / "cuBE.dbf").string();
    Require(storage::CreateTable(path, registry::CuadroFields()).ok());
    auto opened = s.workspace.Use(path, "cuadro", /*shared=*/false);
    Require(opened.ok());
    g->cuadro = *opened;
    storage::Table& t = *g->cuadro;
    std::mt19937 random(20240915);
    for (int p = 1; p <= kPlayers; ++p) {
      (void)t.Append();
      (void)t.Put("NUM", static_cast<double>(p));
      (void)t.Put("JUG", "JUGADOR " + std::to_string(p));
      (void)t.Put("CLUB", std::string("CLUB ") + std::to_string(p % 40));
      (void)t.Put("ELOFIDE", random() % 3 == 0 ? 0.0 : 1400.0 + random() % 1300);
      (void)t.Put("ELO", random() % 5 == 0 ? 0.0 : 1200.0 + random() % 1300);
      (void)t.Put("K", static_cast<double>((random() % 4) * 10));
    }
    struct Result {
      const char* white;
      const char* black;
      bool forfeit;
      const char* rdo;
    };
    const Result results[] = {{"1", "0", false, " 1-0 "},           {"0", "1", false, " 0-1 "},
                              {"\xBD", "\xBD", false, " \xBD-\xBD "}, {"\xAB", "\xAB", false, " \xAB-\xAB "},
                              {"1", "0", true, " 1-0i"},            {"0", "1", true, "i0-1 "},
                              {"0", "0", true, "i0-0i"},            {"1", "0", false, " 1-0 "},
                              {"0", "1", false, " 0-1 "}};
    std::vector<int> order(kPlayers);
    std::iota(order.begin(), order.end(), 1);
    for (int round = 1; round <= kRounds; ++round) {
      std::shuffle(order.begin(), order.end(), random);
      const std::string file = (g->dir / (registry::RoundTableName(round, "BE") + ".dbf")).string();
      Require(storage::CreateTable(file, registry::RondaFields()).ok());
      storage::Workspace boards;
      auto ronda = boards.Use(file, "ronda", /*shared=*/false);
      Require(ronda.ok());
      // Two players sit the round out (absent or withdrawn): colour, opponent, points blank.
      for (size_t i = 0; i < 2; ++i) PutRound(t, order[i], round, 0, " ", " ", false);
      for (size_t i = 3; i + 1 < order.size(); i += 2) {
        const Result& r = results[random() % std::size(results)];
        PutRound(t, order[i], round, order[i + 1], "B", r.white, r.forfeit);
        PutRound(t, order[i + 1], round, order[i], "N", r.black, r.forfeit);
        (void)(*ronda)->Append();
        (void)(*ronda)->Put("JUG_B", static_cast<double>(order[i]));
        (void)(*ronda)->Put("JUG_N", static_cast<double>(order[i + 1]));
        (void)(*ronda)->Put("RDO", std::string(r.rdo));
      }
      // The bye, worth a point or a half, on the last board.
      const bool whole = round % 2 == 1;
      PutRound(t, order[2], round, 0, "D", whole ? "1" : "\xBD", false);
      (void)(*ronda)->Append();
      (void)(*ronda)->Put("JUG_B", static_cast<double>(order[2]));
      (void)(*ronda)->Put("RDO", std::string(whole ? " 1-0 " : " \xBD-\xBD "));
      boards.CloseAll();
    }
    (void)t.Commit();
    return g;
  }();
  return *made;
}

}  // namespace movarel::bench
