#include "trf/result_codes.h"

#include "trf/tournament.h"

namespace movarel::trf {

char NormalizedResult(char code) {
  switch (code) {
    case '1': case '=': case '0': case '+': case '-': case ' ':
      return code;
    case 'W': case 'w': return 'W';
    case 'D': case 'd': return 'D';
    case 'L': case 'l': return 'L';
    case 'H': case 'h': return 'H';
    case 'F': case 'f': return 'F';
    case 'U': case 'u': return 'U';
    case 'Z': case 'z': return 'Z';
    default: return '\0';
  }
}

bool NeedsOpponent(char result) {
  switch (result) {
    case '1': case '=': case '0': case 'W': case 'D': case 'L': case '+':
      return true;
    default:
      return false;
  }
}

bool ResultsAgree(char result, char opponent_result) {
  switch (result) {
    case '1': return opponent_result == '0';
    case '0': return opponent_result == '1';
    case '=': return opponent_result == '=';
    case 'W': return opponent_result == 'L';
    case 'L': return opponent_result == 'W';
    case 'D': return opponent_result == 'D';
    case '+': return opponent_result == '-';
    case '-': return opponent_result == '+' || opponent_result == '-';
    default: return false;
  }
}

bool WasPlayedAtBoard(char result) {
  switch (result) {
    case '1': case '=': case '0': case 'W': case 'D': case 'L':
      return true;
    default:
      return false;
  }
}

int PointsOf(char result, const Scoring& scoring) {
  switch (result) {
    case '1': case 'W': return scoring.win;
    case '=': case 'D': return scoring.draw;
    case '0': case 'L': return scoring.loss;
    case '+': return scoring.forfeit_win;
    case '-': return scoring.forfeit_loss;
    case 'F': return scoring.full_bye;
    case 'H': return scoring.half_bye;
    case 'U': return scoring.pab;
    default: return scoring.zero_bye;  // Z and blank
  }
}

}  // namespace movarel::trf
