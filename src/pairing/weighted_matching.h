#pragma once
// Maximum-weight matching on a general graph: Edmonds' blossom algorithm with dual variables,
// O(V^3). Weights are of any exact integer type W (built-in or WideInteger) that has +, -, <, ==
// and half(); every weight must be even so that the halved dual changes stay exact.

#include <algorithm>
#include <utility>
#include <vector>

#include "pairing/wide_integer.h"

namespace movarel::pairing {

template <typename W>
struct WeightedEdge {
  int u = 0;
  int v = 0;
  W weight{};
};

// Returns mate[v] (the vertex matched to v, or -1). Only edges of positive weight are ever used.
template <typename W>
std::vector<int> max_weight_matching(int vertex_count, const std::vector<WeightedEdge<W>>& edges);

// A matching with vertex duals feasible for its graph (y[u] + y[v] >= 2 w on every edge), the
// blossoms' duals folded into their vertices: where the search for a similar problem starts.
template <typename W>
struct MatchingState {
  std::vector<int> mate;
  std::vector<W> dual;
};

// The duals a search ended with, blossoms kept apart. When they prove a perfect matching optimal
// they are feasible for that graph, and every optimal perfect matching of it, or of a subgraph
// on which they stay feasible, uses only edges of reduced cost zero.
template <typename W>
struct DualCertificate {
  DualCertificate() = default;
  DualCertificate(std::vector<int> parents, std::vector<W> duals)
      : parent(std::move(parents)), dual(std::move(duals)) {}

  std::vector<int> parent;  // the blossom directly containing each vertex or blossom, or -1
  std::vector<W> dual;      // of the vertices, then of the blossoms

  W reduced_cost(int u, int v, const W& weight) const {
    W cost = dual[u] + dual[v] - weight - weight;
    int a = parent[u], b = parent[v];
    if (a == -1 || b == -1) return cost;
    if (depth_.empty()) index();
    // The smallest blossom holding both ends; it and every blossom around it count twice.
    while (a != b && a != -1 && b != -1) {
      if (depth_[a] >= depth_[b])
        a = parent[a];
      else
        b = parent[b];
    }
    if (a == -1 || b == -1) return cost;
    return cost + enclosing_[a] + enclosing_[a];
  }

 private:
  // depth_: how many blossoms hold a node; enclosing_: the duals of the node (if a blossom) and
  // of every blossom around it.
  void index() const {
    const int count = static_cast<int>(parent.size());
    depth_.assign(count, -1);
    enclosing_.assign(count, W{});
    std::vector<int> path;
    for (int x = 0; x < count; ++x) {
      for (int y = x; y != -1 && depth_[y] == -1; y = parent[y]) path.push_back(y);
      while (!path.empty()) {
        const int y = path.back();
        path.pop_back();
        const int up = parent[y];
        depth_[y] = up == -1 ? 0 : depth_[up] + 1;
        enclosing_[y] = (up == -1 ? W{} : enclosing_[up]) + dual[y];
      }
    }
  }
  mutable std::vector<int> depth_;
  mutable std::vector<W> enclosing_;
};

// A matching of maximum cardinality, and of maximum weight when it is perfect (when it is not,
// the weight is not guaranteed). `state`, when it holds a solution of a similar problem on the
// same vertices, is where the search starts (its duals are repaired and only the pairs still
// tight are kept); it receives the new solution. `certificate` receives the final duals, which
// prove a perfect result optimal.
template <typename W>
std::vector<int> max_cardinality_matching(int vertex_count, const std::vector<WeightedEdge<W>>& edges,
                                          MatchingState<W>& state,
                                          DualCertificate<W>* certificate = nullptr);

namespace detail {

template <typename W>
class BlossomMatcher {
 public:
  BlossomMatcher(int n, const std::vector<WeightedEdge<W>>& edges) : n_(n), edges_(edges) {}

  // Starting from the given feasible duals and the matching on tight edges instead of the
  // uniform duals; vertex duals may then go below zero, so the matching is of maximum cardinality.
  void start_from(const MatchingState<W>& state) {
    start_ = &state;
    max_cardinality_ = true;
  }

  // The duals of the last run with each blossom's dual added to its vertices: still feasible,
  // and tight on the matched edges that do not leave a blossom of positive dual.
  std::vector<W> flattened_duals() const {
    std::vector<W> dual(n_);
    for (int v = 0; v < n_; ++v) {
      dual[v] = dualvar_[v];
      for (int b = blossomparent_[v]; b != -1; b = blossomparent_[b]) dual[v] += dualvar_[b];
    }
    return dual;
  }

  DualCertificate<W> certificate() const { return DualCertificate<W>(blossomparent_, dualvar_); }

  std::vector<int> run() {
    const int n = n_;
    const int m = static_cast<int>(edges_.size());
    std::vector<int> result(n, -1);
    if (m == 0 || n == 0) return result;
    W max_weight{};
    for (const auto& e : edges_)
      if (max_weight < e.weight) max_weight = e.weight;
    endpoint_.resize(2 * m);
    for (int k = 0; k < m; ++k) {
      endpoint_[2 * k] = edges_[k].u;
      endpoint_[2 * k + 1] = edges_[k].v;
    }
    neighbend_.assign(n, {});
    for (int k = 0; k < m; ++k) {
      neighbend_[edges_[k].u].push_back(2 * k + 1);
      neighbend_[edges_[k].v].push_back(2 * k);
    }
    mate_.assign(n, -1);
    label_.assign(2 * n, 0);
    labelend_.assign(2 * n, -1);
    inblossom_.resize(n);
    for (int v = 0; v < n; ++v) inblossom_[v] = v;
    blossomparent_.assign(2 * n, -1);
    blossomchilds_.assign(2 * n, {});
    blossombase_.assign(2 * n, -1);
    for (int v = 0; v < n; ++v) blossombase_[v] = v;
    blossomendps_.assign(2 * n, {});
    bestedge_.assign(2 * n, -1);
    blossombestedges_.assign(2 * n, {});
    has_bestedges_.assign(2 * n, false);
    unusedblossoms_.clear();
    for (int b = 2 * n - 1; b >= n; --b) unusedblossoms_.push_back(b);
    dualvar_.assign(2 * n, W{});
    for (int v = 0; v < n; ++v) dualvar_[v] = max_weight;
    allowedge_.assign(m, false);
    if (start_ != nullptr) {
      for (int v = 0; v < n; ++v) {
        dualvar_[v] = start_->dual[v];
        const int partner = start_->mate[v];
        if (partner <= v) continue;
        for (int p : neighbend_[v]) {
          if (endpoint_[p] != partner) continue;
          mate_[v] = p;
          mate_[partner] = p ^ 1;
          break;
        }
      }
    }

    for (int stage = 0; stage < n; ++stage) {
      std::fill(label_.begin(), label_.end(), 0);
      std::fill(bestedge_.begin(), bestedge_.end(), -1);
      for (int b = n; b < 2 * n; ++b) {
        blossombestedges_[b].clear();
        has_bestedges_[b] = false;
      }
      std::fill(allowedge_.begin(), allowedge_.end(), false);
      queue_.clear();
      for (int v = 0; v < n; ++v)
        if (mate_[v] == -1 && label_[inblossom_[v]] == 0) assign_label(v, 1, -1);
      bool augmented = false;
      for (;;) {
        while (!queue_.empty() && !augmented) {
          int v = queue_.back();
          queue_.pop_back();
          for (int p : neighbend_[v]) {
            int k = p / 2;
            int w = endpoint_[p];
            if (inblossom_[v] == inblossom_[w]) continue;
            W kslack{};
            if (!allowedge_[k]) {
              kslack = slack(k);
              if (kslack <= W{}) allowedge_[k] = true;
            }
            if (allowedge_[k]) {
              if (label_[inblossom_[w]] == 0) {
                assign_label(w, 2, p ^ 1);
              } else if (label_[inblossom_[w]] == 1) {
                int base = scan_blossom(v, w);
                if (base >= 0) {
                  add_blossom(base, k);
                } else {
                  augment_matching(k);
                  augmented = true;
                  break;
                }
              } else if (label_[w] == 0) {
                label_[w] = 2;
                labelend_[w] = p ^ 1;
              }
            } else if (label_[inblossom_[w]] == 1) {
              int b = inblossom_[v];
              if (bestedge_[b] == -1 || kslack < slack(bestedge_[b])) bestedge_[b] = k;
            } else if (label_[w] == 0) {
              if (bestedge_[w] == -1 || kslack < slack(bestedge_[w])) bestedge_[w] = k;
            }
          }
        }
        if (augmented) break;
        // Type 1 (a vertex dual reaches zero) ends a maximum-weight search; a maximum-cardinality
        // one ends when no dual change can make another edge tight (type -1).
        int deltatype = -1;
        W delta{};
        if (!max_cardinality_) {
          deltatype = 1;
          delta = dualvar_[0];
          for (int v = 1; v < n; ++v)
            if (dualvar_[v] < delta) delta = dualvar_[v];
        }
        int deltaedge = -1, deltablossom = -1;
        for (int v = 0; v < n; ++v) {
          if (label_[inblossom_[v]] == 0 && bestedge_[v] != -1) {
            W d = slack(bestedge_[v]);
            if (deltatype == -1 || d < delta) {
              delta = d;
              deltatype = 2;
              deltaedge = bestedge_[v];
            }
          }
        }
        for (int b = 0; b < 2 * n; ++b) {
          if (blossomparent_[b] == -1 && label_[b] == 1 && bestedge_[b] != -1) {
            W d = half(slack(bestedge_[b]));
            if (deltatype == -1 || d < delta) {
              delta = d;
              deltatype = 3;
              deltaedge = bestedge_[b];
            }
          }
        }
        for (int b = n; b < 2 * n; ++b) {
          if (blossombase_[b] >= 0 && blossomparent_[b] == -1 && label_[b] == 2 &&
              (deltatype == -1 || dualvar_[b] < delta)) {
            delta = dualvar_[b];
            deltatype = 4;
            deltablossom = b;
          }
        }
        if (deltatype == -1) break;
        for (int v = 0; v < n; ++v) {
          if (label_[inblossom_[v]] == 1)
            dualvar_[v] -= delta;
          else if (label_[inblossom_[v]] == 2)
            dualvar_[v] += delta;
        }
        for (int b = n; b < 2 * n; ++b) {
          if (blossombase_[b] >= 0 && blossomparent_[b] == -1) {
            if (label_[b] == 1)
              dualvar_[b] += delta;
            else if (label_[b] == 2)
              dualvar_[b] -= delta;
          }
        }
        if (deltatype == 1) break;
        if (deltatype == 2) {
          allowedge_[deltaedge] = true;
          int i = edges_[deltaedge].u, j = edges_[deltaedge].v;
          if (label_[inblossom_[i]] == 0) std::swap(i, j);
          queue_.push_back(i);
        } else if (deltatype == 3) {
          allowedge_[deltaedge] = true;
          queue_.push_back(edges_[deltaedge].u);
        } else {
          expand_blossom(deltablossom, false);
        }
      }
      if (!augmented) break;
      for (int b = n; b < 2 * n; ++b) {
        if (blossomparent_[b] == -1 && blossombase_[b] >= 0 && label_[b] == 1 &&
            dualvar_[b] == W{})
          expand_blossom(b, true);
      }
    }
    for (int v = 0; v < n; ++v)
      if (mate_[v] >= 0) result[v] = endpoint_[mate_[v]];
    return result;
  }

 private:
  W slack(int k) const {
    const auto& e = edges_[k];
    return dualvar_[e.u] + dualvar_[e.v] - e.weight - e.weight;
  }

  void blossom_leaves(int b, std::vector<int>& out) const {
    if (b < n_) {
      out.push_back(b);
      return;
    }
    for (int t : blossomchilds_[b]) blossom_leaves(t, out);
  }

  void assign_label(int w, int t, int p) {
    int b = inblossom_[w];
    label_[w] = label_[b] = t;
    labelend_[w] = labelend_[b] = p;
    bestedge_[w] = bestedge_[b] = -1;
    if (t == 1) {
      blossom_leaves(b, queue_);
    } else {
      int base = blossombase_[b];
      assign_label(endpoint_[mate_[base]], 1, mate_[base] ^ 1);
    }
  }

  int scan_blossom(int v, int w) {
    std::vector<int> path;
    int base = -1;
    while (v != -1 || w != -1) {
      int b = inblossom_[v];
      if (label_[b] & 4) {
        base = blossombase_[b];
        break;
      }
      path.push_back(b);
      label_[b] = 5;
      if (labelend_[b] == -1) {
        v = -1;
      } else {
        v = endpoint_[labelend_[b]];
        b = inblossom_[v];
        v = endpoint_[labelend_[b]];
      }
      if (w != -1) std::swap(v, w);
    }
    for (int b : path) label_[b] = 1;
    return base;
  }

  void add_blossom(int base, int k) {
    int v = edges_[k].u, w = edges_[k].v;
    int bb = inblossom_[base], bv = inblossom_[v], bw = inblossom_[w];
    int b = unusedblossoms_.back();
    unusedblossoms_.pop_back();
    blossombase_[b] = base;
    blossomparent_[b] = -1;
    blossomparent_[bb] = b;
    auto& path = blossomchilds_[b];
    auto& endps = blossomendps_[b];
    path.clear();
    endps.clear();
    while (bv != bb) {
      blossomparent_[bv] = b;
      path.push_back(bv);
      endps.push_back(labelend_[bv]);
      v = endpoint_[labelend_[bv]];
      bv = inblossom_[v];
    }
    path.push_back(bb);
    std::reverse(path.begin(), path.end());
    std::reverse(endps.begin(), endps.end());
    endps.push_back(2 * k);
    while (bw != bb) {
      blossomparent_[bw] = b;
      path.push_back(bw);
      endps.push_back(labelend_[bw] ^ 1);
      w = endpoint_[labelend_[bw]];
      bw = inblossom_[w];
    }
    label_[b] = 1;
    labelend_[b] = labelend_[bb];
    dualvar_[b] = W{};
    std::vector<int> leaves;
    blossom_leaves(b, leaves);
    for (int leaf : leaves) {
      if (label_[inblossom_[leaf]] == 2) queue_.push_back(leaf);
      inblossom_[leaf] = b;
    }
    std::vector<int> bestedgeto(2 * n_, -1);
    for (int child : path) {
      auto consider = [&](int kk) {
        int i = edges_[kk].u, j = edges_[kk].v;
        if (inblossom_[j] == b) std::swap(i, j);
        int bj = inblossom_[j];
        if (bj != b && label_[bj] == 1 &&
            (bestedgeto[bj] == -1 || slack(kk) < slack(bestedgeto[bj])))
          bestedgeto[bj] = kk;
      };
      if (!has_bestedges_[child]) {
        std::vector<int> child_leaves;
        blossom_leaves(child, child_leaves);
        for (int leaf : child_leaves)
          for (int p : neighbend_[leaf]) consider(p / 2);
      } else {
        for (int kk : blossombestedges_[child]) consider(kk);
      }
      blossombestedges_[child].clear();
      has_bestedges_[child] = false;
      bestedge_[child] = -1;
    }
    auto& best = blossombestedges_[b];
    best.clear();
    for (int kk : bestedgeto)
      if (kk != -1) best.push_back(kk);
    has_bestedges_[b] = true;
    bestedge_[b] = -1;
    for (int kk : best)
      if (bestedge_[b] == -1 || slack(kk) < slack(bestedge_[b])) bestedge_[b] = kk;
  }

  void expand_blossom(int b, bool endstage) {
    std::vector<int> childs = blossomchilds_[b];
    for (int s : childs) {
      blossomparent_[s] = -1;
      if (s < n_) {
        inblossom_[s] = s;
      } else if (endstage && dualvar_[s] == W{}) {
        expand_blossom(s, endstage);
      } else {
        std::vector<int> leaves;
        blossom_leaves(s, leaves);
        for (int leaf : leaves) inblossom_[leaf] = s;
      }
    }
    if (!endstage && label_[b] == 2) {
      const auto& endps = blossomendps_[b];
      const int len = static_cast<int>(childs.size());
      int entrychild = inblossom_[endpoint_[labelend_[b] ^ 1]];
      auto [j, jstep, endptrick] =
          walk_to_base(static_cast<int>(std::find(childs.begin(), childs.end(), entrychild) - childs.begin()), len);
      auto at = [len](const std::vector<int>& vec, int idx) { return cyclic(vec, idx, len); };
      int p = labelend_[b];
      while (j != 0) {
        label_[endpoint_[p ^ 1]] = 0;
        label_[endpoint_[at(endps, j - endptrick) ^ endptrick ^ 1]] = 0;
        assign_label(endpoint_[p ^ 1], 2, p);
        allowedge_[at(endps, j - endptrick) / 2] = true;
        j += jstep;
        p = at(endps, j - endptrick) ^ endptrick;
        allowedge_[p / 2] = true;
        j += jstep;
      }
      int bv = at(childs, j);
      label_[endpoint_[p ^ 1]] = label_[bv] = 2;
      labelend_[endpoint_[p ^ 1]] = labelend_[bv] = p;
      bestedge_[bv] = -1;
      j += jstep;
      while (at(childs, j) != entrychild) {
        bv = at(childs, j);
        if (label_[bv] == 1) {
          j += jstep;
          continue;
        }
        std::vector<int> leaves;
        blossom_leaves(bv, leaves);
        int found = -1;
        for (int leaf : leaves)
          if (label_[leaf] != 0) {
            found = leaf;
            break;
          }
        if (found >= 0) {
          label_[found] = 0;
          label_[endpoint_[mate_[blossombase_[bv]]]] = 0;
          assign_label(found, 2, labelend_[found]);
        }
        j += jstep;
      }
    }
    label_[b] = labelend_[b] = -1;
    blossomchilds_[b].clear();
    blossomendps_[b].clear();
    blossombase_[b] = -1;
    blossombestedges_[b].clear();
    has_bestedges_[b] = false;
    bestedge_[b] = -1;
    unusedblossoms_.push_back(b);
  }

  // The way round a blossom from child index i to its base (index 0): forwards from an odd
  // index, backwards from an even one, so that the path has even length.
  struct Walk {
    int j, step, endptrick;
  };
  static Walk walk_to_base(int i, int len) { return (i & 1) ? Walk{i - len, 1, 0} : Walk{i, -1, 1}; }
  static int cyclic(const std::vector<int>& vec, int idx, int len) { return vec[((idx % len) + len) % len]; }

  void augment_blossom(int b, int v) {
    int t = v;
    while (blossomparent_[t] != b) t = blossomparent_[t];
    if (t >= n_) augment_blossom(t, v);
    auto& childs = blossomchilds_[b];
    auto& endps = blossomendps_[b];
    const int len = static_cast<int>(childs.size());
    const int i = static_cast<int>(std::find(childs.begin(), childs.end(), t) - childs.begin());
    auto [j, jstep, endptrick] = walk_to_base(i, len);
    auto at = [len](const std::vector<int>& vec, int idx) { return cyclic(vec, idx, len); };
    while (j != 0) {
      j += jstep;
      t = at(childs, j);
      int p = at(endps, j - endptrick) ^ endptrick;
      if (t >= n_) augment_blossom(t, endpoint_[p]);
      j += jstep;
      t = at(childs, j);
      if (t >= n_) augment_blossom(t, endpoint_[p ^ 1]);
      mate_[endpoint_[p]] = p ^ 1;
      mate_[endpoint_[p ^ 1]] = p;
    }
    std::rotate(childs.begin(), childs.begin() + i, childs.end());
    std::rotate(endps.begin(), endps.begin() + i, endps.end());
    blossombase_[b] = blossombase_[childs[0]];
  }

  void augment_matching(int k) {
    int v = edges_[k].u, w = edges_[k].v;
    for (int side = 0; side < 2; ++side) {
      int s = side == 0 ? v : w;
      int p = side == 0 ? 2 * k + 1 : 2 * k;
      for (;;) {
        int bs = inblossom_[s];
        if (bs >= n_) augment_blossom(bs, s);
        mate_[s] = p;
        if (labelend_[bs] == -1) break;
        int t = endpoint_[labelend_[bs]];
        int bt = inblossom_[t];
        s = endpoint_[labelend_[bt]];
        int j = endpoint_[labelend_[bt] ^ 1];
        if (bt >= n_) augment_blossom(bt, j);
        mate_[j] = labelend_[bt];
        p = labelend_[bt] ^ 1;
      }
    }
  }

  int n_;
  const std::vector<WeightedEdge<W>>& edges_;
  const MatchingState<W>* start_ = nullptr;
  bool max_cardinality_ = false;
  std::vector<int> endpoint_;
  std::vector<std::vector<int>> neighbend_;
  std::vector<int> mate_, label_, labelend_, inblossom_, blossomparent_, blossombase_;
  std::vector<std::vector<int>> blossomchilds_, blossomendps_, blossombestedges_;
  std::vector<bool> has_bestedges_;
  std::vector<int> bestedge_, unusedblossoms_, queue_;
  std::vector<W> dualvar_;
  std::vector<bool> allowedge_;
};

// Makes `state` a valid start for `edges`: raises the duals an edge would violate, keeps the
// pairs that are still edges and tight, and gives every unmatched vertex an even dual (the
// search halves the slack between two of them). Without a usable state it starts from each
// vertex's best edge and pairs greedily along the edges that are then tight.
template <typename W>
void repair_start(int n, const std::vector<WeightedEdge<W>>& edges, MatchingState<W>& state) {
  auto slack = [&](const WeightedEdge<W>& e) { return state.dual[e.u] + state.dual[e.v] - e.weight - e.weight; };
  const bool warm = static_cast<int>(state.dual.size()) == n && static_cast<int>(state.mate.size()) == n;
  if (!warm) {
    state.dual.assign(n, W{});
    std::vector<bool> seen(n, false);
    for (const auto& e : edges)
      for (int v : {e.u, e.v})
        if (!seen[v] || state.dual[v] < e.weight) {
          state.dual[v] = e.weight;
          seen[v] = true;
        }
    // Lower each dual in turn to the least its neighbours allow: more edges become tight.
    std::vector<std::vector<int>> incident(n);
    for (int k = 0; k < static_cast<int>(edges.size()); ++k) {
      incident[edges[k].u].push_back(k);
      incident[edges[k].v].push_back(k);
    }
    for (int v = 0; v < n; ++v) {
      for (std::size_t i = 0; i < incident[v].size(); ++i) {
        const auto& e = edges[incident[v][i]];
        const W need = e.weight + e.weight - state.dual[e.u == v ? e.v : e.u];
        if (i == 0 || state.dual[v] < need) state.dual[v] = need;
      }
    }
    state.mate.assign(n, -1);
  }
  for (const auto& e : edges) {
    const W s = slack(e);
    if (s < W{}) state.dual[e.u] -= s;
  }
  std::vector<int> mate(n, -1);
  for (const auto& e : edges)
    if (state.mate[e.u] == e.v && slack(e) == W{}) {
      mate[e.u] = e.v;
      mate[e.v] = e.u;
    }
  for (const auto& e : edges)
      if (mate[e.u] == -1 && mate[e.v] == -1 && slack(e) == W{}) {
        mate[e.u] = e.v;
        mate[e.v] = e.u;
      }
  for (int v = 0; v < n; ++v)
    if (mate[v] == -1 && half(state.dual[v]) + half(state.dual[v]) != state.dual[v])
      state.dual[v] += W{1};
  state.mate = std::move(mate);
}

// A start for a graph whose weighted edges touch few of its vertices (the players who only
// complete the round have edges of weight zero): the optimum of the weighted part alone, every
// other vertex at dual zero.
template <typename W>
void start_from_weighted_part(int n, const std::vector<WeightedEdge<W>>& edges, MatchingState<W>& state) {
  std::vector<int> local(n, -1), members;
  for (const auto& e : edges)
    if (!(e.weight == W{}))
      for (int v : {e.u, e.v})
        if (local[v] == -1) {
          local[v] = static_cast<int>(members.size());
          members.push_back(v);
        }
  if (members.size() < 2 || 2 * members.size() > static_cast<std::size_t>(n)) return;
  std::vector<WeightedEdge<W>> inner;
  for (const auto& e : edges)
    if (local[e.u] != -1 && local[e.v] != -1) inner.push_back({local[e.u], local[e.v], e.weight});
  MatchingState<W> part;
  max_cardinality_matching(static_cast<int>(members.size()), inner, part);
  state.dual.assign(n, W{});
  state.mate.assign(n, -1);
  for (std::size_t i = 0; i < members.size(); ++i) {
    state.dual[members[i]] = part.dual[i];
    if (part.mate[i] != -1) state.mate[members[i]] = members[part.mate[i]];
  }
}

}  // namespace detail

template <typename W>
std::vector<int> max_weight_matching(int vertex_count, const std::vector<WeightedEdge<W>>& edges) {
  return detail::BlossomMatcher<W>(vertex_count, edges).run();
}

template <typename W>
std::vector<int> max_cardinality_matching(int vertex_count, const std::vector<WeightedEdge<W>>& edges,
                                          MatchingState<W>& state,
                                          DualCertificate<W>* certificate) {
  const bool warm = static_cast<int>(state.dual.size()) == vertex_count &&
                    static_cast<int>(state.mate.size()) == vertex_count;
  if (!warm) detail::start_from_weighted_part(vertex_count, edges, state);
  detail::repair_start(vertex_count, edges, state);
  if (edges.empty()) {
    if (certificate) *certificate = DualCertificate<W>(std::vector<int>(vertex_count, -1), state.dual);
    return state.mate;
  }
  detail::BlossomMatcher<W> matcher(vertex_count, edges);
  matcher.start_from(state);
  std::vector<int> mate = matcher.run();
  state.dual = matcher.flattened_duals();
  if (certificate) *certificate = matcher.certificate();
  state.mate = mate;
  return mate;
}

}  // namespace movarel::pairing
