#include "ui/transcript.h"

#include <string>

#include "ui/cp1252.h"

namespace movarel::ui {

void Transcript::Write(std::initializer_list<std::string_view> fields) {
  std::string line;
  bool first = true;
  for (std::string_view field : fields) {
    if (!first) line += '|';
    first = false;
    std::string utf8 = Cp1252ToUtf8(field);
    for (size_t i = 0; i < utf8.size(); ++i) {
      char c = utf8[i];
      if (c == '\r') {
        line += "\\n";
        if (i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
      } else if (c == '\n') {
        line += "\\n";
      } else {
        line += c;
      }
    }
  }
  *out_ << line << '\n';
  out_->flush();
}

}  // namespace movarel::ui
