#include "ui/script_line.h"

#include <array>
#include <utility>

#include "storage/files.h"
#include "storage/value.h"
#include "ui/cp1252.h"
#include "ui/names.h"

namespace movarel::ui {

namespace {

struct VerbShape {
  std::string_view word;
  ScriptVerb verb;
  int tokens;     // arguments before the rest of the line
  bool rest;      // a value runs to the end of the line
  bool optional;  // the rest may be absent (a cancelled dialog)
};

constexpr std::array<VerbShape, 15> kVerbs = {{
    {"menu", ScriptVerb::kMenu, 0, true, false},
    {"yes", ScriptVerb::kYes, 0, false, false},
    {"no", ScriptVerb::kNo, 0, false, false},
    {"file", ScriptVerb::kFile, 0, true, true},
    {"folder", ScriptVerb::kFolder, 0, true, true},
    {"input", ScriptVerb::kInput, 0, true, true},
    {"print", ScriptVerb::kPrint, 0, true, true},
    {"form", ScriptVerb::kForm, 1, false, false},
    {"set", ScriptVerb::kSet, 1, true, false},
    {"click", ScriptVerb::kClick, 1, false, false},
    {"dblclick", ScriptVerb::kDblClick, 1, false, false},
    {"header", ScriptVerb::kHeader, 1, true, false},
    {"edit", ScriptVerb::kEdit, 3, true, false},
    {"close", ScriptVerb::kClose, 0, false, false},
    {"quit", ScriptVerb::kQuit, 0, false, false},
}};

void SkipBlanks(std::string_view text, size_t* pos) {
  while (*pos < text.size() && (text[*pos] == ' ' || text[*pos] == '\t')) ++*pos;
}

// A quoted string starting at `*pos` (on the quote); false when the closing quote is missing.
bool ReadQuoted(std::string_view text, size_t* pos, std::string* out) {
  ++*pos;
  while (*pos < text.size()) {
    char c = text[*pos];
    if (c == '\\' && *pos + 1 < text.size() && (text[*pos + 1] == '"' || text[*pos + 1] == '\\')) {
      *out += text[*pos + 1];
      *pos += 2;
    } else if (c == '"') {
      ++*pos;
      return true;
    } else {
      *out += c;
      ++*pos;
    }
  }
  return false;
}

bool ReadToken(std::string_view text, size_t* pos, std::string* out) {
  SkipBlanks(text, pos);
  if (*pos >= text.size()) return false;
  if (text[*pos] == '"') return ReadQuoted(text, pos, out);
  while (*pos < text.size() && text[*pos] != ' ' && text[*pos] != '\t') *out += text[(*pos)++];
  return true;
}

std::string_view TrimRight(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

storage::Status Malformed(int number, const std::string& why) {
  return storage::Status::InvalidArgument("line " + std::to_string(number) + ": " + why);
}

}  // namespace

storage::Result<ScriptLine> ParseScriptLine(std::string_view utf8_line, int number) {
  std::string_view text = TrimRight(utf8_line);
  ScriptLine line;
  line.number = number;
  line.source = std::string(storage::LTrim(text));
  size_t pos = 0;
  std::string word;
  if (!ReadToken(text, &pos, &word)) return Malformed(number, "empty command");
  const VerbShape* shape = nullptr;
  for (const VerbShape& candidate : kVerbs) {
    if (SameName(candidate.word, word)) shape = &candidate;
  }
  if (shape == nullptr) return Malformed(number, "unknown command \"" + word + "\"");
  line.verb = shape->verb;

  std::vector<std::string> args;
  for (int i = 0; i < shape->tokens; ++i) {
    std::string token;
    if (!ReadToken(text, &pos, &token)) return Malformed(number, word + " needs more arguments");
    args.push_back(std::move(token));
  }
  SkipBlanks(text, &pos);
  std::string_view rest = text.substr(pos);
  if (line.verb == ScriptVerb::kMenu && !rest.empty() && rest.front() == '"') {
    line.quoted_path = true;
    while (pos < text.size()) {
      if (text[pos] != '"') return Malformed(number, "menu captions must all be quoted");
      std::string caption;
      if (!ReadQuoted(text, &pos, &caption)) return Malformed(number, "missing closing quote");
      args.push_back(std::move(caption));
      SkipBlanks(text, &pos);
    }
  } else if (shape->rest) {
    if (rest.empty()) {
      if (!shape->optional) return Malformed(number, word + " needs a value");
    } else if (rest.front() == '"') {
      std::string value;
      size_t at = pos;
      if (!ReadQuoted(text, &at, &value)) return Malformed(number, "missing closing quote");
      SkipBlanks(text, &at);
      if (at != text.size()) return Malformed(number, "text after the closing quote");
      args.push_back(std::move(value));
    } else {
      args.emplace_back(rest);
    }
  } else if (!rest.empty()) {
    return Malformed(number, word + " takes no further arguments");
  }
  for (std::string& arg : args) arg = Utf8ToCp1252(arg);
  line.args = std::move(args);
  return line;
}

storage::Result<ScriptReader> ScriptReader::FromText(std::string_view utf8_text) {
  ScriptReader reader;
  int number = 0;
  size_t start = 0;
  while (start <= utf8_text.size()) {
    size_t nl = utf8_text.find('\n', start);
    std::string_view raw = utf8_text.substr(start, nl == std::string_view::npos ? std::string_view::npos : nl - start);
    ++number;
    std::string_view trimmed = storage::LTrim(TrimRight(raw));
    if (number == 1 && trimmed.substr(0, 3) == "\xEF\xBB\xBF") trimmed.remove_prefix(3);  // a BOM
    if (!trimmed.empty() && trimmed.front() != '#') {
      storage::Result<ScriptLine> line = ParseScriptLine(trimmed, number);
      if (!line.ok()) return line.status();
      reader.lines_.push_back(std::move(line.value()));
    }
    if (nl == std::string_view::npos) break;
    start = nl + 1;
  }
  return reader;
}

storage::Result<ScriptReader> ScriptReader::FromFile(const std::string& path) {
  storage::Result<std::string> text = storage::ReadWholeFile(path);
  if (!text.ok()) return text.status();
  storage::Result<ScriptReader> reader = FromText(text.value());
  if (!reader.ok()) return reader.status().WithContext(path);
  return reader;
}

}  // namespace movarel::ui
