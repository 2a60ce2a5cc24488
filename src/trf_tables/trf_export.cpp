#include "trf_tables/trf_export.h"

#include <algorithm>

#include "register/file_names.h"
#include "register/table_layouts.h"
#include "register/working_state.h"
#include "standings/tie_break_list.h"
#include "standings/zdclas.h"
#include "storage/files.h"
#include "trf/reader.h"
#include "trf/writer.h"
#include "trf_tables/trf_from_tables.h"
#include "ui/dialogs.h"
#include "ui/run_time_error.h"

namespace movarel::trf_tables {

namespace {

constexpr char kCannot[] = "No se puede crear el fichero TRF\r\n";

}  // namespace

void INFTRF(registry::WorkingState& state) {
  ui::ActiveOperation op("INFTRF");
  ui::Dialogs& dialogs = *state.dialogs;
  storage::Table* torneos = state.workspace.Find("torneos");
  storage::Table* cuadro = state.workspace.Find("cuadro");
  if (torneos == nullptr || cuadro == nullptr) return;
  if (!cuadro->FLock()) {
    dialogs.MsgInfo("El Cuadro de jugadores est\xE1 siendo utiliado por otro programa\r\nNo se puede crear el fichero TRF");
    return;
  }
  std::string folder = registry::FolderOfPath(cuadro->path());
  if (!folder.empty()) folder += '/';
  const int rounds = std::min(static_cast<int>(torneos->GetNumber("N_RONDAS")), registry::kMaxRounds);
  const int played = LastPlayedRound(ReadTableRounds(*cuadro, std::max(rounds, 0)));

  // The standings after the last played round give the ranks; the tie-break table, the
  // systems in use.
  state.NRONDASEL = played;
  storage::Status computed = standings::ZDCLAS(state);
  std::vector<std::string> systems;
  if (computed.ok()) {
    auto walk = standings::ReadTieBreaks(state, folder, registry::TemplatesFolder(state.CCARPINI), cuadro->layout());
    if (walk.ok()) systems = walk->systems;
    computed = walk.status();
  }
  if (!computed.ok()) {
    cuadro->Unlock();
    dialogs.MsgStop(std::string(kCannot) + computed.message());
    return;
  }
  const trf::Tournament tournament = TrfFromTables(*torneos, *cuadro, systems, played);
  cuadro->Unlock();
  state.workspace.Select("cuadro");

  const std::string bytes = trf::Write(tournament);
  // The file must read back: a pairing the tables hold that TRF cannot say would show here.
  if (const trf::ReadResult check = trf::Read(bytes); !check.ok()) {
    dialogs.MsgStop(std::string(kCannot) + check.error->message);
    return;
  }
  const std::string path = folder + state.CCLAVE + ".trf";
  if (storage::Status written = storage::WriteFileAtomically(path, bytes); !written.ok()) {
    dialogs.MsgStop(std::string(kCannot) + "Fichero " + path + "\r\n" + written.message());
    return;
  }
  dialogs.MsgInfo("El fichero " + storage::ResolvePath(path) + " ha sido creado");
}

}  // namespace movarel::trf_tables
