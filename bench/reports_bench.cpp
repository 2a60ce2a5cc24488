// The full tournament pages of a 999-player, 15-round tournament: the index, the seeding
// order, the pairing-and-results and standings pages of all 15 rounds and the crosstable,
// each with its standings computation, written into the tournament's folder. Target: under
// one second for the whole set.

#include <benchmark/benchmark.h>

#include "generated_tournament.h"
#include "reports/pairing_report.h"
#include "reports/score_groups_report.h"
#include "reports/seeding_report.h"
#include "reports/tournament_pages.h"

namespace {

using namespace movarel;
using bench::GeneratedTournament;
using bench::kRounds;
using bench::Tournament;

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
