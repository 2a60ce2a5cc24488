#include "trf/reader.h"

#include <algorithm>
#include <set>
#include <utility>

#include "trf/consistency_checks.h"
#include "trf/error_text.h"
#include "trf/line_fields.h"
#include "trf/player_line.h"
#include "trf/text_encoding.h"

namespace movarel::trf {

namespace {

struct Line {
  int number = 0;
  std::string_view text;  // trailing spaces cut
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  int number = 0;
  size_t begin = 0;
  while (begin <= text.size()) {
    size_t end = text.find_first_of("\r\n", begin);
    if (end == std::string_view::npos) end = text.size();
    ++number;
    std::string_view line = text.substr(begin, end - begin);
    size_t last = line.find_last_not_of(" \t");
    line = last == std::string_view::npos ? std::string_view() : line.substr(0, last + 1);
    if (!line.empty()) lines.push_back({number, line});
    if (end == text.size()) break;
    begin = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

std::vector<std::string> SplitList(std::string_view value, char separator) {
  std::vector<std::string> items;
  size_t begin = 0;
  while (begin <= value.size()) {
    size_t end = value.find(separator, begin);
    if (end == std::string_view::npos) end = value.size();
    std::string item = Trimmed(value.substr(begin, end - begin));
    if (!item.empty()) items.push_back(item);
    begin = end + 1;
  }
  return items;
}

bool IsDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsUpperLetters(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// Tags and records TRF16 does not have.
bool IsTrf26Only(int tag) {
  return (tag >= 142 && tag <= 222) || (tag >= 240 && tag <= 362) || tag == 801 || tag == 802;
}

// 132: dates under the round blocks (round r at 92 + 10(r - 1)); files that do not keep the
// columns are read as a plain list.
std::vector<std::string> RoundDates(std::string_view line) {
  std::vector<std::pair<int, std::string>> tokens;  // first column, text
  for (size_t i = 4; i < line.size();) {
    if (line[i] == ' ') {
      ++i;
      continue;
    }
    size_t end = line.find(' ', i);
    if (end == std::string_view::npos) end = line.size();
    tokens.push_back({static_cast<int>(i) + 1, std::string(line.substr(i, end - i))});
    i = end;
  }
  bool positional = std::all_of(tokens.begin(), tokens.end(), [](const auto& token) {
    return token.first >= 92 && (token.first - 92) % 10 == 0;
  });
  std::vector<std::string> dates;
  for (const auto& [column, text] : tokens) {
    if (positional) {
      size_t round = static_cast<size_t>((column - 92) / 10) + 1;
      if (dates.size() < round) dates.resize(round);
      dates[round - 1] = text;
    } else {
      dates.push_back(text);
    }
  }
  return dates;
}

// 162: code letters followed by their points, found by scanning rather than by column (the
// first code sits in column 6 in one transcription and 5 in others).
std::optional<Error> ReadScoring162(std::string_view value, int line, Scoring& scoring) {
  std::vector<std::string> words = SplitList(value, ' ');
  for (size_t i = 0; i < words.size(); ++i) {
    std::string code = words[i];
    std::string number;
    if (code.size() > 1) {  // "W3.0" written without the space
      number = code.substr(1);
      code = code.substr(0, 1);
    } else if (i + 1 < words.size()) {
      number = words[++i];
    }
    std::optional<int> points = ParseTenths(number);
    if (code.size() != 1 || std::string("WDLAPX").find(code[0]) == std::string::npos || !points ||
        number.empty()) {
      return LineError(line, ErrorKind::kBadField, "el sistema de puntuación (162) no se entiende:",
                       value);
    }
    switch (code[0]) {
      case 'W': scoring.win = scoring.forfeit_win = scoring.full_bye = *points; break;
      case 'D': scoring.draw = scoring.half_bye = *points; break;
      case 'L': scoring.loss = *points; break;
      case 'A': scoring.forfeit_loss = scoring.zero_bye = *points; break;
      case 'P': scoring.pab = *points; break;
      default: break;  // X: unknown results have no code of their own in the 001 lines
    }
  }
  return std::nullopt;
}

std::optional<Error> ReadScoringXxs(std::string_view value, int line, Scoring& scoring) {
  for (const std::string& pair : SplitList(value, ' ')) {
    size_t equals = pair.find('=');
    std::string code = pair.substr(0, equals);
    std::optional<int> points =
        equals == std::string::npos ? std::nullopt : ParseTenths(pair.substr(equals + 1));
    if (!points || equals + 1 == pair.size()) {
      return LineError(line, ErrorKind::kBadField, "el sistema de puntuación (XXS) no se entiende:", pair);
    }
    if (code == "WW" || code == "BW") scoring.win = *points;
    else if (code == "WD" || code == "BD") scoring.draw = *points;
    else if (code == "WL" || code == "BL") scoring.loss = *points;
    else if (code == "FW") scoring.forfeit_win = *points;
    else if (code == "FL") scoring.forfeit_loss = *points;
    else if (code == "PAB") scoring.pab = *points;
    else if (code == "FPB") scoring.full_bye = *points;
    else if (code == "HPB") scoring.half_bye = *points;
    else if (code == "ZPB") scoring.zero_bye = *points;
    else if (code == "W") scoring.win = scoring.forfeit_win = scoring.full_bye = *points;
    else if (code == "D") scoring.draw = scoring.half_bye = *points;
    else return LineError(line, ErrorKind::kBadField, "código de puntuación (XXS) desconocido:", code);
  }
  return std::nullopt;
}

class FileReader {
 public:
  ReadResult Run(std::string_view bytes);

 private:
  std::optional<Error> ReadLine(const Line& line);
  std::optional<Error> ReadTag(int tag, const Line& line);
  std::optional<Error> ReadCount(const Line& line, std::string_view value, int& count);
  void Unknown(const Line& line, std::string_view id);

  ReadResult result_;
  Tournament& t_ = result_.tournament;
  bool trf26_ = false;
  bool has_point_adjustments_ = false;
  int declared_players_line_ = 0;
  std::vector<std::pair<Player, int>> players_;  // with their lines
  std::set<std::string> unknown_reported_;
  int first_unknown_line_ = 0;
};

std::optional<Error> FileReader::ReadCount(const Line& line, std::string_view value, int& count) {
  std::optional<int> parsed = ParseCount(value);
  if (!parsed || Trimmed(value).empty()) {
    return LineError(line.number, ErrorKind::kBadField,
                     "el valor de " + std::string(line.text.substr(0, 3)) + " no es un número:", value);
  }
  count = *parsed;
  return std::nullopt;
}

void FileReader::Unknown(const Line& line, std::string_view id) {
  t_.other_records.emplace_back(line.text);
  if (first_unknown_line_ == 0) first_unknown_line_ = line.number;
  if (unknown_reported_.insert(std::string(id)).second) {
    result_.warnings.push_back(LineError(line.number, ErrorKind::kNotTrf,
                                         "registro que no se interpreta:", id));
  }
}

std::optional<Error> FileReader::ReadTag(int tag, const Line& line) {
  std::string_view raw = line.text.size() > 4 ? line.text.substr(4) : std::string_view();
  std::string value = Trimmed(raw);
  if (IsTrf26Only(tag)) trf26_ = true;
  switch (tag) {
    case 12: t_.name = value; break;
    case 22: t_.city = value; break;
    case 32: t_.federation = value; break;
    case 42: t_.start_date = value; break;
    case 52: t_.end_date = value; break;
    case 62:
      declared_players_line_ = line.number;
      return ReadCount(line, raw, t_.declared_players);
    case 72: return ReadCount(line, raw, t_.declared_rated_players);
    case 82: return ReadCount(line, raw, t_.declared_teams);
    case 92: t_.type = value; break;
    case 102: t_.chief_arbiter = value; break;
    case 112: t_.deputy_arbiters.push_back(value); break;
    case 122: t_.time_control = value; break;
    case 132: t_.round_dates = RoundDates(line.text); break;
    case 142:
      result_.rounds_line = line.number;
      return ReadCount(line, raw, t_.rounds);
    case 152:
      if (value != "W" && value != "B" && value != "w" && value != "b") {
        return LineError(line.number, ErrorKind::kBadField, "el color inicial (152) no es W ni B:", value);
      }
      t_.initial_colour = value == "W" || value == "w" ? 'W' : 'B';
      break;
    case 162:
      t_.scoring_given = true;
      return ReadScoring162(value, line.number, t_.scoring);
    case 172: t_.starting_rank_method = value; break;
    case 182: t_.pairing_controller = value; break;
    case 192: t_.type_code = value; break;
    case 202: t_.tie_breaks = SplitList(value, ','); break;
    case 212: t_.standings_rule = SplitList(value, ','); break;
    case 222: t_.encoded_time_control = value; break;
    case 299:
      has_point_adjustments_ = true;
      t_.other_records.emplace_back(line.text);
      break;
    default:
      if (IsTrf26Only(tag) || tag == 13) {
        t_.other_records.emplace_back(line.text);
      } else {
        Unknown(line, line.text.substr(0, 3));
      }
      break;
  }
  return std::nullopt;
}

std::optional<Error> FileReader::ReadLine(const Line& line) {
  std::string_view id = line.text.substr(0, std::min<size_t>(3, line.text.size()));
  if (id == "###") {
    trf26_ = true;
    t_.comments.push_back(Trimmed(line.text.substr(3)));
    return std::nullopt;
  }
  if (id == "001") {
    auto parsed = ParsePlayerLine(line.text, line.number);
    if (auto* error = std::get_if<Error>(&parsed)) return *error;
    players_.emplace_back(std::get<Player>(std::move(parsed)), line.number);
    return std::nullopt;
  }
  bool separated = line.text.size() <= 3 || line.text[3] == ' ';
  if (id.size() == 3 && IsDigits(id) && separated) return ReadTag(std::stoi(std::string(id)), line);
  std::string value = line.text.size() > 4 ? Trimmed(line.text.substr(4)) : std::string();
  if (id == "XXR") {
    result_.rounds_line = line.number;
    return ReadCount(line, value, t_.rounds);
  }
  if (id == "XXC") {
    for (const std::string& word : SplitList(value, ' ')) {
      if (word == "white1") t_.initial_colour = 'W';
      else if (word == "black1") t_.initial_colour = 'B';
      else if (word == "rank") t_.pair_by_rank = true;
    }
    return std::nullopt;
  }
  if (id == "XXS") {
    t_.scoring_given = true;
    return ReadScoringXxs(value, line.number, t_.scoring);
  }
  if (id.size() == 3 && id.substr(0, 2) == "XX") {
    t_.other_records.emplace_back(line.text);
    return std::nullopt;
  }
  if (id.size() == 3 && IsUpperLetters(id) && separated && IsDigits(Trimmed(Columns(line.text, 5, 8)))) {
    auto parsed = ParseNationalLine(line.text, line.number);
    if (auto* error = std::get_if<Error>(&parsed)) return *error;
    trf26_ = true;
    t_.national_records.push_back(std::get<NationalRecord>(std::move(parsed)));
    return std::nullopt;
  }
  Unknown(line, id);
  return std::nullopt;
}

ReadResult FileReader::Run(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  if (bytes.find('\0') != std::string_view::npos) {
    result_.error = LineError(1, ErrorKind::kNotTrf, "no es un fichero TRF: es un fichero binario");
    return std::move(result_);
  }
  std::string text = IsUtf8(bytes) ? Utf8ToWindows1252(bytes) : std::string(bytes);
  for (const Line& line : SplitLines(text)) {
    if (auto error = ReadLine(line)) {
      result_.error = std::move(error);
      return std::move(result_);
    }
  }
  if (players_.empty()) {
    int line = first_unknown_line_ != 0 ? first_unknown_line_ : 1;
    result_.error = LineError(line, ErrorKind::kNotTrf,
                              text.empty() ? "el fichero está vacío"
                                           : "no es un fichero TRF: no tiene ninguna línea de jugador (001)");
    return std::move(result_);
  }
  std::stable_sort(players_.begin(), players_.end(), [](const auto& a, const auto& b) {
    return a.first.starting_rank < b.first.starting_rank;
  });
  std::vector<int>& lines = result_.player_lines;
  for (auto& [player, line] : players_) {
    t_.players.push_back(std::move(player));
    lines.push_back(line);
  }
  t_.version = trf26_ ? Version::kTrf26 : Version::kTrf16;
  if (auto error = CheckConsistency(t_, lines, !has_point_adjustments_, result_.warnings)) {
    result_.error = std::move(error);
    return std::move(result_);
  }
  if (t_.declared_players >= 0 && static_cast<size_t>(t_.declared_players) != t_.players.size()) {
    result_.warnings.push_back(LineError(
        declared_players_line_, ErrorKind::kBadField,
        "062 dice " + std::to_string(t_.declared_players) + " jugadores y hay " +
            std::to_string(t_.players.size())));
  }
  return std::move(result_);
}

}  // namespace

ReadResult Read(std::string_view bytes) { return FileReader().Run(bytes); }

}  // namespace movarel::trf
