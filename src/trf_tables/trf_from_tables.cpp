#include "trf_tables/trf_from_tables.h"

#include "register/file_names.h"
#include "register/table_layouts.h"
#include "storage/value.h"
#include "trf/result_codes.h"
#include "trf_tables/tie_break_codes.h"

namespace movarel::trf_tables {

namespace {

using trf::Colour;
using trf::RoundEntry;

// The national rating of this program's tables is the Spanish federation's.
constexpr char kNationalFederation[] = "ESP";

std::string Trim(std::string_view text) { return std::string(storage::AllTrim(text)); }

std::string TrfDate(const storage::Date& date) {
  if (date.empty()) return {};
  return storage::StrZero(date.year, 4) + "/" + storage::StrZero(date.month, 2) + "/" +
         storage::StrZero(date.day, 2);
}

RoundEntry WithoutOpponent(char points, bool pairing_bye) {
  if (pairing_bye && (points == '1' || points == ' ')) return {0, Colour::kNone, 'U'};
  if (points == '1') return {0, Colour::kNone, 'F'};
  if (points == 'h') return {0, Colour::kNone, 'H'};
  return {0, Colour::kNone, 'Z'};
}

RoundEntry AsGame(const TableRound& round) {
  const Colour colour = round.colour == 'B' ? Colour::kWhite : Colour::kBlack;
  char result = ' ';
  if (round.forfeit) {
    result = round.points == '1' ? '+' : round.points == '0' ? '-' : round.points == 'h' ? 'D' : ' ';
  } else {
    result = round.points == '1' ? '1' : round.points == '0' ? '0' : round.points == 'h' ? '=' : ' ';
  }
  return {round.opponent, colour, result};
}

bool IsGame(const TableRound& round, size_t players) {
  return (round.colour == 'B' || round.colour == 'N') && round.opponent > 0 &&
         static_cast<size_t>(round.opponent) <= players;
}

// The national record of a player who has FEDA data.
bool AddNationalRecord(const storage::Table& cuadro, int number, trf::Tournament& t) {
  const int rating = static_cast<int>(cuadro.GetNumber("ELOFEDA"));
  const std::string id = Trim(cuadro.GetText("COD_FEDA"));
  if (rating <= 0 && id.empty()) return false;
  trf::NationalRecord record;
  record.federation = kNationalFederation;
  record.starting_rank = number;
  record.rating = rating > 9999 ? 0 : rating;
  record.origin = Trim(cuadro.GetText("AUTONOMIA"));
  record.national_id = id.find_first_not_of("0123456789") == std::string::npos ? id : "";
  t.national_records.push_back(record);
  return true;
}

char TrfSex(std::string_view sexo) {
  const std::string s = Trim(sexo);
  if (s == "M" || s == "m" || s == "H" || s == "h" || s == "V" || s == "v") return 'm';
  if (s == "F" || s == "f" || s == "W" || s == "w") return 'w';
  return ' ';
}

}  // namespace

TableRound ReadTableRound(const storage::Table& cuadro, int round) {
  TableRound r;
  r.opponent = static_cast<int>(cuadro.GetNumber(registry::RoundFieldName(round, 'J')));
  const std::string colour = cuadro.GetText(registry::RoundFieldName(round, 'C'));
  const char c = colour.empty() ? ' ' : colour[0];
  r.colour = c == 'b' ? 'B' : c == 'n' ? 'N' : c == 'd' ? 'D' : (c == 'B' || c == 'N' || c == 'D') ? c : ' ';
  const std::string points = cuadro.GetText(registry::RoundFieldName(round, 'P'));
  const char p = points.empty() ? ' ' : points[0];
  r.points = p == '1' ? '1' : p == '0' ? '0' : registry::IsHalfPointByte(p) ? 'h' : ' ';
  const std::string forfeit = cuadro.GetText(registry::RoundFieldName(round, 'I'));
  r.forfeit = !forfeit.empty() && (forfeit[0] == 'i' || forfeit[0] == 'I');
  return r;
}

std::vector<std::vector<TableRound>> ReadTableRounds(storage::Table& cuadro, int rounds) {
  std::vector<std::vector<TableRound>> players;
  for (cuadro.GoTop(); !cuadro.Eof(); cuadro.Skip()) {
    std::vector<TableRound> player;
    for (int n = 1; n <= rounds; ++n) player.push_back(ReadTableRound(cuadro, n));
    players.push_back(std::move(player));
  }
  return players;
}

int LastPlayedRound(const std::vector<std::vector<TableRound>>& players) {
  int last = 0;
  for (const auto& player : players) {
    for (size_t n = 0; n < player.size(); ++n) {
      if (player[n].colour != ' ' && player[n].points != ' ') last = std::max(last, static_cast<int>(n) + 1);
    }
  }
  return last;
}

std::vector<std::vector<RoundEntry>> TrfRounds(const std::vector<std::vector<TableRound>>& players) {
  std::vector<std::vector<RoundEntry>> entries(players.size());
  for (size_t i = 0; i < players.size(); ++i) {
    for (const TableRound& round : players[i]) {
      entries[i].push_back(
          IsGame(round, players.size()) ? AsGame(round) : WithoutOpponent(round.points, round.colour == 'D'));
    }
  }
  // A game stays a game only when the other side says the same of it.
  std::vector<std::vector<RoundEntry>> checked = entries;
  for (size_t i = 0; i < entries.size(); ++i) {
    for (size_t n = 0; n < entries[i].size(); ++n) {
      const RoundEntry& mine = entries[i][n];
      if (mine.opponent == 0) continue;
      const std::vector<RoundEntry>& theirs_all = entries[static_cast<size_t>(mine.opponent - 1)];
      const RoundEntry theirs = n < theirs_all.size() ? theirs_all[n] : RoundEntry{};
      const bool agree = mine.result != ' ' && theirs.opponent == static_cast<int>(i) + 1 &&
                         theirs.colour != mine.colour && trf::ResultsAgree(mine.result, theirs.result) &&
                         (mine.result != 'D' || theirs.result == 'D');
      if (!agree) checked[i][n] = WithoutOpponent(players[i][n].points, false);
    }
  }
  return checked;
}

trf::Tournament TrfFromTables(storage::Table& torneos, storage::Table& cuadro,
                              const std::vector<std::string>& tie_break_fields, int rounds) {
  trf::Tournament t;
  t.version = trf::Version::kTrf26;
  t.name = Trim(torneos.GetText("TORNEO"));
  t.city = Trim(torneos.GetText("LOCALIDAD"));
  t.federation = kNationalFederation;
  t.start_date = TrfDate(torneos.GetDate("FECHA_INI"));
  t.end_date = TrfDate(torneos.GetDate("FECHA_FIN"));
  t.type = "Individual: Swiss-System";
  t.chief_arbiter = Trim(torneos.GetText("ARBIT_PPAL"));
  if (const std::string deputy = Trim(torneos.GetText("ARBIT_AUX")); !deputy.empty()) {
    t.deputy_arbiters.push_back(deputy);
  }
  t.time_control = Trim(torneos.GetText("PRIM_CONTR"));
  if (const std::string second = Trim(torneos.GetText("SEGU_CONTR")); !second.empty()) {
    t.time_control += " + " + second;
  }
  t.rounds = static_cast<int>(torneos.GetNumber("N_RONDAS"));
  for (const std::string& field : tie_break_fields) {
    if (std::optional<std::string> code = FideTieBreakCode(field)) t.tie_breaks.push_back(*code);
  }

  const std::vector<std::vector<TableRound>> table_rounds = ReadTableRounds(cuadro, rounds);
  const std::vector<std::vector<RoundEntry>> entries = TrfRounds(table_rounds);
  int number = 0;
  int rated = 0;
  bool national = false;
  for (cuadro.GoTop(); !cuadro.Eof(); cuadro.Skip()) {
    ++number;
    trf::Player p;
    p.starting_rank = number;
    p.sex = TrfSex(cuadro.GetText("SEXO"));
    p.name = Trim(cuadro.GetText("JUG"));
    const int rating = static_cast<int>(cuadro.GetNumber("ELOFIDE"));
    p.rating = rating > 0 && rating <= 9999 ? rating : 0;
    rated += p.rating > 0 ? 1 : 0;
    p.federation = Trim(cuadro.GetText("COD_PAIS"));
    const std::string id = Trim(cuadro.GetText("COD_FIDE"));
    p.fide_id = id.find_first_not_of("0123456789") == std::string::npos ? id : "";
    p.birth_date = TrfDate(cuadro.GetDate("FECHA_NAC"));
    p.rounds = entries[static_cast<size_t>(number - 1)];
    for (const RoundEntry& entry : p.rounds) p.points_tenths += trf::PointsOf(entry.result, t.scoring);
    p.rank = rounds > 0 ? static_cast<int>(cuadro.GetNumber("PUESTO")) : 0;
    national = AddNationalRecord(cuadro, number, t) || national;
    t.players.push_back(std::move(p));
  }
  // The colour of the first player paired in round 1, White or Black.
  for (size_t i = 0; rounds > 0 && i < table_rounds.size(); ++i) {
    const char colour = table_rounds[i][0].colour;
    if (colour == 'B' || colour == 'N') {
      t.initial_colour = colour == 'B' ? 'W' : 'B';
      break;
    }
  }
  t.declared_players = number;
  t.declared_rated_players = rated;
  // The seeding orders mix FIDE, FEDA and FVA ratings in their own way: no method of the list.
  if (national) t.starting_rank_method = std::string(kNationalFederation) + " OTHER";
  return t;
}

}  // namespace movarel::trf_tables
