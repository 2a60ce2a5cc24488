#include "pgn/pgn_export.h"

#include <algorithm>

#include "pgn/pgn_games.h"
#include "pgn/player_chooser.h"
#include "register/file_names.h"
#include "rounds/round_chooser.h"
#include "rounds/tournament_tables.h"
#include "storage/byte_file.h"
#include "storage/value.h"
#include "ui/platform.h"
#include "ui/run_time_error.h"

namespace movarel::pgn {
namespace {

constexpr char kRondaAlias[] = "ronda";

std::string TournamentKey(registry::WorkingState& state) {
  storage::Table* torneos = state.workspace.Find("torneos");
  if (torneos != nullptr && !torneos->Eof()) {
    const std::string stored(storage::AllTrim(torneos->GetText("FICHERO")));
    if (!stored.empty()) return stored;
  }
  return state.CCLAVE;
}

int RegisterNumber(registry::WorkingState& state, std::string_view field) {
  storage::Table* torneos = state.workspace.Find("torneos");
  if (torneos == nullptr || torneos->Eof()) return 0;
  return static_cast<int>(torneos->GetNumber(field));
}

storage::Table* PlayerTable(registry::WorkingState& state) {
  storage::Table* cuadro = state.workspace.Find("cuadro");
  if (cuadro == nullptr) state.dialogs->MsgStop("No hay ning\xFAn torneo abierto");
  return cuadro;
}

// Opens round `round` shared as `ronda`; a stop box naming the table when it cannot be.
storage::Table* OpenRound(registry::WorkingState& state, storage::Table& cuadro, int round) {
  const std::string name = registry::RoundTableName(round, state.CCLAVE);
  auto opened =
      state.workspace.Use(rounds::TournamentFolderPrefix(cuadro) + name, kRondaAlias, /*shared=*/true);
  if (opened.ok()) return *opened;
  std::string cause;
  if (opened.status().code() == storage::Status::Code::kLocked) {
    cause = "El fichero " + name + ".dbf est\xE1 siendo utilizado por otro programa";
  } else if (opened.status().code() == storage::Status::Code::kNotFound) {
    cause = "No existe el fichero " + name + ".dbf";
  } else {
    cause = "No se ha podido abrir el fichero " + name + ".dbf\r\n" + opened.status().message();
  }
  state.dialogs->MsgStop("No se puede crear el fichero PGN\r\n" + cause);
  state.workspace.Select("cuadro");
  return nullptr;
}

void CloseRound(registry::WorkingState& state) {
  state.workspace.Close(kRondaAlias);
  state.workspace.Select("cuadro");
}

// The DOS program never noticed a file it could not create and reported success all the
// same; here the user learns which file was not written and why.
bool WriteFile(registry::WorkingState& state, const std::string& file, const std::string& bytes) {
  storage::Status status;
  auto created = storage::ByteFile::Create(PgnPath(state, file));
  if (!created.ok()) {
    status = created.status();
  } else {
    status = created->Write(bytes);
    if (status.ok()) status = created->Close();
  }
  if (!status.ok()) {
    state.dialogs->MsgStop("No se ha podido crear el fichero " + file + "\r\n" + status.message());
    return false;
  }
  state.dialogs->MsgInfo("El fichero " + file + " ha sido creado");
  return true;
}

}  // namespace

std::string PgnPath(registry::WorkingState& state, const std::string& file) {
  // The name is typed in the chooser's text box: text, made a path here.
  const std::string name = ui::PathFromText(file);
  if (!name.empty() && name.front() == '/') return name;
  storage::Table* cuadro = state.workspace.Find("cuadro");
  return cuadro == nullptr ? name : rounds::TournamentFolderPrefix(*cuadro) + name;
}

bool WriteRoundPgn(registry::WorkingState& state, int round, const std::string& file) {
  state.NRONDASEL = round;
  storage::Table* cuadro = PlayerTable(state);
  if (cuadro == nullptr) return false;
  storage::Table* ronda = OpenRound(state, *cuadro, round);
  if (ronda == nullptr) return false;
  const TournamentTags tags = ReadTournamentTags(state.workspace.Find("torneos"));
  const std::string games = RoundGames(tags, round, *ronda, *cuadro);
  const bool written = WriteFile(state, file, games);
  CloseRound(state);
  return written;
}

bool WriteTournamentPgn(registry::WorkingState& state) {
  storage::Table* cuadro = PlayerTable(state);
  if (cuadro == nullptr) return false;
  const std::string file = "Zd" + TournamentKey(state) + ".pgn";
  state.CFICHTRAB = file;
  const TournamentTags tags = ReadTournamentTags(state.workspace.Find("torneos"));
  const int rounds = RegisterNumber(state, "N_RONDAS");
  std::string games;
  for (state.NRONDASEL = 1; state.NRONDASEL <= rounds; ++state.NRONDASEL) {
    storage::Table* ronda = OpenRound(state, *cuadro, state.NRONDASEL);
    if (ronda == nullptr) return false;
    games += RoundGames(tags, state.NRONDASEL, *ronda, *cuadro);
    CloseRound(state);
  }
  return WriteFile(state, file, games);
}

bool WritePlayerPgn(registry::WorkingState& state, const std::string& player, const std::string& file) {
  storage::Table* cuadro = PlayerTable(state);
  if (cuadro == nullptr) return false;
  const std::string_view wanted = storage::RTrim(player);
  uint32_t recno = 0;
  for (cuadro->GoTop(); !cuadro->Eof(); cuadro->Skip()) {
    if (storage::RTrim(cuadro->GetText("JUG")) == wanted) {
      recno = cuadro->RecNo();
      break;
    }
  }
  if (recno == 0) {
    state.dialogs->MsgStop("No se ha encontrado el jugador " + std::string(wanted));
    return false;
  }
  const TournamentTags tags = ReadTournamentTags(state.workspace.Find("torneos"));
  const int last_round = std::min(RegisterNumber(state, "N_R_ACTUAL"), RegisterNumber(state, "N_RONDAS"));
  return WriteFile(state, file, PlayerGames(tags, *cuadro, recno, last_round));
}

void ZDCREAPGNRDA(registry::WorkingState& state, ui::Ui& ui) {
  ui::ActiveOperation op("ZDCREAPGNRDA");
  if (!rounds::ChooseRound(state, ui, rounds::RoundChooserVariant::kPgnFile)) return;
  WriteRoundPgn(state, state.NRONDASEL, state.CFICHTRAB);
}

void ZDCREAPGN(registry::WorkingState& state) {
  ui::ActiveOperation op("ZDCREAPGN");
  WriteTournamentPgn(state);
}

void ZDCREAPGNJUG(registry::WorkingState& state, ui::Ui& ui) {
  ui::ActiveOperation op("ZDCREAPGNJUG");
  if (!ChoosePlayer(state, ui)) return;
  WritePlayerPgn(state, state.CJUGSEL, state.CFICHTRAB);
}

}  // namespace movarel::pgn
