#pragma once
// Reads the pairing cases' TRF files into the engine's input. Stand-in for the TRF library until
// it is merged: only the records the cases use (142, 152, 001), no validation.

#include <fstream>
#include <sstream>
#include <string>

#include "pairing/round_input.h"

namespace movarel::pairing::testing {

inline Outcome outcome_of(char code) {
  switch (code) {
    case '1': case 'W': case 'w': return Outcome::win;
    case '=': case 'D': case 'd': return Outcome::draw;
    case '0': case 'L': case 'l': return Outcome::loss;
    case '+': return Outcome::forfeit_win;
    case '-': return Outcome::forfeit_loss;
    case 'U': case 'u': return Outcome::pairing_bye;
    case 'F': case 'f': return Outcome::full_bye;
    case 'H': case 'h': return Outcome::half_bye;
    default: return Outcome::zero_bye;
  }
}

inline int points_of(Outcome o) {
  switch (o) {
    case Outcome::win: case Outcome::forfeit_win: case Outcome::pairing_bye: case Outcome::full_bye:
      return 2;
    case Outcome::draw: case Outcome::half_bye: return 1;
    default: return 0;
  }
}

inline RoundInput read_fixture_trf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string line;
  RoundInput input;
  std::vector<std::vector<RoundRecord>> blocks;
  int last_played = 0;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("142", 0) == 0) input.total_rounds = std::stoi(line.substr(4));
    if (line.rfind("152", 0) == 0 && line.size() > 4)
      input.initial_colour = line[4] == 'B' || line[4] == 'b' ? Colour::black : Colour::white;
    if (line.rfind("001", 0) != 0) continue;
    PlayerEntry p;
    p.number = std::stoi(line.substr(4, 4));
    std::vector<RoundRecord> rounds;
    for (std::size_t c = 91; c + 7 < line.size() + 1 && c < line.size(); c += 10) {
      RoundRecord r;
      std::string opp = line.substr(c, 4);
      r.opponent = opp.find_first_not_of(' ') == std::string::npos ? 0 : std::stoi(opp);
      char colour = c + 5 < line.size() ? line[c + 5] : ' ';
      r.colour = colour == 'w' ? Colour::white : colour == 'b' ? Colour::black : Colour::none;
      r.outcome = outcome_of(c + 7 < line.size() ? line[c + 7] : ' ');
      r.points = points_of(r.outcome);
      if (r.opponent != 0)
        last_played = std::max(last_played, static_cast<int>(rounds.size()) + 1);
      rounds.push_back(r);
    }
    input.players.push_back(p);
    blocks.push_back(rounds);
  }
  input.round = last_played + 1;
  for (std::size_t i = 0; i < input.players.size(); ++i) {
    auto& rounds = blocks[i];
    if (static_cast<int>(rounds.size()) >= input.round) input.players[i].plays = false;
    rounds.resize(input.round - 1);
    input.players[i].rounds = rounds;
  }
  return input;
}

}  // namespace movarel::pairing::testing
