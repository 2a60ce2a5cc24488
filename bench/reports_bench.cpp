// The full tournament pages of a 999-player, 15-round tournament: the index, the seeding
// order, the pairing-and-results and standings pages of all 15 rounds and the crosstable,
// each with its standings computation, written into the tournament's folder. Target: under
// one second for the whole set.

#include <benchmark/benchmark.h>

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
#include "reports/pairing_report.h"
#include "reports/score_groups_report.h"
#include "reports/seeding_report.h"
#include "reports/tournament_pages.h"
#include "storage/files.h"
#include "ui/dialogs.h"

namespace {

using namespace movarel;

constexpr int kPlayers = 999;
constexpr int kRounds = 15;

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
};

void PutRound(storage::Table& t, int player, int round, int opponent, const char* colour, const char* points,
              bool forfeit) {
  t.GoTo(static_cast<uint32_t>(player));
  (void)t.Put(registry::RoundFieldName(round, 'J'), static_cast<double>(opponent));
  (void)t.Put(registry::RoundFieldName(round, 'C'), std::string(colour));
  (void)t.Put(registry::RoundFieldName(round, 'P'), std::string(points));
  (void)t.Put(registry::RoundFieldName(round, 'I'), std::string(forfeit ? "i" : " "));
}

// The folder as opening the tournament leaves it: current folder, register and player table
// open for exclusive use, the column table and the templates beside them.
GeneratedTournament& Tournament() {
  static GeneratedTournament* made = [] {
    auto* g = new GeneratedTournament;
    g->dir = std::filesystem::temp_directory_path() / "movarel_reports_bench";
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
    if (!registry::MakeTemplates(templates).ok()) std::abort();
    if (!storage::CopyFile(templates + "cclas.dbf", (g->dir / "cclas.dbf").string()).ok()) std::abort();

    if (!storage::CreateTable((g->dir / "torneos.dbf").string(), registry::TorneosFields()).ok())
      std::abort();
    auto torneos = s.workspace.Use((g->dir / "torneos.dbf").string(), "torneos", /*shared=*/false);
    if (!torneos.ok()) std::abort();
    (void)(*torneos)->Append();
    (void)(*torneos)->Put("FICHERO", std::string("BE"));
    (void)(*torneos)->Put("TORNEO", std::string("Open Internacional"));
    (void)(*torneos)->Put("LOCALIDAD", std::string("Valencia"));
    (void)(*torneos)->Put("FECHA_INI", storage::Date{2024, 7, 1});
    (void)(*torneos)->Put("FECHA_FIN", storage::Date{2024, 7, 9});
    (void)(*torneos)->Put("N_JUGS", static_cast<double>(kPlayers));
    (void)(*torneos)->Put("N_RONDAS", static_cast<double>(kRounds));
    (void)(*torneos)->Put("N_R_ACTUAL", static_cast<double>(kRounds));
    (void)(*torneos)->Commit();

    const std::string path = (g->dir / "cuBE.dbf").string();
    if (!storage::CreateTable(path, registry::CuadroFields()).ok()) std::abort();
    auto opened = s.workspace.Use(path, "cuadro", /*shared=*/false);
    if (!opened.ok()) std::abort();
    storage::Table& t = **opened;
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
    const Result results[] = {
        {"1", "0", false, " 1-0 "}, {"0", "1", false, " 0-1 "}, {"\xBD", "\xBD", false, " \xBD-\xBD "},
        {"1", "0", true, " 1-0i"},  {"0", "1", true, "i0-1 "},  {"1", "0", false, " 1-0 "}};
    std::vector<int> order(kPlayers);
    std::iota(order.begin(), order.end(), 1);
    for (int round = 1; round <= kRounds; ++round) {
      std::shuffle(order.begin(), order.end(), random);
      const std::string file = (g->dir / (registry::RoundTableName(round, "BE") + ".dbf")).string();
      if (!storage::CreateTable(file, registry::RondaFields()).ok()) std::abort();
      storage::Workspace boards;
      auto ronda = boards.Use(file, "ronda", /*shared=*/false);
      if (!ronda.ok()) std::abort();
      for (size_t i = 0; i + 1 < order.size(); i += 2) {
        const Result& r = results[random() % std::size(results)];
        PutRound(t, order[i], round, order[i + 1], "B", r.white, r.forfeit);
        PutRound(t, order[i + 1], round, order[i], "N", r.black, r.forfeit);
        (void)(*ronda)->Append();
        (void)(*ronda)->Put("JUG_B", static_cast<double>(order[i]));
        (void)(*ronda)->Put("JUG_N", static_cast<double>(order[i + 1]));
        (void)(*ronda)->Put("RDO", std::string(r.rdo));
      }
      // The odd player out has the bye on the last board.
      PutRound(t, order.back(), round, 0, "D", "1", false);
      (void)(*ronda)->Append();
      (void)(*ronda)->Put("JUG_B", static_cast<double>(order.back()));
      (void)(*ronda)->Put("RDO", std::string(" 1-0 "));
      boards.CloseAll();
    }
    (void)t.Commit();
    return g;
  }();
  return *made;
}

void BM_FullTournamentPages(benchmark::State& bench) {
  GeneratedTournament& g = Tournament();
  for (auto _ : bench) {
    if (!reports::LISHTMPAG(g.state) || g.dialogs.stops != 0)
      bench.SkipWithError("the pages were not written");
  }
}
BENCHMARK(BM_FullTournamentPages)->Unit(benchmark::kMillisecond);

void BM_SeedingOrderPage(benchmark::State& bench) {
  GeneratedTournament& g = Tournament();
  for (auto _ : bench) {
    if (!reports::LISHTMOF(g.state, "zdbeof", false)) bench.SkipWithError("the page was not written");
  }
}
BENCHMARK(BM_SeedingOrderPage)->Unit(benchmark::kMillisecond);

void BM_PairingPageOfRound15(benchmark::State& bench) {
  GeneratedTournament& g = Tournament();
  for (auto _ : bench) {
    if (!reports::LISHTMPAREO(g.state, kRounds, "zdber15", true, false)) bench.SkipWithError("not written");
  }
}
BENCHMARK(BM_PairingPageOfRound15)->Unit(benchmark::kMillisecond);

void BM_ScoreGroupsBeforeRound15(benchmark::State& bench) {
  GeneratedTournament& g = Tournament();
  for (auto _ : bench) {
    if (!reports::LISHTMGP(g.state, kRounds)) bench.SkipWithError("not written");
  }
}
BENCHMARK(BM_ScoreGroupsBeforeRound15)->Unit(benchmark::kMillisecond);

}  // namespace
