// The standings of a full tournament: 999 players, 15 rounds, every kind of result (wins,
// draws in both half-point bytes, forfeits either way and double, byes, players left
// unpaired). BM_ComputeScores is the computation in memory; BM_StandingsAfterRound15 is the
// whole road a listing takes: ZDCLAS reading the table, writing every changed field and the
// order file "suclas.tmp".

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <random>
#include <string>

#include "register/file_names.h"
#include "register/table_layouts.h"
#include "register/templates.h"
#include "register/working_state.h"
#include "standings/player_scores.h"
#include "standings/player_table.h"
#include "standings/zdclas.h"

namespace {

using namespace movarel;

constexpr int kPlayers = 999;
constexpr int kRounds = 15;

struct GeneratedTournament {
  std::filesystem::path dir;
  registry::WorkingState state;
  storage::Table* cuadro = nullptr;
};

void PutRound(storage::Table& t, int player, int round, int opponent, const char* colour,
              const char* points, bool forfeit) {
  t.GoTo(static_cast<uint32_t>(player));
  (void)t.Put(registry::RoundFieldName(round, 'J'), static_cast<double>(opponent));
  (void)t.Put(registry::RoundFieldName(round, 'C'), std::string(colour));
  (void)t.Put(registry::RoundFieldName(round, 'P'), std::string(points));
  (void)t.Put(registry::RoundFieldName(round, 'I'), std::string(forfeit ? "i" : " "));
}

GeneratedTournament& Tournament() {
  static GeneratedTournament* made = [] {
    auto* g = new GeneratedTournament;
    g->dir = std::filesystem::temp_directory_path() / "movarel_standings_bench";
    std::filesystem::remove_all(g->dir);
    std::filesystem::create_directories(g->dir);
    g->state.CCARPINI = g->dir.string();
    g->state.CCLAVE = "BE";
    if (!registry::MakeTemplates(registry::TemplatesFolder(g->state.CCARPINI)).ok()) std::abort();
    const std::string path = (g->dir / "cuBE.dbf").string();
    if (!storage::CreateTable(path, registry::CuadroFields()).ok()) std::abort();
    auto opened = g->state.workspace.Use(path, "cuadro", /*shared=*/false);
    if (!opened.ok()) std::abort();
    g->cuadro = *opened;
    storage::Table& t = *g->cuadro;
    std::mt19937 random(20240915);
    for (int p = 1; p <= kPlayers; ++p) {
      (void)t.Append();
      (void)t.Put("NUM", static_cast<double>(p));
      (void)t.Put("JUG", "JUGADOR " + std::to_string(p));
      (void)t.Put("ELO", random() % 5 == 0 ? 0.0 : 1200.0 + random() % 1300);
      (void)t.Put("K", static_cast<double>((random() % 4) * 10));
    }
    struct Result {
      const char* white;
      const char* black;
      bool forfeit;
    };
    const Result results[] = {{"1", "0", false},       {"0", "1", false},      {"\xBD", "\xBD", false},
                              {"\xAB", "\xAB", false}, {"1", "0", true},       {"0", "1", true},
                              {"0", "0", true},        {"1", "0", false},      {"0", "1", false}};
    std::vector<int> order(kPlayers);
    std::iota(order.begin(), order.end(), 1);
    for (int round = 1; round <= kRounds; ++round) {
      std::shuffle(order.begin(), order.end(), random);
      // Three players sit the round out (absent or withdrawn): colour, opponent, points blank.
      for (int i = 0; i < 3; ++i) PutRound(t, order[static_cast<size_t>(i)], round, 0, " ", " ", false);
      // One bye, worth a point or a half.
      PutRound(t, order[3], round, 0, "D", round % 2 ? "1" : "\xBD", false);
      for (size_t i = 4; i + 1 < order.size(); i += 2) {
        const Result& r = results[random() % std::size(results)];
        PutRound(t, order[i], round, order[i + 1], "B", r.white, r.forfeit);
        PutRound(t, order[i + 1], round, order[i], "N", r.black, r.forfeit);
      }
    }
    (void)t.Commit();
    return g;
  }();
  return *made;
}

void BM_ComputeScores(benchmark::State& bench) {
  GeneratedTournament& g = Tournament();
  const standings::PlayerTable table = standings::ReadPlayerTable(*g.cuadro, kRounds);
  standings::ExpectedScoreTable expected(
      {{3, .5}, {10, .51}, {17, .52}, {25, .53}, {100, .64}, {400, .92}, {735, .99}, {9999, 1}});
  for (auto _ : bench) {
    auto scores = standings::ComputeScores(table.players, kRounds, expected);
    benchmark::DoNotOptimize(scores.data());
  }
}
BENCHMARK(BM_ComputeScores)->Unit(benchmark::kMillisecond);

void BM_ReadAndComputeScores(benchmark::State& bench) {
  GeneratedTournament& g = Tournament();
  standings::ExpectedScoreTable expected({{3, .5}, {10, .51}, {400, .92}, {9999, 1}});
  for (auto _ : bench) {
    const standings::PlayerTable table = standings::ReadPlayerTable(*g.cuadro, kRounds);
    auto scores = standings::ComputeScores(table.players, kRounds, expected);
    benchmark::DoNotOptimize(scores.data());
  }
}
BENCHMARK(BM_ReadAndComputeScores)->Unit(benchmark::kMillisecond);

// Alternates between 14 and 15 rounds so that every call changes (nearly) every computed
// field of every player and reorders the standings.
void BM_StandingsAfterRound15(benchmark::State& bench) {
  GeneratedTournament& g = Tournament();
  int rounds = kRounds;
  for (auto _ : bench) {
    g.state.NRONDASEL = rounds;
    if (!standings::ZDCLAS(g.state).ok()) bench.SkipWithError("ZDCLAS failed");
    rounds = rounds == kRounds ? kRounds - 1 : kRounds;
  }
}
BENCHMARK(BM_StandingsAfterRound15)->Unit(benchmark::kMillisecond);

// The same call when nothing changed since the last one: read, compute, compare, order.
void BM_StandingsRecomputedUnchanged(benchmark::State& bench) {
  GeneratedTournament& g = Tournament();
  g.state.NRONDASEL = kRounds;
  (void)standings::ZDCLAS(g.state);
  for (auto _ : bench) {
    if (!standings::ZDCLAS(g.state).ok()) bench.SkipWithError("ZDCLAS failed");
  }
}
BENCHMARK(BM_StandingsRecomputedUnchanged)->Unit(benchmark::kMillisecond);

}  // namespace
