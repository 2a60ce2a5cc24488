#pragma once
// The ordered list of tie-breaks with their modifiers, written and read in the descriptor
// syntax of the TRF tag 202: "CODE[/MODIFIER...]" separated by commas, e.g. "DE,BH/C1,BH,SB".

#include <string>
#include <string_view>
#include <vector>

#include "tiebreaks/tournament.h"

namespace movarel::tiebreaks {

enum class Code {
  kDE, kWIN, kWON, kBPG, kBWG, kPS, kREP, kSTD, kTPN,  // results and pairing
  kBH, kAOB, kFB, kSB, kKS,                           // opponents' scores
  kARO, kTPR, kPTP, kAPRO, kAPPO, kRTNG,              // ratings
};

struct TieBreak {
  Code code = Code::kBH;
  int cut = 0;             // /C<n>: the n least significant values removed
  int median = 0;          // /M<n>: n least and n most significant values removed
  bool played = false;     // /P: forfeits count as games against the scheduled opponent
  bool reversed = false;   // /R (RTNG, TPN)
  int koya_limit = 0;      // /L+n, /L-n: the Koya threshold moved by n half-points

  bool operator==(const TieBreak&) const = default;
};

// The code as FIDE writes it ("BH", "REP" ...).
std::string_view CodeName(Code code);

// The descriptor, e.g. "BH/C1" or "KS/L-1".
std::string Descriptor(const TieBreak& tie_break);
// The list in tag-202 form, comma-separated.
std::string ListText(const std::vector<TieBreak>& list);

struct ParsedList {
  std::vector<TieBreak> list;
  std::string error;  // empty when the text was read; otherwise what is wrong, in Spanish
};

// Reads a list. Accepts "GE" for REP, blanks around the items, lower case. Refuses an unknown
// code, a modifier the tie-break does not take, a tie-break the rule set does not have (STD,
// RTNG and TPN exist from the 2026 rules on) and a tie-break given twice.
ParsedList ParseList(std::string_view text, RuleSet rules);

// The codes in the order the choice offers them.
const std::vector<Code>& AllCodes();

}  // namespace movarel::tiebreaks
