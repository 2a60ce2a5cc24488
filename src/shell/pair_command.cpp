#include "shell/pair_command.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "pairing/dutch_pairing.h"
#include "pairing/trf_round_input.h"
#include "trf/reader.h"
#include "ui/cp1252.h"
#include "storage/os_file.h"

namespace movarel::shell {
namespace {

std::string engine_answer(const pairing::RoundPairing& pairing) {
  std::ostringstream text;
  text << pairing.boards.size() + (pairing.bye != 0 ? 1 : 0) << "\n";
  for (const pairing::Board& b : pairing.boards) text << b.white << " " << b.black << "\n";
  if (pairing.bye != 0) text << pairing.bye << " 0\n";
  return text.str();
}

}  // namespace

int RunPairCommand(const std::string& trf_path, const std::optional<std::string>& output_path,
                   std::ostream& out, std::ostream& err) {
  const std::string prefix = "movarel: " + trf_path + ": ";
  std::ifstream file(storage::os::FileSystemPath(trf_path), std::ios::binary);
  if (!file) {
    err << prefix << "no se puede abrir el fichero\n";
    return 3;
  }
  std::stringstream bytes;
  bytes << file.rdbuf();
  const trf::ReadResult read = trf::Read(bytes.str());
  if (!read.ok()) {
    err << prefix << ui::Cp1252ToUtf8(read.error->message) << "\n";
    return 3;
  }
  const pairing::TrfRoundInput round = pairing::round_input_from_trf(read.tournament);
  std::string problem = round.error;
  if (problem.empty()) problem = pairing::check_round_input(round.input);
  if (!problem.empty()) {
    err << prefix << ui::Cp1252ToUtf8(problem) << "\n";
    return 3;
  }
  const std::optional<pairing::RoundPairing> pairing = pairing::pair_round(round.input);
  if (!pairing) {
    err << prefix << ui::Cp1252ToUtf8(pairing::no_pairing_sentence(round.input.round)) << "\n";
    return 1;
  }
  const std::string answer = engine_answer(*pairing);
  if (!output_path) {
    out << answer;
    return 0;
  }
  // Written beside the target and renamed over it, so a failure never leaves half an answer.
  const std::filesystem::path target = storage::os::FileSystemPath(*output_path);
  std::filesystem::path temporary = target;
  temporary += ".tmp";
  {
    std::ofstream o(temporary, std::ios::binary | std::ios::trunc);
    o << answer;
    o.close();
    if (!o) {
      err << "movarel: " << *output_path << ": no se puede escribir la respuesta\n";
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return 2;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temporary, target, ec);
  if (ec) {
    err << "movarel: " << *output_path << ": no se puede escribir la respuesta\n";
    std::filesystem::remove(temporary, ec);
    return 2;
  }
  return 0;
}

}  // namespace movarel::shell
