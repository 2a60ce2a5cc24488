#pragma once
// Windows-1252 <-> UTF-8 at the boundary of the script, the transcript and the GUI. The
// program's own texts are Windows-1252 bytes. (The register library has a converter of its
// own; this one stays in ui because ui lies below register.)

#include <string>
#include <string_view>

namespace movarel::ui {

std::string Cp1252ToUtf8(std::string_view bytes);
// Characters with no Windows-1252 byte become "?"; malformed UTF-8 bytes are taken as
// Windows-1252 bytes as they stand.
std::string Utf8ToCp1252(std::string_view text);

}  // namespace movarel::ui
