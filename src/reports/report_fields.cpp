#include "reports/report_fields.h"

#include "storage/value.h"

namespace movarel::reports {

int FieldWidth(const storage::Table& table, std::string_view field, int fallback) {
  const int index = table.layout().Find(field);
  return index < 0 ? fallback : table.fields()[static_cast<size_t>(index)].length;
}

std::string NumberOrBlank(const storage::Table& table, std::string_view field) {
  const int width = FieldWidth(table, field, 4);
  const double value = table.GetNumber(field);
  return value == 0 ? std::string(static_cast<size_t>(width), ' ') : storage::Str(value, width);
}

std::string RoundText(int round) { return std::to_string(round); }

char ResultSymbol(std::string_view points) {
  if (points.empty()) return ' ';
  switch (points.front()) {
    case '1':
      return '+';
    case '0':
      return '-';
    case '\xAB':
    case '\xBD':
      return '=';
    default:
      return ' ';
  }
}

std::string ResultCodeText(std::string_view rdo) {
  if (rdo == " 1/2 ") return " \xBD-\xBD ";
  std::string text(rdo);
  if (text.size() >= 4 && text[2] == '-' && ResultSymbol(text.substr(1, 1)) == '=' &&
      ResultSymbol(text.substr(3, 1)) == '=') {
    text[1] = text[3] = '\xBD';
  }
  return text;
}

std::string LockRefusedText(std::string_view used) {
  return "El Cuadro de jugadores est\xE1 siendo " + std::string(used) +
         " por otro programa\r\nNo se puede hacer el listado";
}

}  // namespace movarel::reports
