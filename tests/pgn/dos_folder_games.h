#pragma once
// The PGN text expected from the DOS program's folder (tests/data/dos-old-format), worked out
// by hand from its tables as python3-dbf shows them: key OP, ten players, rounds 1 to 3
// played. The tables hold the names in code page 850 (0xD6 Í, 0xE0 Ó, 0xB5 Á, 0xA5 Ñ); the files
// give them in Windows-1252 (0xCD Í, 0xD3 Ó, 0xC1 Á, 0xD1 Ñ), as every name typed here.

#include <string>
#include <vector>

namespace movarel::pgn::testing {

// Lines joined, each one ended by CR LF.
inline std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// The comments of games decided by forfeit.
inline const std::string kWhiteAbsent =
    "{Partida no jugada: ganan las negras por incomparecencia de las blancas}";
inline const std::string kBlackAbsent =
    "{Partida no jugada: ganan las blancas por incomparecencia de las negras}";
inline const std::string kBothAbsent = "{Partida no jugada: ninguno de los dos jugadores se present\xF3}";

inline std::string DosHead(const std::string& round) {
  return Lines({"[Event \"OPEN DE PRUEBA OP\"]", "[Site \"VALENCIA\"]", "[Date \"2004.03.05\"]",
                "[Round \"" + round + "\"]"});
}

// Round 3: draws stored as 0xAB on boards 1 and 3, and as the DOS program's " 1/2 " on
// board 4; board 5 won by forfeit.
inline const std::string kDosRound3 =
    DosHead("3.1") +
    Lines({"[White \"MART\xCDNEZ,CARMEN\"]", "[Black \"G\xD3MEZ,LAURA\"]", "[Result \"1/2-1/2\"]",
           "[ECO \"\"]", "1.", "1/2-1/2"}) +
    DosHead("3.2") +
    Lines({"[White \"RUIZ,LUIS\"]", "[Black \"FERN\xC1NDEZ,ANA\"]", "[Result \"1-0\"]", "[ECO \"\"]", "1.", "1-0"}) +
    DosHead("3.3") +
    Lines({"[White \"GARCIA,MARIA\"]", "[Black \"LOPEZ,PEDRO\"]", "[Result \"1/2-1/2\"]", "[ECO \"\"]",
           "[WhiteElo \"1537\"]", "1.", "1/2-1/2"}) +
    DosHead("3.4") +
    Lines({"[White \"PEREZ,LUIS\"]", "[Black \"MU\xD1OZ,PEDRO\"]", "[Result \"1/2-1/2\"]", "[ECO \"\"]",
           "[BlackElo \"1883\"]", "1.", "1/2-1/2"}) +
    DosHead("3.5") +
    Lines({"[White \"SANCHEZ,JUAN\"]",
           "[Black \"D\xCD"
           "AZ,MARIA\"]",
           "[Result \"1-0\"]", "[ECO \"\"]", "[WhiteElo \"1426\"]", "[BlackElo \"2257\"]", kBlackAbsent, "1.",
           "1-0"});

// The games of GARCIA,MARIA (player 1): "n" against 2 (lost by forfeit), "n" against 8 (a draw
// stored as 0xAB), "b" against 3 (a draw): the round tables have 2-1, 8-1 and 1-3, so the
// lower-case "b" is White as well.
inline const std::string kDosGarciaGames =
    DosHead("1") +
    Lines({"[White \"MU\xD1OZ,PEDRO\"]", "[Black \"GARCIA,MARIA\"]", "[Result \"1-0\"]", "[ECO \"A00\"]",
           "[WhiteElo \"1883\"]", "[BlackElo \"1537\"]", kBlackAbsent, "1.", "1-0"}) +
    DosHead("2") +
    Lines({"[White \"FERN\xC1NDEZ,ANA\"]", "[Black \"GARCIA,MARIA\"]", "[Result \"1/2-1/2\"]",
           "[ECO \"A00\"]", "[BlackElo \"1537\"]", "1.", "1/2-1/2"}) +
    DosHead("3") +
    Lines({"[White \"GARCIA,MARIA\"]", "[Black \"LOPEZ,PEDRO\"]", "[Result \"1/2-1/2\"]", "[ECO \"A00\"]",
           "[WhiteElo \"1537\"]", "1.", "1/2-1/2"});

}  // namespace movarel::pgn::testing
