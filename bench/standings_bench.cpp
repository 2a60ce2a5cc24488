// The standings of a full tournament: 999 players, 15 rounds, every kind of result (wins,
// draws in both half-point bytes, forfeits either way and double, byes, players left
// unpaired). BM_ComputeScores is the computation in memory; BM_StandingsAfterRound15 is the
// whole road a listing takes: ZDCLAS reading the table, writing every changed field and the
// order file "suclas.tmp".

#include <benchmark/benchmark.h>

#include "generated_tournament.h"
#include "standings/expected_score_table.h"
#include "standings/player_scores.h"
#include "standings/player_table.h"
#include "standings/zdclas.h"

namespace {

using namespace movarel;
using bench::GeneratedTournament;
using bench::kRounds;
using bench::Tournament;

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
