#pragma once
// The contents of a Tournament Report File as plain data. Text is Windows-1252 bytes, the
// program's own character set: the reader converts from the file's UTF-8 (or takes the bytes
// as they stand when the file is not UTF-8) and the writer converts back to UTF-8. Free-text
// values are stored trimmed.

#include <string>
#include <vector>

namespace movarel::trf {

enum class Colour : char { kNone = '-', kWhite = 'w', kBlack = 'b' };

// One 10-column round block of a 001 line.
struct RoundEntry {
  int opponent = 0;                // starting rank of the scheduled opponent; 0 = none
  Colour colour = Colour::kNone;   // scheduled colour, kept for forfeits
  // One of the result codes "1=0WDL+-HFUZ" (letters upper case), or ' ' for a blank result,
  // which reads as a zero-point bye in a finished round and as "still to be paired" in the
  // round after the last finished one.
  char result = ' ';

  bool IsBlank() const { return opponent == 0 && colour == Colour::kNone && result == ' '; }
  bool operator==(const RoundEntry&) const = default;
};

struct Player {
  int starting_rank = 0;   // 1..9999, the number every other reference uses
  char sex = ' ';          // 'm', 'w' or ' '
  std::string title;       // "GM", "WIM" ... or empty
  std::string name;        // "Lastname, Firstname"
  int rating = 0;          // FIDE rating; 0 = unrated
  std::string federation;  // three-letter FIDE code or empty
  std::string fide_id;     // digits as written; empty = none
  std::string birth_date;  // "YYYY/MM/DD", or shorter as written; empty = unknown
  int points_tenths = 0;   // points times ten: 25 is 2.5 (3-1-0 scoring needs whole tenths too)
  int rank = 0;            // 0 = not given
  // rounds[r - 1] is round r. Blank rounds at the end are not stored.
  std::vector<RoundEntry> rounds;

  bool operator==(const Player&) const = default;
};

// A National Rating Support line: the national data of the player whose starting rank it
// names, under the code of the national rating federation.
struct NationalRecord {
  std::string federation;  // columns 1-3, e.g. "ESP"
  int starting_rank = 0;
  char sex = ' ';
  std::string title;        // national classification
  std::string name;
  int rating = 0;
  std::string origin;       // region, club ...
  std::string national_id;
  std::string birth_date;

  bool operator==(const NationalRecord&) const = default;
};

// Points of each kind of result, in tenths. Defaults: 1 / 0.5 / 0, a bye or forfeit win
// worth a win. Tag 162 and the XXS line set these.
struct Scoring {
  int win = 10;           // 1, W
  int draw = 5;           // =, D
  int loss = 0;           // 0, L
  int forfeit_win = 10;   // +
  int forfeit_loss = 0;   // -
  int full_bye = 10;      // F
  int half_bye = 5;       // H
  int zero_bye = 0;       // Z and blank
  int pab = 10;           // U

  bool operator==(const Scoring&) const = default;
};

// Points of one result code under the scoring; a code outside the table scores 0.
int PointsOf(char result, const Scoring& scoring);

enum class Version { kTrf16, kTrf26 };

struct Tournament {
  Version version = Version::kTrf26;  // as detected by the reader; the writer always writes TRF26
  std::vector<std::string> comments;  // ### lines, without the ###
  std::string name;                   // 012
  std::string city;                   // 022
  std::string federation;             // 032
  std::string start_date;             // 042, "YYYY/MM/DD"
  std::string end_date;               // 052
  int declared_players = -1;          // 062; -1 = not given
  int declared_rated_players = -1;    // 072
  int declared_teams = -1;            // 082
  std::string type;                   // 092, free text
  std::string chief_arbiter;          // 102
  std::vector<std::string> deputy_arbiters;  // 112, one per line
  std::string time_control;           // 122, free text
  std::vector<std::string> round_dates;      // 132: [r - 1] = "YY/MM/DD" of round r, "" unknown
  int rounds = 0;                     // 142 or XXR; 0 = not given
  char initial_colour = ' ';          // 152 or XXC white1/black1: 'W', 'B', ' ' = not given
  bool pair_by_rank = false;          // XXC rank
  Scoring scoring;                    // 162 or XXS
  bool scoring_given = false;         // the file carried 162 or XXS
  std::string starting_rank_method;   // 172, e.g. "ESP FIDON"
  std::string pairing_controller;     // 182
  std::string type_code;              // 192, e.g. "FIDE_DUTCH"
  std::vector<std::string> tie_breaks;        // 202, e.g. {"BH/C1", "BH", "SB"}
  std::vector<std::string> standings_rule;    // 212, e.g. {"PTS", "BH/C1"}
  std::string encoded_time_control;   // 222
  std::vector<Player> players;        // in starting-rank order 1..N
  std::vector<NationalRecord> national_records;
  // Records this library does not interpret (240, 250, 260, 299, team records, XXA, XXP,
  // XXZ ...), as read; the writer puts them back after the player and national lines.
  std::vector<std::string> other_records;

  bool operator==(const Tournament&) const = default;
};

}  // namespace movarel::trf
