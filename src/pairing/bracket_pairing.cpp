#include "pairing/bracket_pairing.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <map>
#include <memory>

#include "pairing/colour_allocation.h"
#include "pairing/weighted_matching.h"
#include "pairing/wide_integer.h"

namespace movarel::pairing {
namespace {

// Exact criteria values of a set of pairs, most significant first; compared lexicographically
// (larger is better) they rank candidates as Art. 2 does.
using Score = std::vector<long long>;

constexpr int dummy_none = -1;

// Where a player of the graph may be matched (the self-reduction of the generation order fixes
// these one by one).
enum class Place : unsigned char { free, inside, outside };

// One bracket's matching problem: the bracket B, then every lower player (which lets the
// matching prove completion, C4), then the PAB stand-in when the round is odd.
class BracketProblem {
 public:
  BracketProblem(const RoundContext& round, const std::vector<int>& mdps,
                 const std::vector<int>& residents, const std::vector<int>& lower, bool with_bye)
      : round_(round) {
    verts_ = mdps;
    verts_.insert(verts_.end(), residents.begin(), residents.end());
    mdp_count_ = static_cast<int>(mdps.size());
    bracket_size_ = static_cast<int>(verts_.size());
    verts_.insert(verts_.end(), lower.begin(), lower.end());
    resident_score_ = round.players[residents.front()].score;
    next_end_ = bracket_size_;
    if (!lower.empty()) {
      const int next_score = round.players[lower.front()].score;
      while (next_end_ < static_cast<int>(verts_.size()) &&
             round.players[verts_[next_end_]].score == next_score)
        ++next_end_;
    }
    dummy_ = with_bye ? static_cast<int>(verts_.size()) : dummy_none;
    vertex_count_ = static_cast<int>(verts_.size()) + (with_bye ? 1 : 0);
    // C9 is in scope only when nobody below the bracket can take the PAB.
    c9_possible_ = with_bye;
    for (int i = bracket_size_; i < static_cast<int>(verts_.size()); ++i)
      if (round.may_take_bye(verts_[i])) c9_possible_ = false;
    place_.assign(vertex_count_, Place::free);
    forced_.assign(vertex_count_, -1);
    group_.assign(vertex_count_, 0);
    lay_out_criteria();
  }

  int bracket_size() const { return bracket_size_; }
  int mdp_count() const { return mdp_count_; }
  int global(int local) const { return verts_[local]; }
  bool c9_possible() const { return c9_possible_; }
  void set_c9(bool on) {
    c9_ = on;
    edges_built_ = false;
  }

  Place& place(int v) { return place_[v]; }
  int& group(int v) { return group_[v]; }
  void force(int a, int b) {
    forced_[a] = b;
    forced_[b] = a;
  }
  void unforce(int a, int b) {
    forced_[a] = -1;
    forced_[b] = -1;
  }

  // Lowest band: among optimal matchings prefer the earliest transposition (Art. 4.2), that is
  // S1[from]'s partner as early in S2 as possible, then the next S1 player's, for as many S1
  // players as keep the weights in 128 bits when the criteria leave room (the built-in integer
  // being several times faster than a wide one). A partner that the last optimum's duals exclude
  // from every optimum needs no place in the order, so each player's digit counts only the
  // others. Returns where the ordered players end.
  std::size_t set_tie_order(const std::vector<int>& s1, std::size_t from, const std::vector<int>& s2) {
    if (!edges_built_) build_edges();
    const int room = criteria_bits_ + 8 < 126 ? 126 - criteria_bits_ : 160;
    const bool proof = solver_->proof_applies(*this, weights_key_);
    tie_s1_.assign(vertex_count_, -1);
    tie_s2_.assign(vertex_count_, -1);
    for (std::size_t j = 0; j < s2.size(); ++j) tie_s2_[s2[j]] = static_cast<int>(j);
    tie_values_.clear();
    tie_digits_.clear();
    int used = 0;
    std::size_t end = from;
    for (; end < s1.size(); ++end) {
      std::vector<int> value(s2.size(), 0);
      int count = 0;
      for (std::size_t j = 0; j < s2.size(); ++j)
        if (!proof || (allowed(s1[end], s2[j]) && solver_->zero_cost(s1[end], s2[j])))
          value[j] = ++count;
      for (int& v : value)
        if (v > 0) v = count + 1 - v;  // the earliest partner weighs most
      const int digit = std::bit_width(static_cast<unsigned>(count + 1));
      if (end > from && used + digit > room) break;
      used += digit;
      tie_s1_[s1[end]] = static_cast<int>(tie_values_.size());
      tie_values_.push_back(std::move(value));
      tie_digits_.push_back(digit);
    }
    tie_count_ = static_cast<int>(tie_values_.size());
    tie_shift_.assign(tie_count_, 0);
    for (int i = tie_count_ - 2; i >= 0; --i) tie_shift_[i] = tie_shift_[i + 1] + tie_digits_[i + 1];
    tie_bits_ = used;
    edges_built_ = false;
    return end;
  }
  void clear_tie_order() {
    tie_count_ = 0;
    tie_bits_ = 0;
    edges_built_ = false;
  }

  bool allowed(int a, int b) const {
    if (forced_[a] != -1 && forced_[a] != b) return false;
    if (forced_[b] != -1 && forced_[b] != a) return false;
    const bool inside = a < bracket_size_ && b < bracket_size_;
    for (int v : {a, b}) {
      if (place_[v] == Place::inside && !inside) return false;
      if (place_[v] == Place::outside && inside) return false;
    }
    if (inside && group_[a] != 0 && group_[a] == group_[b]) return false;
    return true;
  }

  bool satisfies(const std::vector<int>& mate) const {
    for (int v = 0; v < vertex_count_; ++v) {
      if (mate[v] < 0) return false;
      if (!allowed(v, mate[v])) return false;
    }
    return true;
  }

  // A maximum-weight matching under the current restrictions.
  std::vector<int> solve() {
    if (!edges_built_) build_edges();
    return solver_->solve(*this);
  }

  // The last answer was refused and its restrictions are lifted again: the next search starts
  // from the answer before, which is nearer to the next question.
  void discard_last_solve() {
    if (solver_) solver_->discard_last();
  }
  // The last answer is an optimum: its duals may later rule out questions without a search.
  void accept_last_solve() {
    if (solver_) solver_->accept_last(weights_key_);
  }
  // Whether the restrictions now set, which force `pairs`, certainly lose the optimum.
  bool optimum_excludes(const std::vector<std::pair<int, int>>& pairs) {
    if (!edges_built_) build_edges();
    return solver_->rules_out(*this, pairs, weights_key_);
  }

  Score score_of(const std::vector<int>& mate) const {
    Score total(component_count_ + 1, 0);
    std::vector<int> values(component_count_);
    for (int v = 0; v < vertex_count_; ++v) {
      const int w = mate[v];
      if (w < v) continue;  // unmatched, or counted from the other end
      ++total[0];
      std::fill(values.begin(), values.end(), 0);
      edge_values(v, w, values);
      for (int c = 0; c < component_count_; ++c) total[c + 1] += values[c];
    }
    return total;
  }

  bool is_mdp(int v) const { return v < mdp_count_; }

 private:
  struct Solver {
    virtual ~Solver() = default;
    virtual std::vector<int> solve(const BracketProblem& p) = 0;
    virtual void discard_last() = 0;
    virtual void accept_last(int weights_key) = 0;
    // `pairs` are forced already.
    virtual bool rules_out(const BracketProblem& p, const std::vector<std::pair<int, int>>& pairs,
                           int weights_key) const = 0;
    // Whether the proof speaks for the present weights and restrictions; then whether an edge
    // may be in an optimum at all.
    virtual bool proof_applies(const BracketProblem& p, int weights_key) const = 0;
    virtual bool zero_cost(int a, int b) const = 0;
  };
  // Successive questions differ in a few edges or weights, so each search starts from the
  // previous optimum and its duals and only repairs what changed.
  template <typename W>
  struct TypedSolver : Solver {
    std::vector<WeightedEdge<W>> all;
    std::vector<W> criteria;  // each edge's weight without the tie band
    int layout = -1;
    std::vector<WeightedEdge<W>> kept;
    MatchingState<W> last, before;
    DualCertificate<W> certificate;
    // The duals that proved the last accepted optimum, the weights they were for, and the edges
    // (then left out) that they do not cover.
    DualCertificate<W> proof;
    int proof_key = -1;
    std::vector<int> uncovered;
    std::vector<int> solve(const BracketProblem& p) override {
      kept.clear();
      for (const auto& e : all)
        if (p.allowed(e.u, e.v)) kept.push_back(e);
      before = last;
      return max_cardinality_matching(p.vertex_count_, kept, last, &certificate);
    }
    void discard_last() override { last = before; }
    void accept_last(int weights_key) override {
      // An optimum under a tie band proves nothing about the criteria alone: the older proof
      // stays.
      if (weights_key == -1) return;
      proof = certificate;
      proof_key = weights_key;
      uncovered.clear();
      for (int k = 0; k < static_cast<int>(all.size()); ++k)
        if (proof.reduced_cost(all[k].u, all[k].v, all[k].weight) < W{}) uncovered.push_back(k);
    }
    // True when no matching of the optimum's value can hold all `pairs` (forced already): the
    // proof's duals are feasible on every edge now allowed, and one of the pairs costs more than
    // zero.
    bool rules_out(const BracketProblem& p, const std::vector<std::pair<int, int>>& pairs,
                   int weights_key) const override {
      if (!proof_applies(p, weights_key)) return false;
      for (auto [a, b] : pairs)
        if (!zero_cost(a, b)) return true;
      return false;
    }
    bool proof_applies(const BracketProblem& p, int weights_key) const override {
      if (proof_key == -1 || proof_key != weights_key) return false;
      for (int k : uncovered)
        if (p.allowed(all[k].u, all[k].v)) return false;
      return true;
    }
    bool zero_cost(int a, int b) const override {
      const WeightedEdge<W> key{std::min(a, b), std::max(a, b), W{}};
      auto e = std::lower_bound(all.begin(), all.end(), key, [](const auto& x, const auto& y) {
        return x.u != y.u ? x.u < y.u : x.v < y.v;
      });
      if (e == all.end() || e->u != key.u || e->v != key.v) return false;
      return proof.reduced_cost(e->u, e->v, criteria[e - all.begin()]) == W{};
    }
  };

  template <typename W>
  static W shifted(long long v, int shift) {
    if constexpr (std::is_same_v<W, __int128>) {
      return static_cast<__int128>(v) * (static_cast<__int128>(1) << shift);
    } else {
      return W::shifted(v, shift);
    }
  }

  // Components, most significant first: C6, C7 per score level, C8 pairs, C8 per level,
  // C9, C10..C17, C18 (floating, then per SD level), C19 per level, C20, C21.
  void lay_out_criteria() {
    int comp = 0;
    // A bound of 0 marks a criterion nobody in this bracket can touch: it takes no bits.
    auto add = [&](long long bound) {
      bounds_.push_back(bound);
      return comp++;
    };
    const long long nb = bracket_size_;
    std::map<int, long long> in_bracket, in_next;
    for (int i = 0; i < bracket_size_; ++i) ++in_bracket[score(i)];
    for (int i = 0; i < next_end_; ++i) ++in_next[score(i)];
    for (auto [s, count] : in_bracket) bracket_levels_.emplace(s, 0);
    for (auto [s, count] : in_next) next_levels_.emplace(s, 0);
    for (int i = 0; i < mdp_count_; ++i) sd_levels_.emplace(score(i) - resident_score_, 0);
    bool topscorers = false, down1 = false, down2 = false, up1 = false, up2 = false;
    bool mdp_down1 = false, mdp_down2 = false;
    long long most_unplayed = 0;
    for (int i = 0; i < bracket_size_; ++i) {
      const PlayerState& p = round_.players[global(i)];
      topscorers |= p.topscorer;
      most_unplayed = std::max<long long>(most_unplayed, p.unplayed_rounds);
      if (is_mdp(i)) {
        mdp_down1 |= p.float_last == FloatKind::down;
        mdp_down2 |= p.float_before_last == FloatKind::down;
      } else {
        down1 |= p.float_last == FloatKind::down;
        down2 |= p.float_before_last == FloatKind::down;
        up1 |= p.float_last == FloatKind::up;
        up2 |= p.float_before_last == FloatKind::up;
      }
    }
    const long long m0 = mdp_count_;
    c6_ = add(nb / 2);
    c7_ = comp;
    int idx = 0;
    for (auto& [s, i] : bracket_levels_) {
      i = idx++;
      add(in_bracket[s]);
    }
    has_next_ = next_end_ > bracket_size_;
    c8_ = comp;
    if (has_next_) {
      add(next_end_ / 2);
      idx = 0;
      for (auto& [s, i] : next_levels_) {
        i = idx++;
        add(in_next[s]);
      }
    }
    c9_index_ = add(most_unplayed);
    c10_ = add(topscorers ? nb : 0);
    add(topscorers ? nb : 0);  // C11
    add(nb / 2);               // C12
    add(nb / 2);               // C13
    add(down1 ? nb : 0);       // C14
    add(up1 ? m0 : 0);         // C15
    add(down2 ? nb : 0);       // C16
    add(up2 ? m0 : 0);         // C17
    idx = 0;
    for (auto& [s, i] : sd_levels_) i = idx++;
    const int sd = static_cast<int>(sd_levels_.size());
    c18_ = comp;
    for (int back = 0; back < 2; ++back) {
      const bool mdp_down = back == 0 ? mdp_down1 : mdp_down2;
      const bool up = back == 0 ? up1 : up2;
      add(mdp_down ? m0 : 0);  // C18 / C20: MDPs with that downfloat that float again
      for (int l = 0; l < sd; ++l) add(mdp_down ? m0 : 0);
      for (int l = 0; l < sd; ++l) add(up ? m0 : 0);  // C19 / C21
    }
    component_count_ = comp;
  }

  int score(int local) const { return round_.players[global(local)].score; }

  void edge_values(int a, int b, std::vector<int>& out) const {
    if (a > b) std::swap(a, b);
    if (b == dummy_) {
      // C9: fewest unplayed rounds for the player who is bound to receive the PAB.
      if (c9_ && a < bracket_size_) out[c9_index_] = -round_.players[global(a)].unplayed_rounds;
      return;
    }
    if (b < bracket_size_) {
      bracket_edge_values(a, b, out);
      return;
    }
    if (has_next_ && b < next_end_) {
      // C8: how the next bracket (the floaters plus the next scoregroup) can pair.
      out[c8_] = 1;
      out[c8_ + 1 + next_levels_.at(score(a))] += 1;
      out[c8_ + 1 + next_levels_.at(score(b))] += 1;
    }
  }

  void bracket_edge_values(int a, int b, std::vector<int>& out) const {
    const PlayerState& pa = round_.players[global(a)];
    const PlayerState& pb = round_.players[global(b)];
    out[c6_] = 1;  // C6: one pair more, two floaters fewer
    out[c7_ + bracket_levels_.at(pa.score)] += 1;  // C7: the paired players' scores
    out[c7_ + bracket_levels_.at(pb.score)] += 1;
    // a is the higher ranked: rank indices grow down the bracket.
    const ColourCosts colours =
        colour_costs(pa, pb, round_.position[global(a)], round_.initial_colour);
    out[c10_] = -colours.beyond_two;
    out[c10_ + 1] = -colours.third_in_row;
    out[c10_ + 2] = -colours.unmet_preferences;
    out[c10_ + 3] = -colours.unmet_strong;
    // C14 / C16: residents that float again after a downfloat; paying them to stay.
    for (int v : {a, b}) {
      if (is_mdp(v)) continue;
      const PlayerState& p = round_.players[global(v)];
      if (p.float_last == FloatKind::down) out[c10_ + 4] += 1;
      if (p.float_before_last == FloatKind::down) out[c10_ + 6] += 1;
    }
    if (!is_mdp(a)) return;
    // a is an MDP, b a resident (two MDPs never meet).
    const int sd = sd_levels_.at(pa.score - resident_score_);
    const int levels = static_cast<int>(sd_levels_.size());
    if (pb.float_last == FloatKind::up) out[c10_ + 5] = -1;         // C15
    if (pb.float_before_last == FloatKind::up) out[c10_ + 7] = -1;  // C17
    const int block = 1 + 2 * levels;
    for (int back = 0; back < 2; ++back) {
      const FloatKind mdp_float = back == 0 ? pa.float_last : pa.float_before_last;
      const FloatKind res_float = back == 0 ? pb.float_last : pb.float_before_last;
      const int base = c18_ + back * block;
      if (mdp_float == FloatKind::down) {
        out[base] = 1;              // C18 / C20: not floating again
        out[base + 1 + sd] = -1;    // and then the smallest score difference
      }
      if (res_float == FloatKind::up) out[base + 1 + levels + sd] = -1;  // C19 / C21
    }
  }

  void build_edges() {
    // Band widths: each must hold the difference of two matchings' totals.
    std::vector<int> widths(component_count_, 0);
    criteria_bits_ = 1;  // weights are doubled: the matching halves them
    for (int c = 0; c < component_count_; ++c) {
      if ((c == c9_index_ && !c9_) || bounds_[c] == 0) continue;
      widths[c] = std::bit_width(static_cast<unsigned long long>(2 * bounds_[c])) + 1;
      criteria_bits_ += widths[c];
    }
    // C4 needs no band: the matching is of maximum cardinality. The width a completion band
    // would take stays free above the criteria, as room for the duals of the search, which
    // start from the last optimum and may sink below zero.
    criteria_bits_ += std::bit_width(static_cast<unsigned long long>(vertex_count_)) + 2;
    // The tie band keeps its room whether in use or not when the weights fit in 128 bits: the
    // criteria then keep their values, and each search can start from the last optimum.
    const int tie_room =
        criteria_bits_ + 8 < 126 ? std::max(tie_bits_, 126 - criteria_bits_) : tie_bits_;
    layout_key_ = (c9_ ? 1 : 0) + 2 * tie_room;
    weights_key_ = tie_count_ == 0 ? layout_key_ : -1;
    std::vector<int> offsets(component_count_);
    int bit = 1;
    tie_offset_ = bit;
    bit += tie_room;
    for (int c = component_count_ - 1; c >= 0; --c) {
      offsets[c] = bit;
      bit += widths[c];
    }
    bit += std::bit_width(static_cast<unsigned long long>(vertex_count_)) + 2;
    if (bit <= 126)
      build_typed<__int128>(offsets);
    else if (bit <= 254)
      build_typed<WideInteger<4>>(offsets);
    else if (bit <= 510)
      build_typed<WideInteger<8>>(offsets);
    else
      build_typed<WideInteger<32>>(offsets);
    edges_built_ = true;
  }

  template <typename W>
  void build_typed(const std::vector<int>& offsets) {
    // A solver of the same width keeps its last optimum, its proof and, when the criteria's
    // layout is unchanged, the criteria's part of every weight: only the tie band is redone.
    auto* solver = dynamic_cast<TypedSolver<W>*>(solver_.get());
    if (solver == nullptr) {
      solver_ = std::make_unique<TypedSolver<W>>();
      solver = static_cast<TypedSolver<W>*>(solver_.get());
    }
    if (solver->layout != layout_key_ || solver->all.empty()) {
      solver->layout = layout_key_;
      solver->all.clear();
      solver->criteria.clear();
      std::vector<int> values(component_count_);
      auto add_edge = [&](int a, int b) {
        std::fill(values.begin(), values.end(), 0);
        edge_values(a, b, values);
        W w{};
        for (int c = 0; c < component_count_; ++c)
          if (values[c] != 0) w += shifted<W>(values[c], offsets[c]);
        solver->all.push_back({a, b, w});
        solver->criteria.push_back(w);
      };
      const int real = static_cast<int>(verts_.size());
      for (int a = 0; a < real; ++a) {
        for (int b = a + 1; b < real; ++b) {
          if (a < mdp_count_ && b < mdp_count_) continue;  // MDPs never meet each other
          if (!round_.compatible(global(a), global(b))) continue;
          add_edge(a, b);
        }
        if (dummy_ != dummy_none && round_.may_take_bye(global(a))) add_edge(a, dummy_);
      }
    }
    for (std::size_t k = 0; k < solver->all.size(); ++k) {
      auto& e = solver->all[k];
      e.weight = solver->criteria[k];
      if (tie_count_ > 0 && e.v < bracket_size_) {
        int i = tie_s1_[e.u], j = tie_s2_[e.v];
        if (i < 0) i = tie_s1_[e.v], j = tie_s2_[e.u];
        if (i >= 0 && j >= 0 && tie_values_[i][j] > 0)
          e.weight += shifted<W>(tie_values_[i][j], tie_offset_ + tie_shift_[i]);
      }
    }
  }

  const RoundContext& round_;
  std::vector<int> verts_;
  int mdp_count_ = 0, bracket_size_ = 0, next_end_ = 0, dummy_ = dummy_none, vertex_count_ = 0;
  int resident_score_ = 0;
  bool c9_possible_ = false, c9_ = false, has_next_ = false, edges_built_ = false;
  std::vector<Place> place_;
  std::vector<int> forced_, group_;
  std::vector<int> tie_s1_, tie_s2_;
  int tie_count_ = 0, tie_bits_ = 0, tie_offset_ = 0;
  std::vector<std::vector<int>> tie_values_;  // per ordered S1 player, per S2 position
  std::vector<int> tie_digits_, tie_shift_;
  int criteria_bits_ = 0;  // width of the weights without the tie band
  int layout_key_ = -1;    // equal for equal criteria weights
  int weights_key_ = -1;   // equal for equal weights; -1 while a tie band is set
  std::map<int, int, std::greater<int>> bracket_levels_, next_levels_, sd_levels_;
  std::vector<long long> bounds_;
  int component_count_ = 0, c6_ = 0, c7_ = 0, c8_ = 0, c9_index_ = 0, c10_ = 0, c18_ = 0;
  std::unique_ptr<Solver> solver_;
};

// Walks the generation order of Art. 4, keeping at each step the first choice with which the
// optimum value is still reachable.
class EarliestOptimum {
 public:
  explicit EarliestOptimum(BracketProblem& p) : p_(p) {}

  bool start() {
    witness_ = p_.solve();
    if (!p_.satisfies(witness_)) return false;
    best_ = p_.score_of(witness_);
    p_.accept_last_solve();
    return true;
  }

  // Keeps the restrictions just set if the optimum survives them.
  bool reachable() {
    if (p_.satisfies(witness_)) return true;
    std::vector<int> mate = p_.solve();
    if (!p_.satisfies(mate) || p_.score_of(mate) != best_) {
      p_.discard_last_solve();
      return false;
    }
    witness_ = std::move(mate);
    p_.accept_last_solve();
    return true;
  }

  // Solves again even when the witness fits: the tie band has changed which optimum comes first.
  bool resolve() {
    std::vector<int> mate = p_.solve();
    if (!p_.satisfies(mate) || p_.score_of(mate) != best_) return false;
    witness_ = std::move(mate);
    p_.accept_last_solve();
    return true;
  }

  // reachable() for restrictions that force `pairs`, asking the last optimum's duals first.
  bool reachable_forcing(const std::vector<std::pair<int, int>>& pairs) {
    if (p_.satisfies(witness_)) return true;
    if (p_.optimum_excludes(pairs)) return false;
    return reachable();
  }

  const std::vector<int>& witness() const { return witness_; }

 private:
  BracketProblem& p_;
  std::vector<int> witness_;
  Score best_;
};

struct Exchange {
  std::vector<int> out;  // leave S1 (positions in the remainder), descending
  std::vector<int> in;   // enter S1, ascending
  int difference = 0;
};

// Art. 4.3: fewer players swapped; smaller (entering - leaving) BSN sum; higher BSN leaving S1
// first; lower BSN entering S1 first.
std::vector<Exchange> exchanges_of_size(int s1, int s2, int size) {
  std::vector<Exchange> all;
  std::vector<int> out_pick(size), in_pick(size);
  std::function<void(int, int)> pick_in;
  std::function<void(int, int)> pick_out = [&](int from, int depth) {
    if (depth == size) {
      pick_in(s1, 0);
      return;
    }
    for (int i = from; i < s1; ++i) {
      out_pick[depth] = i;
      pick_out(i + 1, depth + 1);
    }
  };
  pick_in = [&](int from, int depth) {
    if (depth == size) {
      Exchange e;
      e.out.assign(out_pick.rbegin(), out_pick.rend());
      e.in = in_pick;
      for (int v : e.in) e.difference += v;
      for (int v : e.out) e.difference -= v;
      all.push_back(std::move(e));
      return;
    }
    for (int i = from; i < s1 + s2; ++i) {
      in_pick[depth] = i;
      pick_in(i + 1, depth + 1);
    }
  };
  pick_out(0, 0);
  std::sort(all.begin(), all.end(), [](const Exchange& a, const Exchange& b) {
    if (a.difference != b.difference) return a.difference < b.difference;
    if (a.out != b.out) return a.out > b.out;
    return a.in < b.in;
  });
  return all;
}

// Pairs every S1 player with an S2 player, the earliest transposition (Art. 4.2) that keeps the
// optimum. Before each slice of S1 the natural continuation (each next S1 player with the next
// free S2 player) is tried, as it usually is the answer; otherwise the tie band orders the
// matching's optima for that slice.
void pair_in_transposition_order(BracketProblem& p, EarliestOptimum& search,
                                 const std::vector<int>& s1, const std::vector<int>& s2,
                                 const RoundContext& round) {
  std::vector<bool> taken(s2.size(), false);
  // The natural continuation from S1[from]: each next S1 player with the next S2 player free.
  auto natural_from = [&](std::size_t from) {
    std::vector<std::pair<int, int>> pairs;
    std::size_t j = 0;
    for (std::size_t i = from; i < s1.size(); ++i) {
      while (j < s2.size() && taken[j]) ++j;
      if (j == s2.size() || !round.compatible(p.global(s1[i]), p.global(s2[j]))) return false;
      pairs.emplace_back(s1[i], s2[j++]);
    }
    for (auto [a, b] : pairs) p.force(a, b);
    if (search.reachable_forcing(pairs)) return true;
    for (auto [a, b] : pairs) p.unforce(a, b);
    return false;
  };
  for (std::size_t start = 0; start < s1.size();) {
    if (natural_from(start)) return;
    const std::size_t end = p.set_tie_order(s1, start, s2);
    const bool found = search.resolve();
    p.clear_tie_order();
    if (!found) return;  // cannot happen: the optimum was reachable before the band was added
    for (std::size_t i = start; i < end; ++i) {
      const int partner = search.witness()[s1[i]];
      p.force(s1[i], partner);
      taken[std::find(s2.begin(), s2.end(), partner) - s2.begin()] = true;
    }
    start = end;
  }
}

// Homogeneous bracket or remainder (Art. 2.6): S1 = first MaxPairs players, S2 = the rest; try
// the exchanges in order, then the S2 partners of S1[1], S1[2], ... in BSN order.
void pair_homogeneous(BracketProblem& p, EarliestOptimum& search, const std::vector<int>& group,
                      const RoundContext& round) {
  const std::vector<int>& mate = search.witness();
  int pairs = 0;
  for (int v : group)
    if (mate[v] < p.bracket_size() && std::find(group.begin(), group.end(), mate[v]) != group.end())
      ++pairs;
  pairs /= 2;
  const int n = static_cast<int>(group.size());
  for (int v : group) p.place(v) = Place::free;
  if (pairs == 0) {
    for (int v : group) p.place(v) = Place::outside;
    return;
  }
  auto apply = [&](const std::vector<bool>& in_s1) {
    for (int i = 0; i < n; ++i) {
      p.group(group[i]) = in_s1[i] ? 1 : 2;
      p.place(group[i]) = in_s1[i] ? Place::inside : Place::free;
    }
  };
  std::vector<bool> in_s1(n, false);
  for (int i = 0; i < pairs; ++i) in_s1[i] = true;
  apply(in_s1);
  bool found = search.reachable();
  for (int size = 1; !found && size <= std::min(pairs, n - pairs); ++size) {
    for (const Exchange& e : exchanges_of_size(pairs, n - pairs, size)) {
      std::vector<bool> swapped = in_s1;
      for (int v : e.out) swapped[v] = false;
      for (int v : e.in) swapped[v] = true;
      apply(swapped);
      if (search.reachable()) {
        found = true;
        break;
      }
    }
  }
  // The optimum is always reachable by some split, the identity exchange at worst never fails
  // to be tried; a failure here would be a broken invariant.
  std::vector<int> s1, s2;
  for (int v : group) (p.group(v) == 1 ? s1 : s2).push_back(v);
  pair_in_transposition_order(p, search, s1, s2, round);
}

BracketOutcome earliest_candidate(const RoundContext& round, BracketProblem& p,
                                  EarliestOptimum& search);

}  // namespace

std::optional<BracketOutcome> pair_bracket(const RoundContext& round, const std::vector<int>& mdps,
                                           const std::vector<int>& residents,
                                           const std::vector<int>& lower) {
  BracketProblem p(round, mdps, residents, lower, round.odd);
  EarliestOptimum search(p);
  if (p.c9_possible()) p.set_c9(true);
  if (!search.start()) return std::nullopt;
  const int size = p.bracket_size();
  auto floaters_in = [&](const std::vector<int>& mate) {
    int count = 0;
    for (int v = 0; v < size; ++v)
      if (mate[v] >= size) ++count;
    return count;
  };
  // C9 separates candidates only when the bracket floats exactly one player, the PAB receiver.
  if (p.c9_possible() && floaters_in(search.witness()) != 1) {
    p.set_c9(false);
    if (!search.start()) return std::nullopt;
  }
  if (floaters_in(search.witness()) == 0 && !lower.empty()) {
    // Nobody floats in any best candidate (C6), so the players below complete the round the same
    // way whatever the bracket does, and C8 sees the same next bracket: the bracket alone decides.
    BracketProblem alone(round, mdps, residents, {}, false);
    EarliestOptimum alone_search(alone);
    if (!alone_search.start()) return std::nullopt;
    return earliest_candidate(round, alone, alone_search);
  }
  return earliest_candidate(round, p, search);
}

namespace {

BracketOutcome earliest_candidate(const RoundContext& round, BracketProblem& p,
                                  EarliestOptimum& search) {
  const int size = p.bracket_size();

  std::vector<int> remainder;
  const int m0 = p.mdp_count();
  if (m0 > 0) {
    int m1 = 0;
    for (int v = 0; v < m0; ++v)
      if (search.witness()[v] < size) ++m1;
    // Art. 4.4: the first valid MDP set, in the order of their sorted BSN lists.
    std::vector<int> s1;
    for (int v = 0; v < m0; ++v) {
      if (static_cast<int>(s1.size()) == m1) {
        p.place(v) = Place::outside;
        continue;
      }
      p.place(v) = Place::inside;
      if (search.reachable()) {
        s1.push_back(v);
      } else {
        p.place(v) = Place::outside;
      }
    }
    // Art. 4.2: transpositions of S2 (the residents) in lexicographic order of S1's partners.
    std::vector<int> s2;
    for (int v = m0; v < size; ++v) s2.push_back(v);
    pair_in_transposition_order(p, search, s1, s2, round);
    for (int v = m0; v < size; ++v)
      if (search.witness()[v] >= m0) remainder.push_back(v);
  } else {
    for (int v = 0; v < size; ++v) remainder.push_back(v);
  }
  if (!remainder.empty()) pair_homogeneous(p, search, remainder, round);

  BracketOutcome outcome;
  const std::vector<int>& mate = search.witness();
  for (int v = 0; v < size; ++v) {
    if (mate[v] < size) {
      if (v < mate[v]) outcome.pairs.emplace_back(p.global(v), p.global(mate[v]));
    } else {
      outcome.floaters.push_back(p.global(v));
    }
  }
  return outcome;
}

}  // namespace

bool has_complete_pairing(const RoundContext& round, const std::vector<int>& players,
                          const std::vector<bool>& bye_allowed) {
  const int n = static_cast<int>(players.size());
  const bool odd = n % 2 == 1;
  std::vector<WeightedEdge<long long>> edges;
  for (int a = 0; a < n; ++a) {
    for (int b = a + 1; b < n; ++b)
      if (round.compatible(players[a], players[b])) edges.push_back({a, b, 2});
    if (odd && bye_allowed[a]) edges.push_back({a, n, 2});
  }
  const int vertices = n + (odd ? 1 : 0);
  const std::vector<int> mate = max_weight_matching(vertices, edges);
  return std::all_of(mate.begin(), mate.end(), [](int m) { return m >= 0; });
}

}  // namespace movarel::pairing
