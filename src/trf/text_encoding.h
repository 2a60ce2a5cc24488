#pragma once
// The file's character set against the program's. A TRF is written in UTF-8; older files
// and files from some programs are Windows-1252 (or Latin-1, its subset for letters).

#include <string>
#include <string_view>

namespace movarel::trf {

// Well-formed UTF-8 (shortest forms, no surrogates, at most U+10FFFF). Pure ASCII is UTF-8.
bool IsUtf8(std::string_view bytes);

// Well-formed UTF-8 to Windows-1252: one byte per character, so that TRF columns, which
// count characters, become byte positions. A character Windows-1252 cannot hold becomes '?'.
std::string Utf8ToWindows1252(std::string_view utf8);

std::string Windows1252ToUtf8(std::string_view bytes);

}  // namespace movarel::trf
