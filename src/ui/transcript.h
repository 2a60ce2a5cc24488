#pragma once
// The transcript of a scripted run: one line per event, fields joined by "|", UTF-8, and
// line breaks inside a text (CR LF, or a lone CR or LF) written as the two characters \n.

#include <initializer_list>
#include <ostream>
#include <string_view>

namespace movarel::ui {

class Transcript {
 public:
  explicit Transcript(std::ostream& out) : out_(&out) {}
  // Fields are Windows-1252 bytes; written converted, each line flushed at once so that a
  // run that ends abruptly (a fatal error) keeps every line before it.
  void Write(std::initializer_list<std::string_view> fields);

 private:
  std::ostream* out_;
};

}  // namespace movarel::ui
