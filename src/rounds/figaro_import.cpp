#include "rounds/figaro_import.h"

#include <cstdint>
#include <string>

#include "register/text_utilities.h"
#include "rounds/round_table_access.h"
#include "storage/table.h"
#include "storage/value.h"
#include "storage/workspace.h"
#include "ui/dialogs.h"
#include "ui/run_time_error.h"

namespace movarel::rounds {
namespace {

constexpr std::string_view kRoundWord = "Ronda";

// Offsets from the first character after a board marker.
constexpr size_t kWhiteAt = 1;
constexpr size_t kResultAt = 34;
constexpr size_t kBlackAt = 38;
constexpr size_t kFieldLength = 3;

// SUBSTR that, like the DOS runtime's, gives a shorter or empty text past the end.
std::string_view Piece(std::string_view text, size_t at, size_t length) {
  if (at >= text.size()) return {};
  return text.substr(at, length);
}

int NumberAt(std::string_view text, size_t at) {
  return static_cast<int>(storage::Val(Piece(text, at, kFieldLength)));
}

bool IsPlayerRecord(storage::Table* cuadro, int number) {
  return cuadro != nullptr && number >= 1 && static_cast<uint32_t>(number) <= cuadro->LastRec();
}

}  // namespace

std::string F_RDOFIG(std::string_view code, int board, registry::WorkingState& state) {
  // Fígaro prints whole results only; the DOS-era test accepted any three characters of
  // "1-0.0-1.«-«" ("-0.", "0.0" ...) and stored nonsense such as " 0.0 " without a word, so
  // only the three whole results are taken here and the rest is reported as unknown.
  if (code == "1-0" || code == "0-1" || code == "\xAB-\xAB") return " " + std::string(code) + " ";
  if (code == "+--") return " 1-0i";
  if (code == "--+") return "i0-1 ";
  if (code == "---") return "i0-0i";
  if (code == " - " || code == "   ") return "     ";
  state.dialogs->MsgInfo("Resultado desconocido en la Mesa " + std::to_string(board));
  return std::string(code);
}

std::vector<FigaroBoard> ReadFigaroBoards(std::string_view text) {
  std::vector<FigaroBoard> boards;
  for (int k = 1;; ++k) {
    const std::string marker = std::to_string(k) + ".-";
    const size_t found = text.find(marker);
    if (found == std::string_view::npos) break;
    const size_t entry = found + marker.size();
    boards.push_back({NumberAt(text, entry + kWhiteAt), NumberAt(text, entry + kBlackAt),
                      std::string(Piece(text, entry + kResultAt, kFieldLength))});
  }
  return boards;
}

storage::Status FIGIMPP1(registry::WorkingState& state, std::string_view text,
                         std::vector<UnknownPlayer>& unknown) {
  ui::ActiveOperation op("FIGIMPP1");
  storage::Table* ronda = state.workspace.Find("ronda");
  if (ronda == nullptr) return storage::Status::Ok();
  storage::Table* cuadro = state.workspace.Find("cuadro");
  const std::vector<FigaroBoard> boards = ReadFigaroBoards(text);
  ronda->GoTop();
  for (size_t i = 0; i < boards.size(); ++i) {
    const FigaroBoard& board = boards[i];
    const int k = static_cast<int>(i) + 1;
    storage::Status status;
    if (ronda->Eof()) status = ronda->Append();
    if (status.ok()) status = ronda->Put("JUG_B", static_cast<double>(board.white));
    if (status.ok()) status = ronda->Put("JUG_N", static_cast<double>(board.black));
    if (status.ok()) status = ronda->Put("RDO", F_RDOFIG(board.result, k, state));
    if (!status.ok()) return status.WithContext("mesa " + std::to_string(k));
    if (board.white != 0 && !IsPlayerRecord(cuadro, board.white)) unknown.push_back({k, board.white});
    if (board.black != 0 && !IsPlayerRecord(cuadro, board.black)) unknown.push_back({k, board.black});
    ronda->Skip();
  }
  return ronda->Commit();
}

void FIGIMPP(registry::WorkingState& state) {
  ui::ActiveOperation op("FIGIMPP");
  const std::string path = state.dialogs->GetFile({{"Listados de F\xEDgaro", "*.txt"}}, "Elegir fichero",
                                                  state.CCARPINI, /*change_folder=*/false);
  if (path.empty()) return;
  state.CFICHTRAB = path;
  const std::string text = registry::FILEREAD(path, state);
  if (text.empty()) return;
  const size_t at = text.find(kRoundWord);
  if (at == std::string::npos) {
    state.dialogs->MsgStop("No se puede interpretar el fichero");
    return;
  }
  const int round = static_cast<int>(storage::Val(Piece(text, at + kRoundWord.size(), kFieldLength)));
  state.NRONDASEL = round;
  if (!state.dialogs->MsgYesNo("Confirme la importaci\xF3n de la Ronda " + std::to_string(round))) return;
  if (OpenRoundTable(state, round, "Importar la ronda " + std::to_string(round)) == nullptr) return;
  std::vector<UnknownPlayer> unknown;
  const storage::Status status =
      FIGIMPP1(state, storage::LTrim(Piece(text, at + 8, std::string::npos)), unknown);
  CloseRoundTable(state);
  if (!status.ok()) {
    state.dialogs->MsgStop("No se ha podido importar la ronda " + std::to_string(round) + "\r\n" +
                           status.message());
  }
  if (!unknown.empty()) {
    state.dialogs->MsgExclamation(UnknownPlayersMessage(unknown), "Hay errores en la ronda importada");
  }
}

}  // namespace movarel::rounds
