#include "rounds/figaro_import.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "register/table_layouts.h"
#include "rounds/round_table_access.h"
#include "rounds/tournament_tables.h"
#include "storage/files.h"
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

// A number printed right-aligned in a field of blanks: digits with blanks around them only.
std::optional<int> ReadNumber(std::string_view field) {
  const std::string_view digits = storage::AllTrim(field);
  if (digits.empty() || digits.size() > 9) return std::nullopt;
  int value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// The board number of a line that starts (after blanks) with digits and ".-", and the
// position right after the marker; nothing for any other line.
std::optional<std::pair<int, size_t>> BoardMarker(std::string_view line) {
  size_t at = 0;
  while (at < line.size() && line[at] == ' ') ++at;
  const size_t digits = at;
  while (at < line.size() && line[at] >= '0' && line[at] <= '9') ++at;
  if (at == digits || line.substr(at, 2) != ".-") return std::nullopt;
  const std::optional<int> number = ReadNumber(line.substr(digits, at - digits));
  if (!number) return std::nullopt;
  return std::make_pair(*number, at + 2);
}

// Reads the board lines that follow the round's line into `list`.
class BoardReader {
 public:
  explicit BoardReader(FigaroList& list) : list_(list) {}

  void Line(std::string_view line, int line_number) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto marker = BoardMarker(line);
    if (!marker) return;
    const auto [board, after] = *marker;
    ++lines_;
    const std::string prefix = "L\xEDnea " + std::to_string(line_number) + ": ";
    if (board != next_) {
      Problem(prefix + "la mesa " + std::to_string(board) + " aparece donde se esperaba la mesa " +
              std::to_string(next_));
    }
    next_ = board + 1;
    const std::string_view entry = line.substr(after);
    if (entry.size() < kBlackAt + kFieldLength) {
      Problem(prefix + "la mesa " + std::to_string(board) +
              " est\xE1 incompleta: la l\xEDnea acaba antes del "
              "n\xFAmero de las negras");
      return;
    }
    const std::optional<int> white = Number(entry, kWhiteAt, prefix, board, "las blancas");
    const std::optional<int> black = Number(entry, kBlackAt, prefix, board, "las negras");
    if (white && *white == 0)
      Problem(prefix + "la mesa " + std::to_string(board) + " no tiene jugador de blancas");
    if (white && black) {
      list_.boards.push_back({*white, *black, std::string(Piece(entry, kResultAt, kFieldLength))});
    }
  }

  int lines() const { return lines_; }

 private:
  std::optional<int> Number(std::string_view entry, size_t at, const std::string& prefix, int board,
                            const char* side) {
    const std::string_view field = Piece(entry, at, kFieldLength);
    std::optional<int> number = ReadNumber(field);
    if (!number) {
      Problem(prefix + "no se puede leer el n\xFAmero de " + side + " de la mesa " + std::to_string(board) +
              " (\"" + std::string(field) + "\")");
    }
    return number;
  }
  void Problem(std::string text) { list_.problems.push_back(std::move(text)); }

  FigaroList& list_;
  int next_ = 1;
  int lines_ = 0;
};

int LineNumberAt(std::string_view text, size_t at) {
  return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
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

std::optional<FigaroList> ReadFigaroList(std::string_view text, int rounds) {
  const size_t at = text.find(kRoundWord);
  if (at == std::string_view::npos) return std::nullopt;
  FigaroList list;
  const int round_line = LineNumberAt(text, at);
  const std::string round_prefix = "L\xEDnea " + std::to_string(round_line) + ": ";
  const std::string_view round_text = Piece(text, at + kRoundWord.size(), kFieldLength);
  if (const std::optional<int> round = ReadNumber(round_text)) {
    list.round = *round;
    if (*round < 1 || *round > rounds || *round > registry::kMaxRounds) {
      list.problems.push_back(round_prefix + "el torneo no tiene la ronda " + std::to_string(*round));
    }
  } else {
    list.problems.push_back(round_prefix + "no se puede leer el n\xFAmero de la ronda (\"" +
                            std::string(round_text) + "\")");
  }
  BoardReader reader(list);
  int line_number = round_line;
  for (size_t end = text.find('\n', at); end != std::string_view::npos;) {
    const size_t start = end + 1;
    end = text.find('\n', start);
    reader.Line(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start),
                ++line_number);
  }
  if (reader.lines() == 0) list.problems.push_back(round_prefix + "la ronda no tiene ninguna mesa");
  return list;
}

std::string UnknownPlayersMessage(const std::vector<UnknownPlayer>& unknown) {
  std::string text;
  for (const UnknownPlayer& u : unknown) {
    if (!text.empty()) text += "\r\n";
    text += "El jugador n\xBA " + std::to_string(u.number) + " de la mesa " + std::to_string(u.board) +
            " no existe en el cuadro";
  }
  return text;
}

storage::Status FIGIMPP1(registry::WorkingState& state, const std::vector<FigaroBoard>& boards,
                         std::vector<UnknownPlayer>& unknown) {
  ui::ActiveOperation op("FIGIMPP1");
  storage::Table* ronda = state.workspace.Find("ronda");
  if (ronda == nullptr) return storage::Status::Ok();
  storage::Table* cuadro = state.workspace.Find("cuadro");
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
    if (board.white != 0 && (cuadro == nullptr || !IsPlayerRecord(*cuadro, board.white)))
      unknown.push_back({k, board.white});
    if (board.black != 0 && (cuadro == nullptr || !IsPlayerRecord(*cuadro, board.black)))
      unknown.push_back({k, board.black});
    ronda->Skip();
  }
  for (; !ronda->Eof(); ronda->Skip()) {
    storage::Status status = ronda->Put("JUG_B", 0.0);
    if (status.ok()) status = ronda->Put("JUG_N", 0.0);
    if (status.ok()) status = ronda->Put("RDO", std::string(5, ' '));
    if (!status.ok()) return status.WithContext("mesa " + std::to_string(ronda->RecNo()));
  }
  return ronda->Commit();
}

std::string FILEREAD(const std::string& path, registry::WorkingState& state) {
  if (path.empty()) return "";
  storage::Result<std::string> content = storage::ReadWholeFile(storage::ResolvePath(path));
  if (!content.ok()) {
    state.dialogs->MsgStop("Error en la apertura del fichero");
    return "";
  }
  return std::move(content).value();
}

void FIGIMPP(registry::WorkingState& state) {
  ui::ActiveOperation op("FIGIMPP");
  const std::string path = state.dialogs->GetFile({{"Listados de F\xEDgaro", "*.txt"}}, "Elegir fichero",
                                                  state.CCARPINI, /*change_folder=*/false);
  if (path.empty()) return;
  state.CFICHTRAB = path;
  const std::string text = FILEREAD(path, state);
  if (text.empty()) return;
  const std::optional<FigaroList> list = ReadFigaroList(text, RegisterRoundCount(state));
  if (!list) {
    state.dialogs->MsgStop("No se puede interpretar el fichero");
    return;
  }
  if (!list->problems.empty()) {
    std::string message = "No se puede importar el listado del F\xEDgaro:";
    for (const std::string& problem : list->problems) message += "\r\n" + problem;
    state.dialogs->MsgStop(message + "\r\nNo se ha cambiado nada", "Importar la ronda del F\xEDgaro");
    return;
  }
  const int round = list->round;
  state.NRONDASEL = round;
  if (!state.dialogs->MsgYesNo("Confirme la importaci\xF3n de la Ronda " + std::to_string(round))) return;
  if (OpenRoundTable(state, round, "Importar la ronda " + std::to_string(round)) == nullptr) return;
  std::vector<UnknownPlayer> unknown;
  const storage::Status status = FIGIMPP1(state, list->boards, unknown);
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
