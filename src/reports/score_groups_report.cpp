#include "reports/score_groups_report.h"

#include <algorithm>

#include "register/file_names.h"
#include "reports/html_writer.h"
#include "reports/report_fields.h"
#include "standings/zdclas.h"
#include "storage/letter_case.h"
#include "storage/value.h"

namespace movarel::reports {

namespace {

char FirstByte(const storage::Table& cuadro, const std::string& field) {
  const std::string text = cuadro.GetText(field);
  return text.empty() ? ' ' : text.front();
}

}  // namespace

std::vector<ScoreGroupPlayer> ScoreGroupOrder(storage::Table& cuadro, int rounds_before) {
  std::vector<ScoreGroupPlayer> players;
  std::vector<std::string> field_j, field_c, field_p, field_i, field_f;
  for (int r = 1; r <= rounds_before; ++r) {
    field_j.push_back(registry::RoundFieldName(r, 'J'));
    field_c.push_back(registry::RoundFieldName(r, 'C'));
    field_p.push_back(registry::RoundFieldName(r, 'P'));
    field_i.push_back(registry::RoundFieldName(r, 'I'));
    field_f.push_back(registry::RoundFieldName(r, 'F'));
  }
  for (uint32_t recno = 1; recno <= cuadro.LastRec(); ++recno) {
    cuadro.GoTo(recno);
    if (cuadro.Deleted() || cuadro.GetLogical("BAJA")) continue;
    ScoreGroupPlayer player;
    player.recno = recno;
    player.num = static_cast<int>(cuadro.GetNumber("NUM"));
    player.jug = cuadro.GetText("JUG");
    player.ptos = cuadro.GetNumber("PTOS");
    for (size_t k = 0; k < field_j.size(); ++k) {
      ScoreGroupRound round;
      round.opponent = static_cast<int>(cuadro.GetNumber(field_j[k]));
      round.colour = FirstByte(cuadro, field_c[k]);
      round.points = FirstByte(cuadro, field_p[k]);
      round.forfeit = FirstByte(cuadro, field_i[k]);
      round.float_mark = FirstByte(cuadro, field_f[k]);
      player.rounds.push_back(round);
    }
    players.push_back(std::move(player));
  }
  // The DOS program ordered by descend(str(PTOS,4,1)); points to one decimal give the same
  // order, and a stable sort keeps equal points in record order as its index did.
  std::stable_sort(players.begin(), players.end(), [](const ScoreGroupPlayer& a, const ScoreGroupPlayer& b) {
    return storage::Str(a.ptos, 4, 1) > storage::Str(b.ptos, 4, 1);
  });
  return players;
}

std::string ScoreGroupHeader(int round) {
  std::string header = "   #  Jugador" + std::string(24, ' ') + "Puntos";
  for (int r = 1; r < round; ++r) header += "  " + RoundText(r) + "\xAAR  ";
  return header;
}

std::string PROCLINGP(const ScoreGroupPlayer& player, int round) {
  std::string line = "(" + storage::Str(player.num, 3) + ") " + PageText(player.jug) + "  " +
                     storage::Str(player.ptos, 4, 1) + "  ";
  int white = 0;
  int black = 0;
  char previous = '+';
  char last = '-';
  for (int r = 1; r < round && static_cast<size_t>(r) <= player.rounds.size(); ++r) {
    const ScoreGroupRound& game = player.rounds[static_cast<size_t>(r - 1)];
    line += game.opponent == 0 ? std::string("   ") : storage::Str(game.opponent, 3);
    line += storage::LowerAscii(game.colour);
    line += ResultSymbol(std::string_view(&game.points, 1));
    line += game.forfeit;
    line += game.float_mark;
    // A game decided by forfeit was not played: it neither counts for a colour nor marks one.
    if (storage::UpperAscii(game.forfeit) == 'I') continue;
    const char colour = storage::UpperAscii(game.colour);
    if (colour == 'B') {
      ++white;
    } else if (colour == 'N') {
      ++black;
    } else {
      continue;
    }
    previous = last;
    last = colour;
  }
  const bool history = round - 1 > 1;
  const std::string number = storage::Str(player.num, 3);
  line += history && previous == 'N' && last == 'N' ? '*' : ' ';
  line += black - white == 2 ? "++" : black - white == 1 ? " +" : "  ";
  line += (black > white || (black == white && last == 'N')) ? number : std::string("   ");
  line += " |";
  line += (white > black || (white == black && last == 'B')) ? number : std::string("   ");
  line += white - black == 2 ? "++" : white - black == 1 ? "+ " : "  ";
  line += history && previous == 'B' && last == 'B' ? '*' : ' ';
  return line;
}

bool LISHTMGP(registry::WorkingState& state, int round) {
  storage::Table* cuadro = state.workspace.Find("cuadro");
  if (cuadro == nullptr) return false;
  state.NRONDASEL = round - 1;
  storage::Status status = standings::ZDCLAS(state);
  state.NRONDASEL = round;
  if (!status.ok()) {
    state.dialogs->MsgStop(status.message());
    return false;
  }
  const std::vector<ScoreGroupPlayer> players = ScoreGroupOrder(*cuadro, round - 1);

  storage::Table* torneos = state.workspace.Find("torneos");
  HtmlPage page = HTML_INI(PagePath("zendral"), torneos ? PageTitle(*torneos) : std::string(),
                           torneos ? PageSubtitle(*torneos) : std::string());
  HTML_LINETEXT(page, "<p class=\"updated\">Gupos de puntuaci\xF3n de la " + RoundText(round) + "\xAA ronda");
  HTML_LINE(page);
  HTML_TEXT(page, "<pre>");
  HTML_LINETEXTK(page, ScoreGroupHeader(round));
  double group_points = 0;  // NPTOS: a first group of 0 points gets no opening rule
  for (const ScoreGroupPlayer& player : players) {
    if (player.ptos != group_points) HTML_LINE(page);
    group_points = player.ptos;
    HTML_LINETEXTK(page, PROCLINGP(player, round));
  }
  HTML_LINE(page);
  HTML_TEXT(page, "</pre>");
  PIEHTML(state, page);
  if (storage::Status saved = HTML_END(page); !saved.ok()) {
    state.dialogs->MsgStop(PageNotWrittenText(page.path, saved));
    return false;
  }
  state.dialogs->MsgInfo("Fichero Zendral.htm con grupos de puntuaci\xF3n creado");
  OpenPageIfWanted(state, page.path, true);
  return true;
}

}  // namespace movarel::reports
