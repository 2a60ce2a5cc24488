#pragma once
// The PGN text expected from the DOS program's folder (tests/data/dos-old-format), worked out
// by hand from its tables as python3-dbf shows them: key OP, ten players, rounds 1 to 3
// played. Names keep their code page 850 bytes (0xD6 Í, 0xE0 Ó, 0xB5 Á, 0xA5 Ñ).

#include <string>
#include <vector>

namespace movarel::pgn::testing {

// Lines joined, each one ended by CR LF.
inline std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

inline std::string DosHead(const std::string& round) {
  return Lines({"[Event \"OPEN DE PRUEBA OP\"]", "[Site \"VALENCIA\"]", "[Date \"2004.03.05\"]",
                "[Round \"" + round + "\"]"});
}

// Round 3: draws stored as 0xAB on boards 1 and 3, and as the DOS program's " 1/2 " on
// board 4; board 5 won by forfeit.
inline const std::string kDosRound3 =
    DosHead("3.1") +
    Lines({"[White \"MART\xD6NEZ,CARMEN\"]", "[Black \"G\xE0MEZ,LAURA\"]", "[Result \"1/2-1/2\"]",
           "[ECO \"\"]", "1.", "1/2-1/2"}) +
    DosHead("3.2") +
    Lines({"[White \"RUIZ,LUIS\"]", "[Black \"FERN\xB5NDEZ,ANA\"]", "[Result \"1-0\"]", "[ECO \"\"]", "1.", "1-0"}) +
    DosHead("3.3") +
    Lines({"[White \"GARCIA,MARIA\"]", "[Black \"LOPEZ,PEDRO\"]", "[Result \"1/2-1/2\"]", "[ECO \"\"]",
           "[WhiteElo \"1537\"]", "1.", "1/2-1/2"}) +
    DosHead("3.4") +
    Lines({"[White \"PEREZ,LUIS\"]", "[Black \"MU\xA5OZ,PEDRO\"]", "[Result \"1/2-1/2\"]", "[ECO \"\"]",
           "[BlackElo \"1883\"]", "1.", "1/2-1/2"}) +
    DosHead("3.5") +
    Lines({"[White \"SANCHEZ,JUAN\"]",
           "[Black \"D\xD6"
           "AZ,MARIA\"]",
           "[Result \"1-0\"]", "[ECO \"\"]", "[WhiteElo \"1426\"]", "[BlackElo \"2257\"]", "1.", "1-0"});

// The games of GARCIA,MARIA (player 1): "n" against 2 (lost by forfeit), "n" against 8 (a draw
// stored as 0xAB), "b" against 3 (a draw): the round tables have 2-1, 8-1 and 1-3, so the
// lower-case "b" is White as well.
inline const std::string kDosGarciaGames =
    DosHead("1") +
    Lines({"[White \"MU\xA5OZ,PEDRO\"]", "[Black \"GARCIA,MARIA\"]", "[Result \"1-0\"]", "[ECO \"A00\"]",
           "[WhiteElo \"1883\"]", "[BlackElo \"1537\"]", "1.", "1-0"}) +
    DosHead("2") +
    Lines({"[White \"FERN\xB5NDEZ,ANA\"]", "[Black \"GARCIA,MARIA\"]", "[Result \"1/2-1/2\"]",
           "[ECO \"A00\"]", "[BlackElo \"1537\"]", "1.", "1/2-1/2"}) +
    DosHead("3") +
    Lines({"[White \"GARCIA,MARIA\"]", "[Black \"LOPEZ,PEDRO\"]", "[Result \"1/2-1/2\"]", "[ECO \"A00\"]",
           "[WhiteElo \"1537\"]", "1.", "1/2-1/2"});

}  // namespace movarel::pgn::testing
