#include "federation/rating_body.h"

#include <algorithm>

#include "register/file_names.h"
#include "register/table_layouts.h"

namespace movarel::federation {

namespace {

std::string Text(const storage::Table& table, std::string_view field) {
  return table.HasField(field) ? table.GetText(field) : std::string();
}

int Number(const storage::Table& table, std::string_view field) {
  return table.HasField(field) ? static_cast<int>(table.GetNumber(field)) : 0;
}

bool Blank(const std::string& text) { return storage::AllTrim(text).empty(); }

Entrant ReadEntrant(const storage::Table& cuadro, int rounds) {
  Entrant e;
  e.recno = cuadro.RecNo();
  e.NUM = Number(cuadro, "NUM");
  e.JUG = Text(cuadro, "JUG");
  e.SEXO = Text(cuadro, "SEXO");
  e.COD_PAIS = Text(cuadro, "COD_PAIS");
  e.AUTONOMIA = Text(cuadro, "AUTONOMIA");
  e.COD_FIDE = Text(cuadro, "COD_FIDE");
  e.COD_FEDA = Text(cuadro, "COD_FEDA");
  e.LIC = Text(cuadro, "LIC");
  e.CLUB = Text(cuadro, "CLUB");
  e.CAT = Text(cuadro, "CAT");
  if (cuadro.HasField("FECHA_NAC")) e.FECHA_NAC = cuadro.GetDate("FECHA_NAC");
  e.ELOFIDE = Number(cuadro, "ELOFIDE");
  e.ELOFEDA = Number(cuadro, "ELOFEDA");
  e.ELO = Number(cuadro, "ELO");
  for (int round = 1; round <= rounds; ++round) {
    RoundEntry entry;
    entry.opponent = Number(cuadro, registry::RoundFieldName(round, 'J'));
    const std::string mark = Text(cuadro, registry::RoundFieldName(round, 'I'));
    entry.forfeit = mark.empty() ? ' ' : mark[0];
    entry.result = Text(cuadro, registry::RoundFieldName(round, 'P'));
    e.rounds.push_back(std::move(entry));
  }
  return e;
}

}  // namespace

storage::Result<Entrants> ReadEntrants(storage::Table& cuadro, int rounds) {
  rounds = std::clamp(rounds, 0, registry::kMaxRounds);
  const uint32_t saved = cuadro.RecNo();
  Entrants entrants;
  entrants.by_recno.reserve(cuadro.LastRec());
  for (uint32_t recno = 1; recno <= cuadro.LastRec(); ++recno) {
    cuadro.GoTo(recno);
    entrants.by_recno.push_back(ReadEntrant(cuadro, rounds));
  }
  for (cuadro.GoTop(); !cuadro.Eof(); cuadro.Skip()) entrants.in_order.push_back(cuadro.RecNo());
  cuadro.GoTo(saved);
  return entrants;
}

bool IsMember(RatingBody body, const Entrant& player) {
  switch (body) {
    case RatingBody::kFide: return !Blank(player.COD_FIDE) || player.ELOFIDE > 0;
    case RatingBody::kFeda: return !Blank(player.COD_FEDA) || player.ELOFEDA > 0;
    case RatingBody::kFva: return !Blank(player.LIC);
  }
  return false;
}

const std::string& CodeOf(RatingBody body, const Entrant& player) {
  switch (body) {
    case RatingBody::kFide: return player.COD_FIDE;
    case RatingBody::kFeda: return player.COD_FEDA;
    case RatingBody::kFva: break;
  }
  return player.LIC;
}

int OwnRating(RatingBody body, const Entrant& player) {
  switch (body) {
    case RatingBody::kFide: return player.ELOFIDE;
    case RatingBody::kFeda: return player.ELOFEDA;
    case RatingBody::kFva: break;
  }
  return player.ELO;
}

int OpponentRating(RatingBody body, const Entrant& opponent) {
  auto first_rated = [](std::initializer_list<int> ratings) {
    for (int rating : ratings)
      if (rating > 0) return rating;
    return 0;
  };
  switch (body) {
    case RatingBody::kFide: return first_rated({opponent.ELOFIDE});
    case RatingBody::kFeda: return first_rated({opponent.ELOFEDA, opponent.ELOFIDE});
    case RatingBody::kFva: break;
  }
  return first_rated({opponent.ELO, opponent.ELOFIDE, opponent.ELOFEDA});
}

const char* BodyName(RatingBody body) {
  switch (body) {
    case RatingBody::kFide: return "FIDE";
    case RatingBody::kFeda: return "FEDA";
    case RatingBody::kFva: break;
  }
  return "FVA";
}

}  // namespace movarel::federation
