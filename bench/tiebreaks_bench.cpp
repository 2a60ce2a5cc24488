// FIDE tie-breaks of a full tournament: 999 players, 15 rounds, every kind of result (the
// shared generated tournament, mapped to the engine once). BM_FideTieBreaks computes BH,
// BH/C1, SB, ARO, TPR and PS for everybody; BM_FideRanking also ranks by the list, applying
// DE to every group still tied when it is reached; BM_ReadAndRank adds reading the player
// table, the whole road of a listing.

#include <benchmark/benchmark.h>

#include "generated_tournament.h"
#include "standings/fide_standings.h"
#include "tiebreaks/fide_ranking.h"
#include "tiebreaks/tie_break_values.h"

namespace {

using namespace movarel;
using bench::GeneratedTournament;
using bench::kRounds;
using bench::Tournament;

constexpr char kValues[] = "BH,BH/C1,SB,ARO,TPR,PS";
constexpr char kList[] = "DE,BH/C1,BH,SB,ARO,TPR,PS";

const tiebreaks::Tournament& Mapped() {
  static const tiebreaks::Tournament mapped =
      standings::ReadFideTournament(*Tournament().cuadro, kRounds, tiebreaks::RuleSet::kRules2024).tournament;
  return mapped;
}

void BM_FideTieBreaks(benchmark::State& bench) {
  const tiebreaks::Tournament& t = Mapped();
  const std::vector<tiebreaks::TieBreak> list = tiebreaks::ParseList(kValues, t.rules).list;
  for (auto _ : bench) {
    auto values = tiebreaks::ComputeTieBreaks(t, list);
    benchmark::DoNotOptimize(values.data());
  }
}
BENCHMARK(BM_FideTieBreaks)->Unit(benchmark::kMillisecond);

void BM_FideRanking(benchmark::State& bench) {
  const tiebreaks::Tournament& t = Mapped();
  const std::vector<tiebreaks::TieBreak> list = tiebreaks::ParseList(kList, t.rules).list;
  for (auto _ : bench) {
    auto standings = tiebreaks::RankPlayers(t, list);
    benchmark::DoNotOptimize(standings.order.data());
  }
}
BENCHMARK(BM_FideRanking)->Unit(benchmark::kMillisecond);

void BM_ReadAndRank(benchmark::State& bench) {
  GeneratedTournament& g = Tournament();
  standings::FideChoice choice{tiebreaks::RuleSet::kRules2026, tiebreaks::ParseList(kList, tiebreaks::RuleSet::kRules2026).list};
  for (auto _ : bench) {
    auto table = standings::ComputeFideTable(*g.cuadro, kRounds, choice);
    benchmark::DoNotOptimize(table.standings.order.data());
  }
}
BENCHMARK(BM_ReadAndRank)->Unit(benchmark::kMillisecond);

}  // namespace
