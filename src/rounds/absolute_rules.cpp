#include "rounds/absolute_rules.h"

#include <map>

#include "register/file_names.h"
#include "storage/value.h"

namespace movarel::rounds {
namespace {

// What the player table says of one player before the round.
struct History {
  std::map<int, int> met;   // opponent -> the round of a game played over the board
  std::string colours;      // 'W'/'B' of the games played, in order
  int bye_round = 0;        // a round of the pairing bye
  int forfeit_win_round = 0;
  int half_points = 0;
};

History ReadHistory(storage::Table& cuadro, int rounds) {
  History h;
  for (int r = 1; r <= rounds; ++r) {
    const int opponent = static_cast<int>(cuadro.GetNumber(registry::RoundFieldName(r, 'J')));
    const std::string colour = storage::Upper(std::string(storage::AllTrim(cuadro.GetText(registry::RoundFieldName(r, 'C')))));
    const std::string points(storage::AllTrim(cuadro.GetText(registry::RoundFieldName(r, 'P'))));
    const bool forfeit = storage::Upper(std::string(storage::AllTrim(cuadro.GetText(registry::RoundFieldName(r, 'I'))))) == "I";
    h.half_points += points == "1" ? 2 : (points == "\xBD" || points == "\xAB") ? 1 : 0;
    if (colour == "D") {
      h.bye_round = r;
    } else if (opponent > 0 && forfeit) {
      if (points == "1") h.forfeit_win_round = r;
    } else if (opponent > 0 && (colour == "B" || colour == "N")) {
      h.met[opponent] = r;
      h.colours += colour == "B" ? 'W' : 'B';
    }
  }
  return h;
}

std::string Player(int number) { return "El jugador n\xBA " + std::to_string(number); }

// The colour rules for one player given `colour` this round.
void CheckColours(int number, const History& h, char colour, std::vector<std::string>& breaches) {
  const std::string after = h.colours + colour;
  int difference = 0;
  for (char c : after) difference += c == 'W' ? 1 : -1;
  const char* name = colour == 'W' ? "blancas" : "negras";
  if (difference > 2 || difference < -2) {
    breaches.push_back(Player(number) + " tendr\xED" "a una diferencia de color de " + std::to_string(difference));
  }
  if (after.size() >= 3 && after.compare(after.size() - 3, 3, std::string(3, colour)) == 0) {
    breaches.push_back(Player(number) + " jugar\xED" "a con " + name + " tres veces seguidas");
  }
}

}  // namespace

std::vector<std::string> AbsoluteRuleBreaches(storage::Table& cuadro, const std::vector<pairing::Board>& boards,
                                              int round, int total_rounds) {
  std::map<int, History> history;
  auto of = [&](int number) -> const History& {
    auto found = history.find(number);
    if (found != history.end()) return found->second;
    History h;
    if (number >= 1 && static_cast<uint32_t>(number) <= cuadro.LastRec()) {
      cuadro.GoTo(static_cast<uint32_t>(number));
      h = ReadHistory(cuadro, round - 1);
    }
    return history.emplace(number, std::move(h)).first->second;
  };
  // A topscorer has more than half the points played so far; there are none before the last round.
  auto topscorer = [&](int number) { return round == total_rounds && of(number).half_points > round - 1; };

  std::vector<std::string> breaches;
  for (const pairing::Board& board : boards) {
    if (board.white <= 0) continue;
    if (board.black <= 0) {
      const History& h = of(board.white);
      if (h.bye_round != 0) {
        breaches.push_back(Player(board.white) + " ya ha descansado en la ronda " + std::to_string(h.bye_round));
      }
      if (h.forfeit_win_round != 0) {
        breaches.push_back(Player(board.white) + " ha ganado por incomparecencia en la ronda " +
                           std::to_string(h.forfeit_win_round));
      }
      continue;
    }
    const History& white = of(board.white);
    if (auto met = white.met.find(board.black); met != white.met.end()) {
      breaches.push_back(Player(board.white) + " y el n\xBA " + std::to_string(board.black) +
                         " ya han jugado en la ronda " + std::to_string(met->second));
    }
    if (topscorer(board.white) || topscorer(board.black)) continue;
    CheckColours(board.white, white, 'W', breaches);
    CheckColours(board.black, of(board.black), 'B', breaches);
  }
  return breaches;
}

}  // namespace movarel::rounds
