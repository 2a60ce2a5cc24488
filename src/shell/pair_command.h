#pragma once
// movarel --pair FILE.trf [--output OUT]: pairs the tournament's next round by the FIDE (Dutch)
// system and writes the usual engine answer (number of lines, "white black" per board, the PAB
// as "N 0").

#include <optional>
#include <ostream>
#include <string>

namespace movarel::shell {

// Exit status: 0 paired, 1 no valid pairing exists, 3 the file cannot be read or contradicts
// itself (the message names the line or the player), 2 the answer could not be written.
int RunPairCommand(const std::string& trf_path, const std::optional<std::string>& output_path,
                   std::ostream& out, std::ostream& err);

}  // namespace movarel::shell
