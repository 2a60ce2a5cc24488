#include "rounds/pairing_validation.h"

#include <string>

#include "register/file_names.h"
#include "rounds/round_table_access.h"
#include "standings/zdclas.h"
#include "storage/table.h"
#include "storage/value.h"

namespace movarel::rounds {
namespace {

// "El jugador nº ": 0xBA is the masculine ordinal in Windows-1252.
std::string PlayerPrefix(long number) { return "El jugador n\xBA " + std::to_string(number); }

std::string Trimmed(const storage::Table& table, const std::string& field) {
  return std::string(storage::AllTrim(table.GetText(field)));
}

std::string UpperTrimmed(const storage::Table& table, const std::string& field) {
  return storage::Upper(Trimmed(table, field));
}

// The fields of one round, built once: R<n>J, R<n>C, R<n>F (the CCJUG, CCCOL, CCFLT of the
// DOS program).
struct RoundFields {
  explicit RoundFields(int round)
      : j(registry::RoundFieldName(round, 'J')),
        c(registry::RoundFieldName(round, 'C')),
        f(registry::RoundFieldName(round, 'F')),
        p(registry::RoundFieldName(round, 'P')),
        i(registry::RoundFieldName(round, 'I')) {}
  std::string j, c, f, p, i;
};

class Validation {
 public:
  Validation(storage::Table& cuadro, storage::Table& ronda, int round)
      : cuadro_(cuadro), ronda_(ronda), round_(round), now_(round) {}

  storage::Status ClearRound(bool clear_floats, const std::set<uint32_t>& void_results) {  // QUITADATRDA
    for (cuadro_.GoTop(); !cuadro_.Eof(); cuadro_.Skip()) {
      Put(now_.j, 0.0);
      Put(now_.c, std::string(" "));
      if (clear_floats) Put(now_.f, std::string(" "));
      if (void_results.count(cuadro_.RecNo()) != 0) {
        Put(now_.p, std::string(" "));
        Put(now_.i, std::string(" "));
      }
      if (!status_.ok()) return status_;
    }
    return status_;
  }

  storage::Status WriteBoards() {
    for (ronda_.GoTop(); !ronda_.Eof(); ronda_.Skip()) {
      const long white = static_cast<long>(ronda_.GetNumber("JUG_B"));
      const long black = static_cast<long>(ronda_.GetNumber("JUG_N"));
      const bool has_result = !storage::AllTrim(ronda_.GetText("RDO")).empty();
      if (white > 0) PROCPAREO(white, black, has_result);
      if (!status_.ok()) return status_;
    }
    return status_;
  }

  storage::Status CheckPlayers(bool rules_asked) {  // OTRASCOMPRS
    for (cuadro_.GoTop(); !cuadro_.Eof(); cuadro_.Skip()) {
      if (cuadro_.GetLogical("BAJA")) continue;
      const std::string prefix = PlayerPrefix(static_cast<long>(cuadro_.GetNumber("NUM")));
      const double opponent = cuadro_.GetNumber(now_.j);
      const std::string colour = UpperTrimmed(cuadro_, now_.c);
      // Points without a board: the arbiter left him out of the round (absent, or a bye he asked for).
      if (opponent <= 0 && colour != "D" && Trimmed(cuadro_, now_.p).empty()) Add(prefix + " no ha sido emparejado");
      for (int k = 1; k < round_ && !rules_asked; ++k) {
        const RoundFields earlier(k);
        const double earlier_opponent = cuadro_.GetNumber(earlier.j);
        const std::string earlier_forfeit = UpperTrimmed(cuadro_, earlier.i);
        // A game decided by forfeit was not played: the two may meet again.
        if (opponent == earlier_opponent && earlier_opponent != 0 && earlier_forfeit != "I") {
          Add(prefix + " ya ha jugado con el n\xBA " + std::to_string(static_cast<long>(earlier_opponent)) +
              " en la ronda " + std::to_string(k));
        }
        const std::string earlier_colour = UpperTrimmed(cuadro_, earlier.c);
        if (colour == "D" && earlier_colour == "D") {
          Add(prefix + " ya ha descansado en la ronda " + std::to_string(k));
        }
        if (colour == "D" && Trimmed(cuadro_, earlier.p) == "1" && earlier_forfeit == "I") {
          Add(prefix + " descansa y ha ganado por incomparecencia en la ronda " + std::to_string(k));
        }
      }
    }
    return status_;
  }

  const std::string& errors() const { return errors_; }

 private:
  // One board: White, then Black; a breach ends the board, so nothing more of it is written.
  void PROCPAREO(long white, long black, bool has_result) {
    const long players = static_cast<long>(cuadro_.LastRec());
    if (white > players) {
      Add(PlayerPrefix(white) + " no est\xE1 en el cuadro de jugadores");
      return;
    }
    if (black < 0 || black > players) {
      Add(PlayerPrefix(black) + " no est\xE1 en el cuadro de jugadores");
      return;
    }
    double black_points = 0;
    if (black > 0) {
      cuadro_.GoTo(static_cast<uint32_t>(black));
      black_points = cuadro_.GetNumber("PTOS");
    }
    cuadro_.GoTo(static_cast<uint32_t>(white));
    if (!Placeable(white, has_result)) return;
    const double white_points = cuadro_.GetNumber("PTOS");
    Put(now_.j, static_cast<double>(black));
    if (black != 0) {
      Put(now_.c, std::string("B"));
      Put(now_.f, FloatMark(white_points, black_points));
    } else {
      Put(now_.c, std::string("D"));
    }
    if (black <= 0) return;
    cuadro_.GoTo(static_cast<uint32_t>(black));
    if (!Placeable(black, has_result)) return;
    Put(now_.j, static_cast<double>(white));
    Put(now_.c, std::string("N"));
    Put(now_.f, FloatMark(black_points, white_points));
  }

  // The two checks of a player about to be written; the player table is on its record. A
  // withdrawal counts from the rounds not yet played: a result on the board, or a score of
  // the player's in the round, says this one was.
  bool Placeable(long number, bool has_result) {
    if (cuadro_.GetNumber(now_.j) != 0 || !Trimmed(cuadro_, now_.c).empty()) {
      Add(PlayerPrefix(number) + " aparece dos veces");
      return false;
    }
    if (cuadro_.GetLogical("BAJA") && !has_result && Trimmed(cuadro_, now_.p).empty()) {
      Add(PlayerPrefix(number) + " es baja pero ha sido emparejado");
      return false;
    }
    return true;
  }

  static std::string FloatMark(double own, double opponent) {
    if (own > opponent) return "v";
    if (own < opponent) return "^";
    return " ";
  }

  void Put(const std::string& field, const storage::Value& value) {
    if (!status_.ok()) return;
    status_ = cuadro_.Put(field, value);
  }

  void Add(const std::string& message) {
    if (!errors_.empty()) errors_ += "\r\n";
    errors_ += message;
  }

  storage::Table& cuadro_;
  storage::Table& ronda_;
  int round_;
  RoundFields now_;
  std::string errors_;
  storage::Status status_;
};

}  // namespace

storage::Result<std::string> VALIDARPAREO(registry::WorkingState& state, int round,
                                          const std::set<uint32_t>& void_results, bool rules_asked) {
  storage::Table* cuadro = state.workspace.Find("cuadro");
  storage::Table* ronda = state.workspace.Find("ronda");
  if (cuadro == nullptr || ronda == nullptr) {
    return storage::Status::InvalidArgument("no hay cuadro de jugadores o ronda abiertos");
  }
  storage::Table* torneos = state.workspace.Find("torneos");
  const int current = torneos == nullptr ? 0 : static_cast<int>(torneos->GetNumber("N_R_ACTUAL"));

  // The points before the round decide the float marks. They are computed before anything is
  // cleared, so a standings failure (a missing "t14", say) leaves the player table untouched;
  // the computation counts rounds 1 .. round - 1 only and never reads this round's fields.
  state.NRONDASEL = round - 1;
  storage::Status status = standings::ZDCLAS(state);
  state.NRONDASEL = round;
  if (!status.ok()) return status;
  cuadro = state.workspace.Select("cuadro");

  Validation validation(*cuadro, *ronda, round);
  // An earlier round keeps its float marks for players who get no new one.
  if (status = validation.ClearRound(round == current, void_results); !status.ok()) return status;
  if (status = validation.WriteBoards(); !status.ok()) return status;
  if (status = validation.CheckPlayers(rules_asked); !status.ok()) return status;
  if (status = cuadro->Commit(); !status.ok()) return status;

  if (!validation.errors().empty()) {
    state.dialogs->MsgExclamation(validation.errors(), "Hay errores en el emparejamiento");
  }
  if (status = SetCurrentRound(state, round); !status.ok()) return status;
  cuadro->GoTop();
  return validation.errors();
}

}  // namespace movarel::rounds
