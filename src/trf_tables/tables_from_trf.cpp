#include "trf_tables/tables_from_trf.h"

#include <algorithm>
#include <map>

#include "register/table_layouts.h"
#include "storage/value.h"
#include "trf/result_codes.h"
#include "trf_tables/tie_break_codes.h"

namespace movarel::trf_tables {

namespace {

using trf::RoundEntry;

constexpr size_t kMaxPlayers = 999;
constexpr size_t kNameWidth = 30;
constexpr size_t kCodeWidth = 8;
constexpr char kHalf[] = "\xBD";

std::string LineRefusal(int line, const std::string& what) {
  return "L\xEDnea " + std::to_string(line) + ": " + what;
}

// "YYYY/MM/DD" (also with "-" or "."); anything else, or a partial date, is no date.
storage::Date ParseDate(const std::string& text) {
  if (text.size() != 10) return {};
  auto number = [&text](size_t from, size_t length) {
    int value = 0;
    for (size_t k = from; k < from + length; ++k) {
      if (text[k] < '0' || text[k] > '9') return -1;
      value = value * 10 + (text[k] - '0');
    }
    return value;
  };
  storage::Date date{number(0, 4), number(5, 2), number(8, 2)};
  if (date.year < 1 || date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31) return {};
  return date;
}

std::string Cut(const std::string& text, size_t width) { return text.substr(0, std::min(width, text.size())); }

// The player's points of the round as the tables keep them, and its forfeit mark.
void PutResult(char result, PlayerRecord::Round& round) {
  switch (result) {
    case '1': case 'W': round.p = "1"; break;
    case '0': case 'L': round.p = "0"; break;
    case '=': round.p = kHalf; break;
    case 'D': round.p = kHalf; round.i = "i"; break;  // a half point each without a game
    case '+': round.p = "1"; round.i = "i"; break;
    case '-': round.p = "0"; round.i = "i"; break;
    default: break;
  }
}

std::string BoardResult(char white, char black) {
  switch (white) {
    case '1': case 'W': return " 1-0 ";
    case '0': case 'L': return " 0-1 ";
    case '=': return " \xBD-\xBD ";
    case 'D': return "i\xBD-\xBDi";
    case '+': return " 1-0i";
    case '-': return black == '-' ? "i0-0i" : "i0-1 ";
    default: return "     ";
  }
}

}  // namespace

std::variant<ImportPlan, std::string> PlanImport(const trf::ReadResult& read) {
  const trf::Tournament& t = read.tournament;
  ImportPlan plan;
  if (t.players.size() > kMaxPlayers) {
    return LineRefusal(read.player_lines[kMaxPlayers],
                       "el torneo tiene " + std::to_string(t.players.size()) +
                           " jugadores y un torneo admite como m\xE1ximo 999");
  }
  int rounds = 0;
  for (size_t i = 0; i < t.players.size(); ++i) {
    const int played = static_cast<int>(t.players[i].rounds.size());
    if (played > registry::kMaxRounds) {
      return LineRefusal(read.player_lines[i], "el jugador tiene " + std::to_string(played) +
                                                   " rondas y un torneo admite como m\xE1ximo 15");
    }
    rounds = std::max(rounds, played);
  }
  const int current = rounds;
  if (t.rounds > registry::kMaxRounds) {
    return LineRefusal(read.rounds_line, "el torneo tiene " + std::to_string(t.rounds) +
                                             " rondas y un torneo admite como m\xE1ximo 15");
  }
  rounds = std::max(rounds, t.rounds);

  // Starting ranks may have gaps in the file; the tables number players 1..N.
  std::map<int, int> number_of;
  for (size_t i = 0; i < t.players.size(); ++i) number_of[t.players[i].starting_rank] = static_cast<int>(i) + 1;
  std::map<int, const trf::NationalRecord*> national;
  for (const trf::NationalRecord& record : t.national_records) national[record.starting_rank] = &record;

  registry::TournamentData& d = plan.data;
  d.torneo = Cut(t.name, 40);
  d.localidad = Cut(t.city, 25);
  d.fecha_ini = ParseDate(t.start_date);
  d.fecha_fin = ParseDate(t.end_date);
  d.arbit_ppal = Cut(t.chief_arbiter, 30);
  d.arbit_aux = t.deputy_arbiters.empty() ? "" : Cut(t.deputy_arbiters.front(), 30);
  // The export writes the two time controls joined by " + ".
  const size_t plus = t.time_control.find(" + ");
  d.prim_contr = Cut(t.time_control.substr(0, plus), 20);
  d.segu_contr = plus == std::string::npos ? "" : Cut(t.time_control.substr(plus + 3), 20);
  d.n_jugs = static_cast<double>(t.players.size());
  d.n_rondas = rounds;
  d.n_r_actual = current;

  std::vector<double> points(t.players.size(), 0.0);  // before the round being planned
  for (size_t i = 0; i < t.players.size(); ++i) {
    const trf::Player& source = t.players[i];
    const int line = read.player_lines[i];
    PlayerRecord p;
    if (source.name.size() > kNameWidth) {
      plan.notes.push_back("L\xEDnea " + std::to_string(line) + ": el nombre se ha cortado a 30 letras: " +
                           Cut(source.name, kNameWidth));
    }
    p.jug = Cut(source.name, kNameWidth);
    p.sexo = source.sex == 'm' ? "M" : source.sex == 'w' ? "F" : "";
    p.cod_pais = source.federation.substr(0, 3);
    if (source.fide_id.size() > kCodeWidth) {
      return LineRefusal(line, "el c\xF3" "digo FIDE " + source.fide_id + " tiene m\xE1s de 8 cifras");
    }
    p.cod_fide = source.fide_id;
    p.elofide = source.rating;
    p.fecha_nac = ParseDate(source.birth_date);
    if (auto it = national.find(source.starting_rank); it != national.end() && it->second->federation == "ESP") {
      if (it->second->national_id.size() > kCodeWidth) {
        return LineRefusal(line, "el c\xF3" "digo FEDA " + it->second->national_id + " tiene m\xE1s de 8 cifras");
      }
      p.elofeda = it->second->rating;
      p.cod_feda = it->second->national_id;
      p.autonomia = it->second->origin.substr(0, 3);
    }
    p.rounds.resize(static_cast<size_t>(rounds));
    plan.players.push_back(std::move(p));
  }

  plan.boards.resize(static_cast<size_t>(rounds));
  for (int n = 0; n < rounds; ++n) {
    struct Pending {
      double top_points;
      int top_number;
      Board board;
    };
    std::vector<Pending> games;
    std::vector<Board> byes;
    for (size_t i = 0; i < t.players.size(); ++i) {
      const std::vector<RoundEntry>& all = t.players[i].rounds;
      const RoundEntry entry = static_cast<size_t>(n) < all.size() ? all[static_cast<size_t>(n)] : RoundEntry{};
      PlayerRecord::Round& round = plan.players[i].rounds[static_cast<size_t>(n)];
      const int me = static_cast<int>(i) + 1;
      if (entry.opponent != 0) {
        const int other = number_of.at(entry.opponent);
        round.j = other;
        round.c = entry.colour == trf::Colour::kWhite ? "B" : "N";
        PutResult(entry.result, round);
        const double mine = points[i], theirs = points[static_cast<size_t>(other - 1)];
        round.f = mine > theirs ? "v" : mine < theirs ? "^" : " ";
        if (entry.colour == trf::Colour::kWhite) {
          const RoundEntry& back = t.players[static_cast<size_t>(other - 1)].rounds[static_cast<size_t>(n)];
          games.push_back({std::max(mine, theirs), std::min(me, other),
                           Board{me, other, BoardResult(entry.result, back.result)}});
        }
      } else if (entry.result == 'U') {
        round.c = "D";
        round.p = "1";
        byes.push_back(Board{me, 0, "     "});
      } else if (entry.result == 'H') {
        round.p = kHalf;
      } else if (entry.result == 'F') {
        round.p = "1";
      }
    }
    // Boards from the top: the higher score of the pair, then the better-placed player.
    std::stable_sort(games.begin(), games.end(), [](const Pending& a, const Pending& b) {
      return a.top_points != b.top_points ? a.top_points > b.top_points : a.top_number < b.top_number;
    });
    for (const Pending& game : games) plan.boards[static_cast<size_t>(n)].push_back(game.board);
    for (const Board& bye : byes) plan.boards[static_cast<size_t>(n)].push_back(bye);
    for (size_t i = 0; i < t.players.size(); ++i) {
      const std::vector<RoundEntry>& all = t.players[i].rounds;
      if (static_cast<size_t>(n) < all.size()) points[i] += trf::PointsOf(all[static_cast<size_t>(n)].result, t.scoring) / 10.0;
    }
  }

  for (const std::string& code : t.tie_breaks) {
    std::optional<std::string> field = TieBreakField(code);
    if (!field) {
      plan.notes.push_back("El desempate " + code + " no lo calcula el programa y no se usa");
    } else if (std::find(plan.tie_break_fields.begin(), plan.tie_break_fields.end(), *field) ==
               plan.tie_break_fields.end()) {
      plan.tie_break_fields.push_back(*field);
    }
  }
  return plan;
}

}  // namespace movarel::trf_tables
