// The matching that restarts from a previous optimum must find what a search from scratch
// finds, on random graphs where the previous optimum belongs to a different graph and weights.

#include <gtest/gtest.h>

#include <random>

#include "pairing/weighted_matching.h"

namespace movarel::pairing {
namespace {

using Edges = std::vector<WeightedEdge<long long>>;

// Only the edges among the first `weighted` vertices carry weights, as only a bracket and the
// next scoregroup do in the pairing.
Edges random_graph(std::mt19937& rng, int n, int weighted) {
  Edges edges;
  std::uniform_int_distribution<int> weight(0, 12), coin(0, 3);
  for (int u = 0; u < n; ++u)
    for (int v = u + 1; v < n; ++v)
      if (coin(rng) != 0) edges.push_back({u, v, v < weighted ? 2LL * weight(rng) : 0});
  return edges;
}

// Weight and size of a matching, the size first.
std::pair<int, long long> value_of(const Edges& edges, const std::vector<int>& mate) {
  std::pair<int, long long> value{0, 0};
  for (const auto& e : edges)
    if (mate[e.u] == e.v) {
      ++value.first;
      value.second += e.weight;
    }
  return value;
}

// Maximum cardinality first, from scratch: every weight lifted far above the others' sum.
std::pair<int, long long> plain_optimum(int n, const Edges& edges) {
  const long long lift = 2LL * 1000 * n;
  Edges lifted = edges;
  for (auto& e : lifted) e.weight += lift;
  return value_of(edges, max_weight_matching(n, lifted));
}

TEST(MaxCardinalityMatching, RestartedFromAnotherOptimumFindsTheSameValue) {
  std::mt19937 rng(20261209);
  for (int round = 0; round < 400; ++round) {
    const int n = 2 + static_cast<int>(rng() % 15);  // odd ones check the cardinality
    MatchingState<long long> state;
    DualCertificate<long long> proof;
    // A chain of related problems, each started from the last one's optimum.
    for (int step = 0; step < 4; ++step) {
      const Edges edges = random_graph(rng, n, round % 2 == 0 ? n : 1 + n / 3);
      const std::vector<int> mate = max_cardinality_matching(n, edges, state, &proof);
      const auto found = value_of(edges, mate), best = plain_optimum(n, edges);
      ASSERT_EQ(found.first, best.first) << "round " << round << " step " << step;
      // The weight is the best only among perfect matchings, the only ones the pairing asks for.
      const bool perfect = found.first * 2 == n;
      if (!perfect) continue;
      ASSERT_EQ(found.second, best.second) << "round " << round << " step " << step;
      // The proof: no edge below zero, the matched ones at zero.
      for (const auto& e : edges) {
        const long long cost = proof.reduced_cost(e.u, e.v, e.weight);
        EXPECT_GE(cost, 0) << "round " << round;
        if (mate[e.u] == e.v) {
          EXPECT_EQ(cost, 0) << "round " << round;
        }
      }
    }
  }
}

}  // namespace
}  // namespace movarel::pairing
