#include "register/tournament_key.h"

#include <cmath>
#include <tuple>

#include "register/table_layouts.h"

namespace movarel::registry {
namespace {

// Characters Windows refuses in file names, and the dot, which would split the key into a
// name and an extension.
constexpr std::string_view kForbidden = "\\/:*?\"<>|.";

std::string Quoted(char c) { return std::string("\"") + c + "\""; }

void CheckKeySyntax(const std::string& raw, const TournamentLimits& limits, std::vector<std::string>& breaches) {
  const std::string key(storage::AllTrim(raw));
  if (key.empty()) {
    breaches.push_back("La clave (FICHERO) est\xE1 en blanco");
    return;
  }
  if (key.find(' ') != std::string::npos) breaches.push_back("La clave (FICHERO) no puede contener espacios");
  for (char c : key) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || kForbidden.find(c) != std::string_view::npos) {
      breaches.push_back("La clave (FICHERO) no puede contener el car\xE1" "cter " +
                         (byte < 0x20 ? std::string("de control") : Quoted(c)));
      break;
    }
  }
  if (key[0] >= '0' && key[0] <= '9') {
    breaches.push_back("La clave (FICHERO) no puede empezar por una cifra: los ficheros de sus rondas se "
                       "confundir\xED" "an con los de otro torneo");
  }
  if (static_cast<int>(key.size()) > limits.key_length) {
    breaches.push_back("La clave (FICHERO) no puede tener m\xE1s de " + std::to_string(limits.key_length) +
                       " caracteres");
  }
}

void CheckWhole(double value, const char* field, int max, std::vector<std::string>& breaches) {
  if (value < 0 || value > max || std::floor(value) != value) {
    breaches.push_back(std::string(field) + " debe ser un n\xFAmero entero entre 0 y " + std::to_string(max));
  }
}

void CheckTheRest(const TournamentData& data, const TournamentLimits& limits, std::vector<std::string>& breaches) {
  if (!data.fecha_ini.empty() && !data.fecha_fin.empty() &&
      std::make_tuple(data.fecha_fin.year, data.fecha_fin.month, data.fecha_fin.day) <
          std::make_tuple(data.fecha_ini.year, data.fecha_ini.month, data.fecha_ini.day)) {
    breaches.push_back("La fecha de fin (FECHA_FIN) es anterior a la de inicio (FECHA_INI)");
  }
  CheckWhole(data.n_jugs, "N_JUGS", limits.max_players, breaches);
  CheckWhole(data.n_rondas, "N_RONDAS", kMaxRounds, breaches);
  CheckWhole(data.n_r_actual, "N_R_ACTUAL", limits.max_current_round, breaches);
}

}  // namespace

std::vector<std::string> CheckNewTournament(const TournamentData& data, const std::vector<std::string>& registered_keys,
                                            const TournamentLimits& limits) {
  std::vector<std::string> breaches;
  CheckKeySyntax(data.fichero, limits, breaches);
  const std::string key = storage::Upper(storage::AllTrim(data.fichero));
  for (const std::string& other : registered_keys) {
    if (!key.empty() && storage::Upper(storage::AllTrim(other)) == key) {
      breaches.push_back("Ya hay un torneo con la clave " + std::string(storage::AllTrim(data.fichero)) +
                         " en el fichero de torneos");
      break;
    }
  }
  CheckTheRest(data, limits, breaches);
  return breaches;
}

std::vector<std::string> CheckEditedTournament(const TournamentData& data, const std::string& current_key,
                                               const TournamentLimits& limits) {
  std::vector<std::string> breaches;
  if (storage::Upper(storage::AllTrim(data.fichero)) != storage::Upper(storage::AllTrim(current_key))) {
    breaches.push_back("La clave (FICHERO) no se puede cambiar: los ficheros del torneo llevan la clave " +
                       std::string(storage::AllTrim(current_key)));
  }
  CheckTheRest(data, limits, breaches);
  return breaches;
}

}  // namespace movarel::registry
