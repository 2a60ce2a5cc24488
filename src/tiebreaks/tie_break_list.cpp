#include "tiebreaks/tie_break_list.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace movarel::tiebreaks {

namespace {

struct CodeInfo {
  Code code;
  std::string_view name;
  bool cuts;     // takes /C<n>
  bool medians;  // takes /M<n>
  bool played;   // takes /P
  bool reverse;  // takes /R
  bool since_2026;
};

constexpr std::array<CodeInfo, 20> kCodes = {{
    {Code::kDE, "DE", false, false, true, false, false},
    {Code::kWIN, "WIN", false, false, false, false, false},
    {Code::kWON, "WON", false, false, false, false, false},
    {Code::kBPG, "BPG", false, false, false, false, false},
    {Code::kBWG, "BWG", false, false, false, false, false},
    {Code::kPS, "PS", true, false, false, false, false},
    {Code::kREP, "REP", false, false, false, false, false},
    {Code::kSTD, "STD", false, false, false, false, true},
    {Code::kTPN, "TPN", false, false, false, true, true},
    {Code::kBH, "BH", true, true, true, false, false},
    {Code::kAOB, "AOB", false, false, false, false, false},
    {Code::kFB, "FB", true, true, true, false, false},
    {Code::kSB, "SB", true, false, true, false, false},
    {Code::kKS, "KS", false, false, false, false, false},
    {Code::kARO, "ARO", true, true, false, false, false},
    {Code::kTPR, "TPR", false, false, false, false, false},
    {Code::kPTP, "PTP", false, false, false, false, false},
    {Code::kAPRO, "APRO", false, false, false, false, false},
    {Code::kAPPO, "APPO", false, false, false, false, false},
    {Code::kRTNG, "RTNG", false, false, false, true, true},
}};

const CodeInfo& Info(Code code) {
  return *std::find_if(kCodes.begin(), kCodes.end(), [code](const CodeInfo& c) { return c.code == code; });
}

std::string Upper(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c != ' ' && c != '\t') out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return out;
}

// A small count after a modifier letter: "1" ... "9".
bool ReadCount(std::string_view digits, int& count) {
  if (digits.size() != 1 || digits[0] < '1' || digits[0] > '9') return false;
  count = digits[0] - '0';
  return true;
}

std::string ReadItem(std::string_view item, RuleSet rules, TieBreak& out) {
  const std::string text = Upper(item);
  const size_t slash = text.find('/');
  std::string name = text.substr(0, slash);
  if (name == "GE") name = "REP";
  const auto found = std::find_if(kCodes.begin(), kCodes.end(), [&](const CodeInfo& c) { return c.name == name; });
  if (found == kCodes.end()) return "\"" + std::string(item) + "\" no es un desempate FIDE conocido";
  if (found->since_2026 && rules != RuleSet::kRules2026) {
    return "El desempate " + name + " no existe en las normas anteriores a marzo de 2026";
  }
  out = TieBreak{};
  out.code = found->code;
  size_t at = slash;
  while (at != std::string::npos) {
    const size_t next = text.find('/', at + 1);
    const std::string modifier = text.substr(at + 1, next == std::string::npos ? std::string::npos : next - at - 1);
    const std::string refused = "El modificador /" + modifier + " no vale para " + name;
    if (modifier.empty()) return refused;
    if (modifier[0] == 'C' && found->cuts && out.cut == 0) {
      if (!ReadCount(std::string_view(modifier).substr(1), out.cut)) return refused;
    } else if (modifier[0] == 'M' && found->medians && out.median == 0) {
      if (!ReadCount(std::string_view(modifier).substr(1), out.median)) return refused;
    } else if (modifier == "P" && found->played && !out.played) {
      out.played = true;
    } else if (modifier == "R" && found->reverse && !out.reversed) {
      out.reversed = true;
    } else if (modifier.size() == 3 && modifier[0] == 'L' && (modifier[1] == '+' || modifier[1] == '-') &&
               found->code == Code::kKS && out.koya_limit == 0) {
      int steps = 0;
      if (!ReadCount(std::string_view(modifier).substr(2), steps)) return refused;
      out.koya_limit = modifier[1] == '+' ? steps : -steps;
    } else {
      return refused;
    }
    at = next;
  }
  if (out.cut != 0 && out.median != 0) return "El desempate " + name + " no puede llevar corte y mediana a la vez";
  return {};
}

}  // namespace

std::string_view CodeName(Code code) { return Info(code).name; }

const std::vector<Code>& AllCodes() {
  static const std::vector<Code> codes = [] {
    std::vector<Code> all;
    for (const CodeInfo& info : kCodes) all.push_back(info.code);
    return all;
  }();
  return codes;
}

std::string Descriptor(const TieBreak& tie_break) {
  std::string text(CodeName(tie_break.code));
  if (tie_break.cut != 0) text += "/C" + std::to_string(tie_break.cut);
  if (tie_break.median != 0) text += "/M" + std::to_string(tie_break.median);
  if (tie_break.koya_limit != 0) {
    text += tie_break.koya_limit > 0 ? "/L+" : "/L-";
    text += std::to_string(tie_break.koya_limit > 0 ? tie_break.koya_limit : -tie_break.koya_limit);
  }
  if (tie_break.played) text += "/P";
  if (tie_break.reversed) text += "/R";
  return text;
}

std::string ListText(const std::vector<TieBreak>& list) {
  std::string text;
  for (const TieBreak& tie_break : list) {
    if (!text.empty()) text += ',';
    text += Descriptor(tie_break);
  }
  return text;
}

ParsedList ParseList(std::string_view text, RuleSet rules) {
  ParsedList parsed;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = text.find(',', start);
    const std::string_view item = text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
    if (Upper(item).empty()) {
      if (comma == std::string_view::npos && parsed.list.empty() && start == 0) break;  // an empty list
      parsed.error = "La lista de desempates tiene un elemento vac\xEDo";
      return parsed;
    }
    TieBreak tie_break;
    if (std::string error = ReadItem(item, rules, tie_break); !error.empty()) {
      parsed.error = std::move(error);
      return parsed;
    }
    if (std::find(parsed.list.begin(), parsed.list.end(), tie_break) != parsed.list.end()) {
      parsed.error = "El desempate " + Descriptor(tie_break) + " est\xE1 dos veces en la lista";
      return parsed;
    }
    parsed.list.push_back(tie_break);
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return parsed;
}

}  // namespace movarel::tiebreaks
