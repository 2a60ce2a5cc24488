#pragma once
// Text inside the program is Windows-1252 bytes, as the tables and the DOS program have it.
// These two conversions are the only bridge to UTF-8: source literals written in UTF-8, and
// the GUI, script and transcript boundary. Storage-independent on purpose.

#include <string>
#include <string_view>

namespace movarel::registry {

// UTF-8 text to Windows-1252 bytes ("Operación" -> "Operaci\xF3n"). A character that the
// code page cannot hold, and any malformed UTF-8 sequence, becomes "?".
std::string Cp1252(std::string_view utf8);

// Windows-1252 bytes to UTF-8. The five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the control characters of the same value, as Windows maps them,
// so every byte string survives the round trip.
std::string Utf8FromCp1252(std::string_view bytes);

}  // namespace movarel::registry
