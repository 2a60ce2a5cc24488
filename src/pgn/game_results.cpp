#include "pgn/game_results.h"

#include "register/table_layouts.h"
#include "storage/value.h"

namespace movarel::pgn {
namespace {

constexpr char kDraw[] = "1/2-1/2";

}  // namespace

std::string BoardResult(std::string_view rdo) {
  const std::string_view middle = rdo.size() > 1 ? rdo.substr(1, 3) : std::string_view();
  if (middle.size() == 3 && middle[1] == '-' && registry::IsHalfPointByte(middle[0]) &&
      registry::IsHalfPointByte(middle[2]))
    return kDraw;
  if (middle == "1/2") return kDraw;
  std::string result;
  for (char c : middle)
    if (c != ' ') result += c;
  return result;
}

std::string PlayerResult(std::string_view points, std::string_view opponent_points, bool player_had_white) {
  const std::string_view trimmed = storage::AllTrim(points);
  if (trimmed.empty()) return "";
  if (registry::IsHalfPointByte(trimmed[0])) return kDraw;
  const std::string_view other = storage::AllTrim(opponent_points);
  if (trimmed == other && (trimmed == "0" || trimmed == "1"))
    return std::string(trimmed) + "-" + std::string(other);
  if (player_had_white) return trimmed == "1" ? "1-0" : "0-1";
  return trimmed == "0" ? "1-0" : "0-1";
}

std::string ForfeitComment(std::string_view result) {
  const std::string unplayed = "Partida no jugada: ";
  if (result == "1-0") return unplayed + "ganan las blancas por incomparecencia de las negras";
  if (result == "0-1") return unplayed + "ganan las negras por incomparecencia de las blancas";
  if (result == "0-0") return unplayed + "ninguno de los dos jugadores se present\xF3";
  return unplayed + "decidida por incomparecencia";
}

bool IsForfeitCode(std::string_view rdo) { return rdo.find('i') != std::string_view::npos; }

}  // namespace movarel::pgn
