#include "prizes/prize_distribution.h"

#include "prizes/prize_table.h"
#include "standings/zdclas.h"
#include "storage/files.h"
#include "storage/value.h"
#include "storage/workspace.h"
#include "ui/dialogs.h"
#include "ui/run_time_error.h"

namespace movarel::prizes {
namespace {

constexpr char kStandingsOrder[] = "suclas.tmp";
constexpr char kVoid[] = "Desierto";

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

std::string PrizeName(const storage::Table& premios) {
  return std::string(storage::RTrim(premios.GetText("PREMIO")));
}

// Writes the winner's fields of the current prize under a record lock. `refused` is the
// second line of the message when the lock is refused.
bool WriteWinner(registry::WorkingState& state, storage::Table& premios, const std::string& jugador,
                 double numjug, double puntos, double puesto, const std::string& premios_list,
                 const std::string& refused) {
  if (!premios.RLock()) {
    state.dialogs->MsgInfo("No se ha podido bloquear el premio " + PrizeName(premios) + "\r\n" + refused);
    return false;
  }
  storage::Status status = premios.Put("JUGADOR", jugador);
  if (status.ok()) status = premios.Put("NUMJUG", numjug);
  if (status.ok()) status = premios.Put("PUNTOS", puntos);
  if (status.ok()) status = premios.Put("PUESTO", puesto);
  if (status.ok()) status = premios.Put("PREMIOS", premios_list);
  premios.Unlock();
  if (!status.ok()) {
    state.dialogs->MsgStop("No se ha podido grabar el premio " + PrizeName(premios) + "\r\n" +
                           status.message());
    return false;
  }
  return true;
}

std::vector<PrizeCandidate> ReadStandings(storage::Table& cuadro) {
  std::vector<PrizeCandidate> standings;
  const bool has_premios = cuadro.HasField("PREMIOS");
  for (cuadro.GoTop(); !cuadro.Eof(); cuadro.Skip()) {
    PrizeCandidate player;
    player.recno = cuadro.RecNo();
    player.num = cuadro.GetNumber("NUM");
    player.jug = cuadro.GetText("JUG");
    player.ptos = cuadro.GetNumber("PTOS");
    player.puesto = cuadro.GetNumber("PUESTO");
    player.baja = cuadro.GetLogical("BAJA");
    if (has_premios) player.premios = cuadro.GetText("PREMIOS");
    standings.push_back(std::move(player));
  }
  return standings;
}

// The live prize records in the controlling order, so that writing a winner can never move
// the walk.
std::vector<uint32_t> PrizesInOrder(storage::Table& premios) {
  std::vector<uint32_t> records;
  for (premios.GoTop(); !premios.Eof(); premios.Skip()) records.push_back(premios.RecNo());
  return records;
}

}  // namespace

void COMPROBARPREMIOJUG(registry::WorkingState& state, storage::Table& premios, const PrizeCandidate& player,
                        PrizeRun& run) {
  if (player.recno >= run.APREMIOS.size()) return;
  std::string& received = run.APREMIOS[player.recno];
  std::string& non_cumulative = run.APREMIOSACUM[player.recno];
  const bool cumulative = premios.GetLogical("ACUMULABLE");
  if (!cumulative && non_cumulative.find('n') != std::string::npos) return;

  const std::string code = premios.GetText("ID_CATEGOR");
  const bool general = IsGeneralCode(code);
  if (general) {
    if (Upper(received).find('G') != std::string::npos) return;
  } else {
    if (Upper(received).find(Upper(code)) != std::string::npos) return;
    if (Upper(player.premios).find(Upper(storage::RTrim(code))) == std::string::npos) return;
  }
  if (!WriteWinner(state, premios, player.jug, player.num, player.ptos, player.puesto, player.premios,
                   "para asignarle el jugador " + std::string(storage::RTrim(player.jug)))) {
    return;
  }
  received += general ? std::string("g") : code;
  if (!cumulative) non_cumulative += 'n';
  run.LENC = true;
}

void ASIGNARPREMIO(registry::WorkingState& state, storage::Table& premios,
                   const std::vector<PrizeCandidate>& standings, bool eligibility_kept, PrizeRun& run) {
  run.LENC = false;
  if (!IsGeneralCode(premios.GetText("ID_CATEGOR")) && !eligibility_kept) {
    state.dialogs->MsgInfo(
        "Para asignar premios especiales primero\r\nhay que establecer qui\xE9nes optan a ellos");
  } else {
    for (const PrizeCandidate& player : standings) {
      if (player.baja) continue;
      COMPROBARPREMIOJUG(state, premios, player, run);
      if (run.LENC) break;
    }
  }
  if (!run.LENC) {
    // A void prize carries no winner's data: an earlier distribution's points and place
    // must not stay beside "Desierto".
    WriteWinner(state, premios, kVoid, 0, 0, 0, "", "para anotar que ha quedado desierto");
  }
}

void CALCULARPREMIOS(registry::WorkingState& state) {
  ui::ActiveOperation op("CALCULARPREMIOS");
  storage::Table* cuadro = state.workspace.Find("cuadro");
  if (cuadro == nullptr) return;
  if (!cuadro->FLock()) {
    state.dialogs->MsgInfo(
        "El Cuadro de jugadores est\xE1 siendo utiliado por otro programa\r\nNo se pueden calcular los "
        "premios");
    return;
  }
  const std::string folder = TournamentFolder(state);
  constexpr char kCannot[] = "No se pueden calcular los premios";
  // Every way out closes the prize table and the standings order of the player table and
  // releases its lock; `stop` is the text of the stop box of a failure, if any.
  auto finish = [&](const std::string& stop) {
    state.workspace.Close(kPrizeAlias);
    if (storage::Table* open = state.workspace.Select("cuadro")) {
      (void)open->OrdListClear();
      open->Unlock();
    }
    if (!stop.empty()) state.dialogs->MsgStop(stop);
  };
  auto failed = [&](const storage::Status& status) {
    finish(std::string(kCannot) + "\r\n" + status.message());
  };
  if (!storage::FileExists(PrizeTablePath(state))) {
    cuadro->Unlock();
    state.dialogs->MsgInfo("Debe introducir los premios primero");
    return;
  }

  // The prizes always follow the standings over all the rounds of the tournament.
  const storage::Table* torneos = state.workspace.Find("torneos");
  state.NRONDASEL = torneos != nullptr ? static_cast<int>(torneos->GetNumber("N_RONDAS")) : 0;
  if (storage::Status computed = standings::ZDCLAS(state); !computed.ok()) return failed(computed);
  if (storage::Status ordered = cuadro->OrdListAdd(folder + kStandingsOrder); !ordered.ok()) {
    return failed(ordered);
  }
  const std::vector<PrizeCandidate> standings = ReadStandings(*cuadro);
  const bool eligibility_kept = cuadro->HasField("PREMIOS");
  PrizeRun run;
  run.APREMIOS.resize(cuadro->LastRec() + 1);
  run.APREMIOSACUM.resize(cuadro->LastRec() + 1);

  auto opened = ABRPREMIOS(state);
  if (!opened.ok()) return finish(PrizeTableRefusal(state, kCannot, opened.status()));
  storage::Table& premios = **opened;
  if (storage::Status indexed = premios.CreateIndex(AmountOrderPath(state), kAmountOrderKey); !indexed.ok()) {
    return failed(indexed);
  }
  for (uint32_t recno : PrizesInOrder(premios)) {
    premios.GoTo(recno);
    ASIGNARPREMIO(state, premios, standings, eligibility_kept, run);
  }
  finish("");
}

}  // namespace movarel::prizes
