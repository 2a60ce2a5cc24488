#include "pgn/game_record.h"

#include "ui/dos_text.h"


namespace movarel::pgn {
namespace {

constexpr char kLineEnd[] = "\r\n";

void AddTag(std::string& out, const char* name, const std::string& value) {
  out += '[';
  out += name;
  out += " \"";
  out += value;
  out += "\"]";
  out += kLineEnd;
}

}  // namespace

std::string GameTermination(std::string_view result) {
  if (result == "1-0" || result == "0-1" || result == "1/2-1/2") return std::string(result);
  return "*";
}

std::string PgnDate(const storage::Date& date) {
  if (date.empty()) return "????.??.??";
  return storage::Str(date.year, 4) + "." + storage::StrZero(date.month, 2) + "." +
         storage::StrZero(date.day, 2);
}

std::string TagValue(std::string_view text) {
  std::string value;
  for (char c : ui::NOHB_OEMTOANSI(storage::RTrim(text))) {
    if (c == '"' || c == '\\') value += '\\';
    value += c;
  }
  return value;
}

std::string GameRecordText(const GameRecord& game) {
  std::string out;
  AddTag(out, "Event", game.event);
  AddTag(out, "Site", game.site);
  AddTag(out, "Date", game.date);
  AddTag(out, "Round", game.round);
  AddTag(out, "White", game.white);
  AddTag(out, "Black", game.black);
  AddTag(out, "Result", GameTermination(game.result));
  AddTag(out, "ECO", game.eco);
  if (game.white_elo > 0) AddTag(out, "WhiteElo", storage::Str(game.white_elo, 4));
  if (game.black_elo > 0) AddTag(out, "BlackElo", storage::Str(game.black_elo, 4));
  if (!game.comment.empty()) {
    out += '{';
    out += game.comment;
    out += '}';
    out += kLineEnd;
  }
  out += "1.";
  out += kLineEnd;
  out += GameTermination(game.result);
  out += kLineEnd;
  return out;
}

}  // namespace movarel::pgn
