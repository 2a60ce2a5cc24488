#include "standings/round_entry.h"

#include <cmath>

#include "storage/value.h"

namespace movarel::standings {

double RoundPoints(std::string_view points_field) {
  if (!points_field.empty()) {
    const unsigned char first = static_cast<unsigned char>(points_field.front());
    if (first == 0xBD || first == 0xAB) return 0.5;
  }
  return storage::Val(points_field);
}

RoundEntry MakeRoundEntry(double opponent_field, std::string_view colour_field,
                          std::string_view points_field, std::string_view forfeit_field) {
  RoundEntry entry;
  // A number field is at most three digits here, but a damaged one may read as anything:
  // keep only what can be a player number, everything else is "no opponent".
  if (std::isfinite(opponent_field) && opponent_field >= 1 && opponent_field < 1e6) {
    entry.opponent = static_cast<int>(opponent_field);
  }
  entry.points = RoundPoints(points_field);
  // The one-character fields are compared as stored: "i" and "D" exactly, blank = not paired.
  entry.forfeit = !forfeit_field.empty() && forfeit_field.front() == 'i';
  const std::string_view colour = storage::RTrim(colour_field);
  entry.unplayed = entry.forfeit || colour.empty() || colour.front() == 'D';
  return entry;
}

}  // namespace movarel::standings
