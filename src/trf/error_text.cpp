#include "trf/error_text.h"

#include "trf/text_encoding.h"

namespace movarel::trf {

Error LineError(int line, ErrorKind kind, std::string_view detail_utf8, std::string_view value) {
  std::string message = Utf8ToWindows1252("Línea " + std::to_string(line) + ": ");
  message += Utf8ToWindows1252(detail_utf8);
  if (!value.empty()) message += " \"" + std::string(value) + "\"";
  return Error{line, kind, message};
}

}  // namespace movarel::trf
