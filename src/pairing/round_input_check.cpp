#include <map>
#include <string>

#include "pairing/dutch_pairing.h"

namespace movarel::pairing {
namespace {

std::string player_text(int number) { return "el jugador " + std::to_string(number); }

bool complementary(Outcome a, Outcome b) {
  switch (a) {
    case Outcome::win: return b == Outcome::loss;
    case Outcome::loss: return b == Outcome::win;
    case Outcome::draw: return b == Outcome::draw;
    case Outcome::forfeit_win: return b == Outcome::forfeit_loss;
    // A double forfeit is a forfeit loss on both sides.
    case Outcome::forfeit_loss: return b == Outcome::forfeit_win || b == Outcome::forfeit_loss;
    default: return false;
  }
}

bool has_opponent(Outcome o) { return is_played(o) || o == Outcome::forfeit_win || o == Outcome::forfeit_loss; }

}  // namespace

std::string no_pairing_sentence(int round) {
  return "no hay emparejamiento v\xE1lido para la ronda " + std::to_string(round) +
         ": ninguno evita repetir rivales y respetar los colores y el descanso";
}

std::string check_round_input(const RoundInput& input) {
  if (input.round < 1 || input.round > max_rounds)
    return "la ronda a emparejar (" + std::to_string(input.round) + ") no esta entre 1 y " +
           std::to_string(max_rounds);
  if (input.total_rounds < input.round || input.total_rounds > max_rounds)
    return "el numero de rondas (" + std::to_string(input.total_rounds) +
           ") no cabe con la ronda a emparejar (" + std::to_string(input.round) + ")";
  if (static_cast<int>(input.players.size()) > max_players)
    return "hay mas de " + std::to_string(max_players) + " jugadores";
  if (input.win_points <= 0 || input.draw_points < 0)
    return "el sistema de puntuacion no es valido";
  std::map<int, const PlayerEntry*> by_number;
  for (const PlayerEntry& p : input.players) {
    if (p.number < 1 || p.number > max_players)
      return "el numero inicial " + std::to_string(p.number) + " no esta entre 1 y " +
             std::to_string(max_players);
    if (!by_number.emplace(p.number, &p).second)
      return "el numero inicial " + std::to_string(p.number) + " esta repetido";
    if (static_cast<int>(p.rounds.size()) != input.round - 1)
      return player_text(p.number) + " no tiene las " + std::to_string(input.round - 1) +
             " rondas anteriores";
  }
  for (const PlayerEntry& p : input.players) {
    for (int r = 0; r < input.round - 1; ++r) {
      const RoundRecord& rec = p.rounds[r];
      const std::string where = player_text(p.number) + " en la ronda " + std::to_string(r + 1);
      if (rec.points < 0 || rec.points > input.win_points * 100)
        return where + " tiene una puntuacion imposible";
      if (!has_opponent(rec.outcome)) {
        if (rec.opponent != 0) return where + " tiene rival en un descanso o ausencia";
        if (rec.colour != Colour::none) return where + " tiene color en un descanso o ausencia";
        continue;
      }
      auto it = by_number.find(rec.opponent);
      if (rec.opponent == p.number || it == by_number.end())
        return where + " tiene un rival que no existe (" + std::to_string(rec.opponent) + ")";
      const RoundRecord& back = it->second->rounds[r];
      if (back.opponent != p.number)
        return where + " juega con " + std::to_string(rec.opponent) +
               ", que no le nombra como rival";
      if (!complementary(rec.outcome, back.outcome))
        return where + " tiene un resultado que no casa con el de " + std::to_string(rec.opponent);
      if (is_played(rec.outcome) &&
          (rec.colour == Colour::none || back.colour != opposite(rec.colour)))
        return where + " tiene un color que no casa con el de " + std::to_string(rec.opponent);
    }
  }
  return {};
}

}  // namespace movarel::pairing
