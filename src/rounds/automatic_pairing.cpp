#include "rounds/automatic_pairing.h"

#include <string>
#include <vector>

#include "pairing/dutch_pairing.h"
#include "pairing/trf_round_input.h"
#include "trf_tables/trf_from_tables.h"

namespace movarel::rounds {
namespace {

std::string PlayerInRound(size_t player, size_t round) {
  return "del jugador n\xBA " + std::to_string(player + 1) + " en la ronda " + std::to_string(round + 1);
}

// The export turns a game it cannot state (no result yet, or results that do not add up)
// into a round without opponent; pairing on that would let the two meet again.
storage::Status CheckEarlierGames(storage::Table& cuadro, int round) {
  const std::vector<std::vector<trf_tables::TableRound>> tables = trf_tables::ReadTableRounds(cuadro, round - 1);
  const std::vector<std::vector<trf::RoundEntry>> entries = trf_tables::TrfRounds(tables);
  for (size_t p = 0; p < tables.size(); ++p) {
    for (size_t r = 0; r < tables[p].size(); ++r) {
      const trf_tables::TableRound& game = tables[p][r];
      if (game.opponent <= 0 || game.colour == 'D') continue;
      if (game.points == ' ') {
        return storage::Status::InvalidArgument("Falta el resultado " + PlayerInRound(p, r));
      }
      if (entries[p][r].opponent != game.opponent) {
        return storage::Status::InvalidArgument("El resultado " + PlayerInRound(p, r) +
                                                " no concuerda con el de su rival, el n\xBA " +
                                                std::to_string(game.opponent));
      }
    }
  }
  return storage::Status::Ok();
}

}  // namespace

storage::Result<pairing::RoundPairing> PairByDutchSystem(storage::Table& torneos, storage::Table& cuadro, int round,
                                                         const SitOuts& sit_outs) {
  if (storage::Status games = CheckEarlierGames(cuadro, round); !games.ok()) return games;
  const trf::Tournament tournament = trf_tables::TrfFromTables(torneos, cuadro, {}, round - 1);
  pairing::TrfRoundInput from = pairing::round_input_from_trf(tournament);
  if (!from.error.empty()) {
    return storage::Status::InvalidArgument("No se puede emparejar la ronda " + std::to_string(round) + ": " +
                                            from.error);
  }
  if (from.input.round != round) {
    return storage::Status::InvalidArgument("La ronda " + std::to_string(from.input.round) +
                                            " no est\xE1 emparejada: las rondas se emparejan por orden");
  }
  for (pairing::PlayerEntry& player : from.input.players) {
    cuadro.GoTo(static_cast<uint32_t>(player.number));
    if (cuadro.GetLogical("BAJA") || sit_outs.absent.count(player.number) != 0 ||
        sit_outs.half_bye.count(player.number) != 0) {
      player.plays = false;
    }
  }
  // The engine's sentences start in lower case, to follow a prefix.
  const std::string prefix = "No se puede emparejar la ronda " + std::to_string(round) + ": ";
  if (const std::string problem = pairing::check_round_input(from.input); !problem.empty()) {
    return storage::Status::InvalidArgument(prefix + problem);
  }
  std::optional<pairing::RoundPairing> paired = pairing::pair_round(from.input);
  if (!paired) return storage::Status::InvalidArgument(prefix + pairing::no_pairing_sentence(round));
  return std::move(*paired);
}

}  // namespace movarel::rounds
