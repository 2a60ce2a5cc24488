#pragma once
// Building the reader's messages: Spanish written here in UTF-8, handed out in Windows-1252
// like every other text of the program.

#include <string>
#include <string_view>

#include "trf/reader.h"

namespace movarel::trf {

// "Línea 12: " + detail. `detail_utf8` is source text; `value` (Windows-1252, from the file)
// is appended quoted when not empty.
Error LineError(int line, ErrorKind kind, std::string_view detail_utf8, std::string_view value = {});

}  // namespace movarel::trf
