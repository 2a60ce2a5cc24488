#include "tiebreaks/tie_break_values.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>

#include "tiebreaks/rating_tables.h"
#include "tiebreaks/unplayed_rounds.h"

namespace movarel::tiebreaks {

namespace {

// One round's share of a summed tie-break. `key` says how significant it is: the opponent's
// (or dummy's) score, for Buchholz the value itself.
struct Term {
  int64_t value = 0;
  int64_t key = 0;
  bool voluntary = false;
};

// The sum after removing `low` least significant terms and then `high` most significant
// ones. With voluntarily unplayed rounds, each low cut compares the lowest VUR term with the
// least significant one and removes the higher, the VUR on equality (the older rules cut the
// least significant only). Removing every term, or more, leaves 0.
int64_t SumAfterCuts(std::vector<Term> terms, int low, int high, bool vur_rule) {
  if (static_cast<size_t>(low + high) >= terms.size() && low + high > 0) return 0;
  for (int cut = 0; cut < low; ++cut) {
    auto least = terms.begin();
    std::optional<std::vector<Term>::iterator> lowest_vur;
    for (auto it = terms.begin(); it != terms.end(); ++it) {
      if (it->key < least->key || (it->key == least->key && it->value < least->value)) least = it;
      if (it->voluntary && (!lowest_vur || it->value < (*lowest_vur)->value)) lowest_vur = it;
    }
    terms.erase(vur_rule && lowest_vur && (*lowest_vur)->value >= least->value ? *lowest_vur : least);
  }
  for (int cut = 0; cut < high; ++cut) {
    terms.erase(std::max_element(terms.begin(), terms.end(),
                                 [](const Term& a, const Term& b) { return a.value < b.value; }));
  }
  int64_t sum = 0;
  for (const Term& term : terms) sum += term.value;
  return sum;
}

int64_t RoundedMean(int64_t sum, int64_t count) {
  if (count == 0) return 0;
  return sum >= 0 ? (2 * sum + count) / (2 * count) : -((-2 * sum + count) / (2 * count));
}

bool ValidOpponent(const Tournament& tournament, int opponent) {
  return opponent >= 1 && opponent <= static_cast<int>(tournament.players.size());
}

class Calculator {
 public:
  explicit Calculator(const Tournament& tournament) : tournament_(tournament) {}

  std::vector<Value> Compute(const TieBreak& tb) {
    const size_t count = tournament_.players.size();
    std::vector<Value> values(count);
    switch (tb.code) {
      case Code::kBH:
      case Code::kFB: {
        const Variant& variant = VariantFor(tb.code == Code::kFB, tb.played);
        for (size_t p = 0; p < count; ++p) values[p] = Value::Halves(BuchholzOf(variant, p, tb.cut + tb.median, tb.median));
        break;
      }
      case Code::kSB: {
        const Variant& variant = VariantFor(false, tb.played);
        for (size_t p = 0; p < count; ++p) values[p] = Value::Quarters(SonnebornOf(variant, p, tb.cut));
        break;
      }
      case Code::kAOB: {
        const Variant& variant = VariantFor(false, false);
        for (size_t p = 0; p < count; ++p) {
          int64_t sum = 0;
          int64_t games = 0;
          for (const RoundResult& r : tournament_.players[p].rounds) {
            if (!IsGame(r.kind) || !ValidOpponent(tournament_, r.opponent)) continue;
            sum += BuchholzOf(variant, static_cast<size_t>(r.opponent - 1), 0, 0);
            ++games;
          }
          values[p] = games == 0 ? Value{} : Value{sum, 2 * games};
        }
        break;
      }
      case Code::kPS:
        for (size_t p = 0; p < count; ++p) {
          const std::vector<RoundResult>& rounds = tournament_.players[p].rounds;
          int64_t running = 0;
          int64_t sum = 0;
          for (size_t r = 0; r < rounds.size(); ++r) {
            running += rounds[r].points;
            if (static_cast<int>(r) >= tb.cut) sum += running;
          }
          values[p] = Value::Halves(sum);
        }
        break;
      case Code::kWIN:
      case Code::kWON:
      case Code::kBPG:
      case Code::kBWG:
        for (size_t p = 0; p < count; ++p) values[p] = Value::Whole(CountRounds(p, tb.code));
        break;
      case Code::kREP: {
        const Variant& variant = VariantFor(false, false);
        for (size_t p = 0; p < count; ++p) {
          const std::vector<bool>& voluntary = variant.unplayed.voluntary[p];
          values[p] = Value::Whole(static_cast<int64_t>(std::count(voluntary.begin(), voluntary.end(), false)));
        }
        break;
      }
      case Code::kSTD:
        for (size_t p = 0; p < count; ++p) {
          int64_t standard = 0;
          for (const RoundResult& r : tournament_.players[p].rounds) standard += r.points >= 2 ? 2 : r.points;
          values[p] = Value::Halves(standard);
        }
        break;
      case Code::kKS: {
        const Variant& variant = VariantFor(false, false);
        const int threshold = tournament_.Rounds() + tb.koya_limit;
        for (size_t p = 0; p < count; ++p) {
          int64_t sum = 0;
          for (const RoundResult& r : tournament_.players[p].rounds) {
            if (!ValidOpponent(tournament_, r.opponent)) continue;
            if (variant.unplayed.score[static_cast<size_t>(r.opponent - 1)] >= threshold) sum += r.points;
          }
          values[p] = Value::Halves(sum);
        }
        break;
      }
      case Code::kARO:
        for (size_t p = 0; p < count; ++p) {
          std::vector<Term> ratings;
          for (const RatedGame& game : RatedGames(p)) ratings.push_back({game.rating, game.rating, false});
          const int low = tb.cut + tb.median;
          const size_t kept = ratings.size() - std::min(ratings.size(), static_cast<size_t>(low + tb.median));
          const int64_t sum = SumAfterCuts(ratings, low, tb.median, false);
          values[p] = Value::Whole(RoundedMean(sum, static_cast<int64_t>(kept)));
        }
        break;
      case Code::kTPR:
        for (size_t p = 0; p < count; ++p) values[p] = Value::Whole(Performance(p));
        break;
      case Code::kPTP:
        for (size_t p = 0; p < count; ++p) values[p] = Value::Whole(PerfectPerformance(p));
        break;
      case Code::kAPRO:
      case Code::kAPPO:
        for (size_t p = 0; p < count; ++p) {
          int64_t sum = 0;
          int64_t games = 0;
          for (const RoundResult& r : tournament_.players[p].rounds) {
            if (!IsGame(r.kind) || !ValidOpponent(tournament_, r.opponent)) continue;
            const size_t o = static_cast<size_t>(r.opponent - 1);
            sum += tb.code == Code::kAPRO ? Performance(o) : PerfectPerformance(o);
            ++games;
          }
          values[p] = Value::Whole(RoundedMean(sum, games));
        }
        break;
      case Code::kRTNG:
        for (size_t p = 0; p < count; ++p) values[p] = Value::Whole(tournament_.players[p].rating);
        break;
      case Code::kTPN:
        for (size_t p = 0; p < count; ++p) values[p] = Value::Whole(static_cast<int64_t>(p) + 1);
        break;
      case Code::kDE:
        break;
    }
    return values;
  }

 private:
  struct Variant {
    Tournament tournament;
    UnplayedRounds unplayed;
  };

  struct RatedGame {
    int64_t rating;
    int points;  // half-points
  };

  const Variant& VariantFor(bool fore, bool played) {
    const int key = (fore ? 2 : 0) + (played ? 1 : 0);
    auto found = variants_.find(key);
    if (found == variants_.end()) {
      Tournament changed = tournament_;
      if (played) changed = WithForfeitsAsGames(changed);
      if (fore) changed = WithLastRoundDrawn(changed);
      UnplayedRounds unplayed = AnalyseUnplayedRounds(changed);
      found = variants_.emplace(key, Variant{std::move(changed), std::move(unplayed)}).first;
    }
    return found->second;
  }

  bool VurRule() const { return tournament_.rules != RuleSet::kVirtualOpponent; }

  int64_t OpponentScore(const Variant& variant, int opponent) const {
    return ValidOpponent(variant.tournament, opponent) ? variant.unplayed.adjusted[static_cast<size_t>(opponent - 1)] : 0;
  }

  // Half-points.
  int64_t BuchholzOf(const Variant& variant, size_t p, int low, int high) const {
    const std::vector<RoundResult>& rounds = variant.tournament.players[p].rounds;
    std::vector<Term> terms;
    terms.reserve(rounds.size());
    for (size_t r = 0; r < rounds.size(); ++r) {
      const int dummy = variant.unplayed.dummy[p][r];
      const int64_t value = dummy >= 0 ? dummy : OpponentScore(variant, rounds[r].opponent);
      terms.push_back({value, value, variant.unplayed.voluntary[p][r]});
    }
    return SumAfterCuts(std::move(terms), low, high, VurRule());
  }

  // Quarter points.
  int64_t SonnebornOf(const Variant& variant, size_t p, int low) const {
    const std::vector<RoundResult>& rounds = variant.tournament.players[p].rounds;
    std::vector<Term> terms;
    terms.reserve(rounds.size());
    for (size_t r = 0; r < rounds.size(); ++r) {
      const int dummy = variant.unplayed.dummy[p][r];
      const int64_t score = dummy >= 0 ? dummy : OpponentScore(variant, rounds[r].opponent);
      terms.push_back({score * rounds[r].points, score, variant.unplayed.voluntary[p][r]});
    }
    return SumAfterCuts(std::move(terms), low, 0, VurRule());
  }

  int64_t CountRounds(size_t p, Code code) const {
    int64_t n = 0;
    for (const RoundResult& r : tournament_.players[p].rounds) {
      const bool game = IsGame(r.kind);
      const bool won = r.points >= 2;
      const bool black = game && r.colour == Colour::kBlack;
      if ((code == Code::kWIN && won) || (code == Code::kWON && game && won) || (code == Code::kBPG && black) ||
          (code == Code::kBWG && black && won)) {
        ++n;
      }
    }
    return n;
  }

  // The games over the board against opponents with a rating that counts.
  std::vector<RatedGame> RatedGames(size_t p) const {
    std::vector<RatedGame> games;
    for (const RoundResult& r : tournament_.players[p].rounds) {
      if (!IsGame(r.kind) || !ValidOpponent(tournament_, r.opponent)) continue;
      int rating = tournament_.players[static_cast<size_t>(r.opponent - 1)].rating;
      if (rating == 0) rating = tournament_.unrated_rating;
      if (rating == 0) continue;
      games.push_back({rating, r.points});
    }
    return games;
  }

  int64_t Performance(size_t p) {
    if (performance_.empty()) performance_.assign(tournament_.players.size(), std::nullopt);
    if (performance_[p]) return *performance_[p];
    const std::vector<RatedGame> games = RatedGames(p);
    if (games.empty()) return *(performance_[p] = 0);
    int64_t sum = 0;
    int64_t points = 0;
    for (const RatedGame& game : games) {
      sum += game.rating;
      points += game.points;
    }
    const int64_t n = static_cast<int64_t>(games.size());
    // p = points / games rounded to hundredths, halves upwards; points are half-points.
    const int p_hundredths = static_cast<int>((100 * points + n) / (2 * n));
    return *(performance_[p] = RoundedMean(sum, n) + RatingDifference(p_hundredths));
  }

  int64_t PerfectPerformance(size_t p) {
    if (perfect_.empty()) perfect_.assign(tournament_.players.size(), std::nullopt);
    if (perfect_[p]) return *perfect_[p];
    const std::vector<RatedGame> games = RatedGames(p);
    int64_t result = 0;
    if (!games.empty()) {
      int64_t lowest = games.front().rating;
      int64_t highest = lowest;
      int64_t target = 0;  // hundredths of a point
      for (const RatedGame& game : games) {
        lowest = std::min(lowest, game.rating);
        highest = std::max(highest, game.rating);
        target += 50 * game.points;
      }
      if (target == 0) {
        result = lowest - 800;
      } else {
        // The expected score never falls as R rises: the smallest R that reaches the target.
        int64_t below = lowest - 1000;  // expects less than the target
        int64_t reaches = highest + 1000;
        while (reaches - below > 1) {
          const int64_t middle = below + (reaches - below) / 2;
          int64_t expected = 0;
          for (const RatedGame& game : games) expected += ExpectedScore(static_cast<int>(middle - game.rating));
          (expected >= target ? reaches : below) = middle;
        }
        result = reaches;
      }
    }
    perfect_[p] = result;
    return result;
  }

  const Tournament& tournament_;
  std::map<int, Variant> variants_;
  std::vector<std::optional<int64_t>> performance_;
  std::vector<std::optional<int64_t>> perfect_;
};

}  // namespace

std::vector<Value> ComputeTieBreak(const Tournament& tournament, const TieBreak& tie_break) {
  return Calculator(tournament).Compute(tie_break);
}

std::vector<std::vector<Value>> ComputeTieBreaks(const Tournament& tournament, const std::vector<TieBreak>& list) {
  Calculator calculator(tournament);
  std::vector<std::vector<Value>> values;
  values.reserve(list.size());
  for (const TieBreak& tie_break : list) {
    values.push_back(tie_break.code == Code::kDE ? std::vector<Value>{} : calculator.Compute(tie_break));
  }
  return values;
}

int DisplayDecimals(Code code) {
  switch (code) {
    case Code::kBH:
    case Code::kFB:
    case Code::kPS:
    case Code::kKS:
    case Code::kSTD:
      return 1;
    case Code::kSB:
    case Code::kAOB:
      return 2;
    default:
      return 0;
  }
}

}  // namespace movarel::tiebreaks
