#pragma once
// What an operation of the register did to the open tournament, so that the shell (which owns
// the menu and the main window's title) can follow: enable the tournament commands and show
// the name, or disable them and show the plain title, or leave both as they are.

#include <string>

namespace movarel::registry {

enum class TournamentChange {
  kUnchanged,  // the open tournament (or the lack of one) is as before
  kOpened,     // a tournament is now open: `name` is its register field TORNEO as stored
  kClosed,     // no tournament is open any more
};

struct TournamentOutcome {
  TournamentChange change = TournamentChange::kUnchanged;
  std::string name;

  static TournamentOutcome Unchanged() { return {}; }
  static TournamentOutcome Opened(std::string name) { return {TournamentChange::kOpened, std::move(name)}; }
  static TournamentOutcome Closed() { return {TournamentChange::kClosed, ""}; }
};

}  // namespace movarel::registry
