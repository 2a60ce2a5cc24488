#pragma once
// The maker's addresses, shown in the hyperlink of the main window and the about box.
// Windows-1252 bytes like every text of the program.

#include "register/program_identity.h"

namespace movarel::shell {

using movarel::kProgramTitle;
inline constexpr const char* kMakerWeb = kProgramWebAddress;
inline constexpr char kMakerEmail[] = "soporte@movarel.example";

}  // namespace movarel::shell
