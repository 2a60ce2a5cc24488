#include "pairing/trf_round_input.h"

#include <algorithm>
#include <set>
#include <sstream>

namespace movarel::pairing {
namespace {

Outcome outcome_of(char result) {
  switch (result) {
    case '1': case 'W': return Outcome::win;
    case '=': case 'D': return Outcome::draw;
    case '0': case 'L': return Outcome::loss;  // unrated W/D/L: a game was begun at the board
    case '+': return Outcome::forfeit_win;
    case '-': return Outcome::forfeit_loss;
    case 'U': return Outcome::pairing_bye;
    case 'F': return Outcome::full_bye;
    case 'H': return Outcome::half_bye;
    default: return Outcome::zero_bye;
  }
}

Colour colour_of(trf::Colour c) {
  return c == trf::Colour::kWhite ? Colour::white
         : c == trf::Colour::kBlack ? Colour::black
                                    : Colour::none;
}

std::vector<int> numbers_from(const std::string& text, std::size_t from) {
  std::vector<int> numbers;
  if (from >= text.size()) return numbers;
  std::istringstream in(text.substr(from));
  for (int n; in >> n;) numbers.push_back(n);
  return numbers;
}

int field(const std::string& text, std::size_t from, std::size_t length) {
  if (from >= text.size()) return -1;
  try {
    return std::stoi(text.substr(from, length));
  } catch (...) {
    return -1;
  }
}

}  // namespace

TrfRoundInput round_input_from_trf(const trf::Tournament& t) {
  TrfRoundInput result;
  RoundInput& input = result.input;
  int last_paired = 0;
  for (const trf::Player& p : t.players)
    for (std::size_t r = 0; r < p.rounds.size(); ++r)
      if (p.rounds[r].opponent != 0) last_paired = std::max(last_paired, static_cast<int>(r) + 1);
  const int k = last_paired + 1;
  input.round = k;
  if (k > max_rounds) {
    result.error = "el torneo ya tiene " + std::to_string(last_paired) + " rondas emparejadas";
    return result;
  }
  input.total_rounds = t.rounds > 0 ? t.rounds : max_rounds;
  if (input.total_rounds < k) {
    result.error = "el torneo tiene " + std::to_string(t.rounds) +
                   " rondas y todas estan ya emparejadas";
    return result;
  }
  input.initial_colour = t.initial_colour == 'B' ? Colour::black
                         : t.initial_colour == 'W' ? Colour::white
                                                   : Colour::none;
  input.win_points = t.scoring.win;
  input.draw_points = t.scoring.draw;

  std::set<int> sitting_out;
  for (const std::string& record : t.other_records) {
    if (record.rfind("XXZ", 0) == 0)
      for (int n : numbers_from(record, 3)) sitting_out.insert(n);
    if (record.rfind("240", 0) == 0 && field(record, 6, 3) == k)
      for (int n : numbers_from(record, 10)) sitting_out.insert(n);
    auto forbid_all = [&](const std::vector<int>& ids) {
      for (std::size_t i = 0; i < ids.size(); ++i)
        for (std::size_t j = i + 1; j < ids.size(); ++j) input.forbidden_pairs.emplace_back(ids[i], ids[j]);
    };
    if (record.rfind("XXP", 0) == 0) forbid_all(numbers_from(record, 3));
    if (record.rfind("260", 0) == 0) {
      const int first = field(record, 4, 3), last = field(record, 8, 3);
      if ((first < 0 || first <= k) && (last < 0 || k <= last)) forbid_all(numbers_from(record, 12));
    }
  }

  for (const trf::Player& p : t.players) {
    PlayerEntry entry;
    entry.number = p.starting_rank;
    entry.rating = p.rating;
    for (int r = 1; r < k; ++r) {
      RoundRecord rec;
      if (r - 1 < static_cast<int>(p.rounds.size())) {
        const trf::RoundEntry& e = p.rounds[r - 1];
        rec.opponent = e.opponent;
        rec.outcome = outcome_of(e.result);
        rec.colour = rec.opponent != 0 ? colour_of(e.colour) : Colour::none;
        rec.points = trf::PointsOf(e.result, t.scoring);
      }
      entry.rounds.push_back(rec);
    }
    if (static_cast<int>(p.rounds.size()) >= k && !p.rounds[k - 1].IsBlank()) entry.plays = false;
    if (sitting_out.count(p.starting_rank)) entry.plays = false;
    input.players.push_back(std::move(entry));
  }
  return result;
}

}  // namespace movarel::pairing
