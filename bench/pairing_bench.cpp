// The Dutch pairing engine on the independent engine's cases (tests/data/dutch): each large
// case (930-980 players) must pair in under 5 s, the median small case in under 5 ms.
// BM_PairingGrowth fits time ~ players^k over the medium and large cases and reports k.
// Measured on the 2-core build machine under a load of about 8: k = 2.8 (80-250 players about
// 10 ms each; 930-980 players 0.7 to 3.6 s of CPU). A bracket's first matching is cubic in the
// players from the bracket down; the many questions after it restart from its optimum.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>

#include "pairing/dutch_pairing.h"
#include "case_files.h"

namespace {

using namespace movarel::pairing;
namespace fs = std::filesystem;

std::vector<fs::path> cases(const std::string& folder) {
  std::vector<fs::path> paths;
  for (const auto& e : fs::directory_iterator(fs::path(MOVAREL_FIXTURES_DIR) / "dutch" / folder))
    if (e.path().extension() == ".trf") paths.push_back(e.path());
  std::sort(paths.begin(), paths.end());
  return paths;
}

void BM_PairLargeCase(benchmark::State& state) {
  const auto paths = cases("large");
  const RoundInput input = testing::read_case(paths.at(state.range(0))).input;
  for (auto _ : state) benchmark::DoNotOptimize(pair_round(input));
  state.counters["players"] = static_cast<double>(input.players.size());
}
BENCHMARK(BM_PairLargeCase)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_PairMediumCases(benchmark::State& state) {
  const auto paths = cases("medium");
  std::vector<RoundInput> inputs;
  for (const auto& p : paths) inputs.push_back(testing::read_case(p).input);
  for (auto _ : state)
    for (const auto& input : inputs) benchmark::DoNotOptimize(pair_round(input));
  state.counters["cases"] = static_cast<double>(inputs.size());
}
BENCHMARK(BM_PairMediumCases)->Unit(benchmark::kMillisecond)->Iterations(1);

// Every small case once per iteration; the counters give the median and the slowest case.
void BM_PairSmallCases(benchmark::State& state) {
  std::vector<RoundInput> inputs;
  for (const auto& p : cases("small")) inputs.push_back(testing::read_case(p).input);
  std::vector<double> ms;
  for (auto _ : state) {
    ms.clear();
    for (const auto& input : inputs) {
      const auto start = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(pair_round(input));
      ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
  }
  std::sort(ms.begin(), ms.end());
  state.counters["median_ms"] = ms[ms.size() / 2];
  state.counters["max_ms"] = ms.back();
}
BENCHMARK(BM_PairSmallCases)->Unit(benchmark::kMillisecond)->Iterations(1);

// Each medium and large case once: the exponent k of time ~ players^k (least squares on the
// logarithms), with the median time of the medium cases. Rounds differ in how much work a
// bracket takes, so k is a rough trend, not a law.
void BM_PairingGrowth(benchmark::State& state) {
  std::vector<std::pair<double, RoundInput>> inputs;
  for (const char* folder : {"medium", "large"})
    for (const auto& p : cases(folder)) {
      RoundInput input = testing::read_case(p).input;
      const double players = static_cast<double>(input.players.size());
      inputs.emplace_back(players, std::move(input));
    }
  std::vector<std::pair<double, double>> points;  // log players, log ms
  std::vector<double> medium_ms;
  for (auto _ : state) {
    points.clear();
    medium_ms.clear();
    for (const auto& [players, input] : inputs) {
      const auto start = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(pair_round(input));
      const double ms =
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
      points.emplace_back(std::log(players), std::log(std::max(ms, 1e-3)));
      if (players < 500) medium_ms.push_back(ms);
    }
  }
  double mx = 0, my = 0;
  for (auto [x, y] : points) mx += x, my += y;
  mx /= static_cast<double>(points.size());
  my /= static_cast<double>(points.size());
  double sxy = 0, sxx = 0;
  for (auto [x, y] : points) sxy += (x - mx) * (y - my), sxx += (x - mx) * (x - mx);
  std::sort(medium_ms.begin(), medium_ms.end());
  state.counters["exponent"] = sxx > 0 ? sxy / sxx : 0;
  state.counters["medium_median_ms"] = medium_ms.empty() ? 0 : medium_ms[medium_ms.size() / 2];
}
BENCHMARK(BM_PairingGrowth)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
