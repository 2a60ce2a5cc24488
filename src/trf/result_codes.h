#pragma once
// The result codes of a round block and what each one means for the other side and for
// pairing.

namespace movarel::trf {

// The code as stored in RoundEntry::result: letters upper case, ' ' for a blank result;
// '\0' when the character is no result code.
char NormalizedResult(char code);

// Codes that need an opponent: 1 = 0 W D L + -. A '-' with no opponent also occurs (an
// absence written as a forfeit loss) and reads as a zero-point bye.
bool NeedsOpponent(char result);

// The code the opponent must carry: 1<->0, =<->=, W<->L, D<->D, +<->-. A double forfeit is
// '-' on both sides, so '-' is answered by '+' or '-'.
bool ResultsAgree(char result, char opponent_result);

// A game that started at the board (1 = 0 W D L): it counts for colours and meetings.
// Forfeits and byes do not.
bool WasPlayedAtBoard(char result);

}  // namespace movarel::trf
