#include "trf/player_line.h"

#include <initializer_list>
#include <optional>

#include "trf/error_text.h"
#include "trf/line_fields.h"
#include "trf/result_codes.h"

namespace movarel::trf {

namespace {

constexpr int kPointsEnd = 84;  // a 001 line holds at least its points
constexpr int kNameWidth = 33;

// The columns 1-79 shared by 001 and national lines.
struct StaticPart {
  int starting_rank = 0;
  char sex = ' ';
  std::string title, name;
  int rating = 0;
  std::string federation, id, birth_date;
};

bool IsSpaceAt(std::string_view line, int column) {
  return static_cast<size_t>(column) > line.size() || line[column - 1] == ' ';
}

// The columns that separate fields must be spaces; `where` prefixes the message.
std::optional<Error> CheckSpaces(std::string_view line, int line_number, std::initializer_list<int> columns,
                                 const std::string& where = {}) {
  for (int column : columns) {
    if (!IsSpaceAt(line, column)) {
      return LineError(line_number, ErrorKind::kBadField,
                       where + "la columna " + std::to_string(column) + " debe ser un espacio y es",
                       std::string(1, line[column - 1]));
    }
  }
  return std::nullopt;
}

std::optional<Error> ParseStaticPart(std::string_view line, int line_number, StaticPart& part) {
  if (auto error = CheckSpaces(line, line_number, {4, 9, 14, 48, 53, 57, 69})) return error;
  std::optional<int> rank = ParseCount(Columns(line, 5, 8));
  if (!rank || *rank == 0) {
    return LineError(line_number, ErrorKind::kBadField,
                     "el número inicial (columnas 5 a 8) no es válido:", Columns(line, 5, 8));
  }
  part.starting_rank = *rank;
  char sex = Columns(line, 10, 10).empty() ? ' ' : line[9];
  if (sex == 'M' || sex == 'W' || sex == 'F' || sex == 'f') sex = sex == 'M' ? 'm' : 'w';
  if (sex != 'm' && sex != 'w' && sex != ' ') {
    return LineError(line_number, ErrorKind::kBadField, "el sexo (columna 10) no es m ni w:",
                     std::string(1, sex));
  }
  part.sex = sex;
  part.title = Trimmed(Columns(line, 11, 13));
  part.name = Trimmed(Columns(line, 15, 47));
  std::optional<int> rating = ParseCount(Columns(line, 49, 52));
  if (!rating) {
    return LineError(line_number, ErrorKind::kBadField, "el Elo (columnas 49 a 52) no es un número:",
                     Columns(line, 49, 52));
  }
  part.rating = *rating;
  part.federation = Trimmed(Columns(line, 54, 56));
  part.id = Trimmed(Columns(line, 58, 68));
  if (part.id.find_first_not_of("0123456789") != std::string::npos) {
    return LineError(line_number, ErrorKind::kBadField,
                     "el código (columnas 58 a 68) no es un número:", part.id);
  }
  part.birth_date = Trimmed(Columns(line, 70, 79));
  return std::nullopt;
}

std::optional<Error> ParseRoundBlock(std::string_view line, int line_number, int round,
                                     RoundEntry& entry) {
  int column = RoundBlockColumn(round);
  std::string where = "ronda " + std::to_string(round) + ", ";
  if (auto error = CheckSpaces(line, line_number, {column + 4, column + 6, column + 8, column + 9}, where)) {
    return error;
  }
  std::optional<int> opponent = ParseCount(Columns(line, column, column + 3));
  if (!opponent) {
    return LineError(line_number, ErrorKind::kBadField, where + "el rival no es un número:",
                     Columns(line, column, column + 3));
  }
  entry.opponent = *opponent;
  std::string_view colour = Columns(line, column + 5, column + 5);
  char c = colour.empty() ? ' ' : colour[0];
  if (c == 'w' || c == 'W') {
    entry.colour = Colour::kWhite;
  } else if (c == 'b' || c == 'B') {
    entry.colour = Colour::kBlack;
  } else if (c == '-' || c == ' ') {
    entry.colour = Colour::kNone;
  } else {
    return LineError(line_number, ErrorKind::kBadField, where + "el color no es w, b ni -:",
                     std::string(1, c));
  }
  std::string_view code = Columns(line, column + 7, column + 7);
  entry.result = NormalizedResult(code.empty() ? ' ' : code[0]);
  if (entry.result == '\0') {
    return LineError(line_number, ErrorKind::kUnknownResult,
                     where + "el resultado no es un código TRF:", code);
  }
  bool has_opponent = entry.opponent != 0;
  if (has_opponent != (entry.colour != Colour::kNone)) {
    return LineError(line_number, ErrorKind::kBadColour,
                     has_opponent ? where + "hay rival pero no color"
                                  : where + "hay color pero no rival");
  }
  if (has_opponent && !NeedsOpponent(entry.result) && entry.result != '-') {
    return LineError(line_number, ErrorKind::kBadField,
                     where + "un descanso o ausencia no lleva rival; resultado",
                     std::string(1, entry.result));
  }
  if (!has_opponent && NeedsOpponent(entry.result)) {
    return LineError(line_number, ErrorKind::kBadField,
                     where + "el resultado necesita un rival:", std::string(1, entry.result));
  }
  return std::nullopt;
}

void PutStaticPart(std::string& line, const StaticPart& part) {
  PutRightAligned(line, 8, std::to_string(part.starting_rank));
  PutAt(line, 10, std::string(1, part.sex));
  PutRightAligned(line, 13, part.title.substr(0, 3));
  PutAt(line, 15, std::string_view(part.name).substr(0, kNameWidth));
  if (part.rating > 0) PutRightAligned(line, 52, std::to_string(part.rating));
  PutAt(line, 54, std::string_view(part.federation).substr(0, 3));
  PutRightAligned(line, 68, std::string_view(part.id).substr(0, 11));
  PutAt(line, 70, std::string_view(part.birth_date).substr(0, 10));
}

void CutTrailingSpaces(std::string& line) {
  size_t end = line.find_last_not_of(' ');
  line.resize(end == std::string::npos ? 0 : end + 1);
}

}  // namespace

std::variant<Player, Error> ParsePlayerLine(std::string_view line, int line_number) {
  if (line.size() < static_cast<size_t>(kPointsEnd)) {
    return LineError(line_number, ErrorKind::kLineTooShort,
                     "la línea de jugador acaba en la columna " + std::to_string(line.size()) +
                         " y debe llegar al menos hasta los puntos (columna 84)");
  }
  StaticPart part;
  if (auto error = ParseStaticPart(line, line_number, part)) return *error;
  if (auto error = CheckSpaces(line, line_number, {80, 85, 90, 91})) return *error;
  Player player;
  player.starting_rank = part.starting_rank;
  player.sex = part.sex;
  player.title = part.title;
  player.name = part.name;
  player.rating = part.rating;
  player.federation = part.federation;
  player.fide_id = part.id;
  player.birth_date = part.birth_date;
  std::optional<int> points = ParseTenths(Columns(line, 81, 84));
  if (!points) {
    return LineError(line_number, ErrorKind::kBadField,
                     "los puntos (columnas 81 a 84) no son un número:", Columns(line, 81, 84));
  }
  player.points_tenths = *points;
  std::optional<int> rank = ParseCount(Columns(line, 86, 89));
  if (!rank) {
    return LineError(line_number, ErrorKind::kBadField,
                     "la clasificación (columnas 86 a 89) no es un número:", Columns(line, 86, 89));
  }
  player.rank = *rank;
  for (int round = 1; static_cast<size_t>(RoundBlockColumn(round)) <= line.size(); ++round) {
    RoundEntry entry;
    if (auto error = ParseRoundBlock(line, line_number, round, entry)) return *error;
    player.rounds.push_back(entry);
  }
  while (!player.rounds.empty() && player.rounds.back().IsBlank()) player.rounds.pop_back();
  return player;
}

std::variant<NationalRecord, Error> ParseNationalLine(std::string_view line, int line_number) {
  StaticPart part;
  if (auto error = ParseStaticPart(line, line_number, part)) return *error;
  NationalRecord record;
  record.federation = std::string(line.substr(0, 3));
  record.starting_rank = part.starting_rank;
  record.sex = part.sex;
  record.title = part.title;
  record.name = part.name;
  record.rating = part.rating;
  record.origin = part.federation;
  record.national_id = part.id;
  record.birth_date = part.birth_date;
  return record;
}

std::string FormatPlayerLine(const Player& player) {
  std::string line = "001";
  PutStaticPart(line, {player.starting_rank, player.sex, player.title, player.name, player.rating,
                       player.federation, player.fide_id, player.birth_date});
  PutRightAligned(line, 84, FormatTenths(player.points_tenths));
  if (player.rank > 0) PutRightAligned(line, 89, std::to_string(player.rank));
  for (size_t i = 0; i < player.rounds.size(); ++i) {
    const RoundEntry& entry = player.rounds[i];
    if (entry.IsBlank()) continue;
    int column = RoundBlockColumn(static_cast<int>(i) + 1);
    PutRightAligned(line, column + 3, entry.opponent == 0 ? "0000" : std::to_string(entry.opponent));
    PutAt(line, column + 5, std::string(1, static_cast<char>(entry.colour)));
    PutAt(line, column + 7, std::string(1, entry.result));
  }
  CutTrailingSpaces(line);
  return line;
}

std::string FormatNationalLine(const NationalRecord& record) {
  std::string line = record.federation.substr(0, 3);
  PutStaticPart(line, {record.starting_rank, record.sex, record.title, record.name, record.rating,
                       record.origin, record.national_id, record.birth_date});
  CutTrailingSpaces(line);
  return line;
}

}  // namespace movarel::trf
