#include "pairing/colour_allocation.h"

#include <cstdlib>

namespace movarel::pairing {

Colour colour_of_higher(const PlayerState& higher, const PlayerState& lower, int higher_position,
                        Colour initial_colour) {
  const Colour hp = higher.preference, lp = lower.preference;
  // 5.2.1: grant both preferences, or the only one there is.
  if (hp != Colour::none && lp != Colour::none && hp != lp) return hp;
  if (hp != Colour::none && lp == Colour::none) return hp;
  if (hp == Colour::none && lp != Colour::none) return opposite(lp);
  if (hp != Colour::none) {
    // 5.2.2: the stronger preference; between two absolute ones, the wider colour difference.
    if (higher.strength != lower.strength)
      return higher.strength > lower.strength ? hp : opposite(lp);
    if (higher.strength == PreferenceStrength::absolute) {
      const int dh = std::abs(higher.colour_difference), dl = std::abs(lower.colour_difference);
      if (dh != dl) return dh > dl ? hp : opposite(lp);
    }
    // 5.2.3: alternate from the most recent game in which their colours differed.
    const auto& hc = higher.colours;
    const auto& lc = lower.colours;
    for (std::size_t back = 1; back <= hc.size() && back <= lc.size(); ++back) {
      const Colour h = hc[hc.size() - back], l = lc[lc.size() - back];
      if (h != l) return opposite(h);
    }
    // 5.2.4: the higher-ranked player's preference.
    return hp;
  }
  // 5.2.5: neither has played; the higher-ranked player gets the initial colour on an odd
  // position. The position among those paired this round, not the raw pairing number, is what
  // established engines alternate on when players above sit the round out.
  const Colour initial = initial_colour == Colour::none ? Colour::white : initial_colour;
  return higher_position % 2 == 1 ? initial : opposite(initial);
}

ColourCosts colour_costs(const PlayerState& higher, const PlayerState& lower, int higher_position,
                         Colour initial_colour) {
  ColourCosts costs;
  const Colour hc = colour_of_higher(higher, lower, higher_position, initial_colour);
  const Colour lc = opposite(hc);
  auto account = [&](const PlayerState& p, Colour got) {
    if (p.preference != Colour::none && p.preference != got) {
      ++costs.unmet_preferences;
      // C13 counts strong preferences only; an absolute one can be lost only by a topscorer
      // in the last round, which C10/C11 already weigh.
      if (p.strength == PreferenceStrength::strong) ++costs.unmet_strong;
    }
  };
  account(higher, hc);
  account(lower, lc);
  if (higher.topscorer || lower.topscorer) {
    auto extremes = [&](const PlayerState& p, Colour got) {
      const int cd = p.colour_difference + (got == Colour::white ? 1 : -1);
      if (cd > 2 || cd < -2) ++costs.beyond_two;
      const auto& c = p.colours;
      if (c.size() >= 2 && c[c.size() - 1] == got && c[c.size() - 2] == got) ++costs.third_in_row;
    };
    extremes(higher, hc);
    extremes(lower, lc);
  }
  return costs;
}

bool colours_forbid_pair(const PlayerState& a, const PlayerState& b) {
  return !a.topscorer && !b.topscorer && a.strength == PreferenceStrength::absolute &&
         b.strength == PreferenceStrength::absolute && a.preference == b.preference;
}

}  // namespace movarel::pairing
