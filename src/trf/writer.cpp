#include "trf/writer.h"

#include "trf/line_fields.h"
#include "trf/player_line.h"
#include "trf/text_encoding.h"

namespace movarel::trf {

namespace {

class LineSink {
 public:
  void Add(std::string_view line) {
    text_ += line;
    text_ += "\r\n";
  }
  void Tag(std::string_view tag, std::string_view value) {
    if (!value.empty()) Add(std::string(tag) + " " + std::string(value));
  }
  void Count(std::string_view tag, int value) {
    if (value >= 0) Tag(tag, std::to_string(value));
  }
  std::string text_;
};

std::string Joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ",") + item;
  return text;
}

std::string RoundDatesLine(const std::vector<std::string>& dates) {
  std::string line = "132";
  for (size_t i = 0; i < dates.size(); ++i) {
    if (!dates[i].empty()) PutAt(line, RoundBlockColumn(static_cast<int>(i) + 1), dates[i].substr(0, 8));
  }
  return line;
}

// 162 in 9-column steps from column 6; every code written, so the line says the whole rule.
std::string ScoringLine(const Scoring& s) {
  std::string line = "162";
  const std::pair<char, int> codes[] = {{'W', s.win}, {'D', s.draw}, {'L', s.loss},
                                        {'A', s.forfeit_loss}, {'P', s.pab}};
  int column = 6;
  for (const auto& [code, points] : codes) {
    PutAt(line, column, std::string(1, code));
    PutRightAligned(line, column + 4, FormatTenths(points));
    column += 9;
  }
  return line;
}

std::string ScoringXxs(const Scoring& s) {
  return "XXS WW=" + FormatTenths(s.win) + " BW=" + FormatTenths(s.win) + " WD=" + FormatTenths(s.draw) +
         " BD=" + FormatTenths(s.draw) + " WL=" + FormatTenths(s.loss) + " BL=" + FormatTenths(s.loss) +
         " FW=" + FormatTenths(s.forfeit_win) + " FL=" + FormatTenths(s.forfeit_loss) +
         " PAB=" + FormatTenths(s.pab) + " FPB=" + FormatTenths(s.full_bye) +
         " HPB=" + FormatTenths(s.half_bye) + " ZPB=" + FormatTenths(s.zero_bye);
}

}  // namespace

std::string Write(const Tournament& t, const WriteOptions& options) {
  LineSink out;
  for (const std::string& comment : t.comments) out.Add("### " + comment);
  out.Tag("012", t.name);
  out.Tag("022", t.city);
  out.Tag("032", t.federation);
  out.Tag("042", t.start_date);
  out.Tag("052", t.end_date);
  out.Count("062", t.declared_players);
  out.Count("072", t.declared_rated_players);
  out.Count("082", t.declared_teams);
  out.Tag("092", t.type);
  out.Tag("102", t.chief_arbiter);
  for (const std::string& deputy : t.deputy_arbiters) out.Tag("112", deputy);
  out.Tag("122", t.time_control);
  bool any_date = false;
  for (const std::string& date : t.round_dates) any_date = any_date || !date.empty();
  if (any_date) out.Add(RoundDatesLine(t.round_dates));
  if (t.rounds > 0) out.Count("142", t.rounds);
  if (t.initial_colour == 'W' || t.initial_colour == 'B') out.Tag("152", std::string(1, t.initial_colour));
  bool default_scoring = t.scoring == Scoring{};
  if (!default_scoring) out.Add(ScoringLine(t.scoring));
  out.Tag("172", t.starting_rank_method);
  out.Tag("182", t.pairing_controller);
  out.Tag("192", t.type_code);
  out.Tag("202", Joined(t.tie_breaks));
  out.Tag("212", Joined(t.standings_rule));
  out.Tag("222", t.encoded_time_control);
  if (options.extension_records) {
    if (t.rounds > 0) out.Count("XXR", t.rounds);
    std::string words;
    if (t.initial_colour == 'W') words = "white1";
    if (t.initial_colour == 'B') words = "black1";
    if (t.pair_by_rank) words += words.empty() ? "rank" : " rank";
    out.Tag("XXC", words);
    if (!default_scoring) out.Add(ScoringXxs(t.scoring));
  }
  for (const Player& player : t.players) out.Add(FormatPlayerLine(player));
  for (const NationalRecord& record : t.national_records) out.Add(FormatNationalLine(record));
  for (const std::string& record : t.other_records) out.Add(record);
  return Windows1252ToUtf8(out.text_);
}

}  // namespace movarel::trf
