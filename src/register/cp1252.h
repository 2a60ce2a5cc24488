#pragma once
// The code-page bridge under the names the register code uses: source literals written in
// UTF-8 become the Windows-1252 bytes the tables and pages hold. The conversion itself lives
// in ui (it also serves the script, transcript and GUI boundary).

#include <string>
#include <string_view>

#include "ui/cp1252.h"

namespace movarel::registry {

// "Operación" -> "Operaci\xF3n"; a character the code page cannot hold becomes "?".
inline std::string Cp1252(std::string_view utf8) { return ui::Utf8ToCp1252(utf8); }
inline std::string Utf8FromCp1252(std::string_view bytes) { return ui::Cp1252ToUtf8(bytes); }

}  // namespace movarel::registry
