#include "storage/typed_value.h"

#include <cmath>

namespace movarel::storage {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string LargestText(const FieldDef& field) {
  if (field.decimals <= 0) return std::string(field.length, '9');
  return std::string(std::max(field.length - field.decimals - 1, 1), '9') + "." + std::string(field.decimals, '9');
}

Result<Value> ReadNumber(const FieldDef& field, std::string_view text) {
  if (text.empty()) return Value(0.0);
  size_t point = std::string_view::npos;
  bool well_formed = IsDigit(text.front()) && IsDigit(text.back());
  for (size_t i = 0; i < text.size() && well_formed; ++i) {
    if (IsDigit(text[i])) continue;
    if ((text[i] == '.' || text[i] == ',') && field.decimals > 0 && point == std::string_view::npos) {
      point = i;
      continue;
    }
    well_formed = false;
  }
  if (!well_formed) {
    if (field.decimals <= 0) {
      return Status::InvalidArgument(Quoted(text) + " no es un n\xFAmero entero: escriba solo cifras, sin puntos ni comas");
    }
    return Status::InvalidArgument(Quoted(text) + " no es un n\xFAmero: escriba cifras y, si hace falta, una coma y " +
                                   "los decimales");
  }
  std::string digits(text);
  if (point != std::string_view::npos) {
    if (static_cast<int>(text.size() - point - 1) > field.decimals) {
      return Status::InvalidArgument(Quoted(text) + " tiene m\xE1s decimales de los que admite el campo (" +
                                     std::to_string(field.decimals) + ")");
    }
    digits[point] = '.';
  }
  const double value = Val(digits);
  // The field's own conversion decides what fits: asterisks are what STR would store.
  if (Str(value, field.length, field.decimals).find('*') != std::string::npos) {
    return Status::InvalidArgument(Quoted(text) + " no cabe en el campo: el m\xE1ximo es " + LargestText(field));
  }
  return Value(value);
}

// Two digits, a separator, two digits, a separator, four or two digits.
Result<Value> ReadDate(std::string_view text) {
  if (text.empty()) return Value(Date());
  auto separator = [](char c) { return c == '-' || c == '/' || c == '.'; };
  bool form = text.size() == 10 || text.size() == 8;
  for (size_t i = 0; i < text.size() && form; ++i) {
    form = (i == 2 || i == 5) ? separator(text[i]) : IsDigit(text[i]);
  }
  if (!form) return Status::InvalidArgument(Quoted(text) + " no es una fecha de la forma dd-mm-aaaa");
  const Date date = Ctod(text);
  if (date.empty()) return Status::InvalidArgument(Quoted(text) + " no es una fecha que exista");
  return Value(date);
}

Result<Value> ReadLogical(std::string_view text) {
  if (text.empty()) return Value(false);
  switch (text.front()) {
    case 'S': case 's': case 'Y': case 'y': case 'T': case 't': return Value(true);
    case 'N': case 'n': case 'F': case 'f': return Value(false);
    default: return Status::InvalidArgument(Quoted(text) + " no es un valor de s\xED o no: escriba S o N");
  }
}

Result<Value> ReadText(const FieldDef& field, std::string_view typed) {
  for (char c : typed) {
    if (static_cast<unsigned char>(c) < 0x20) {
      return Status::InvalidArgument("el texto contiene caracteres de control (saltos de l\xEDnea, tabuladores)");
    }
  }
  if (static_cast<int>(RTrim(typed).size()) > field.length) {
    return Status::InvalidArgument(Quoted(typed) + " tiene " + std::to_string(RTrim(typed).size()) +
                                   " caracteres y el campo admite " + std::to_string(field.length));
  }
  return Value(std::string(RTrim(typed)));
}

}  // namespace

double LargestValue(const FieldDef& field) {
  const int whole = field.decimals > 0 ? std::max(field.length - field.decimals - 1, 1) : field.length;
  return std::pow(10.0, whole) - std::pow(10.0, -field.decimals);
}

Result<Value> ReadTypedValue(const FieldDef& field, std::string_view text) {
  switch (field.type) {
    case 'N': return ReadNumber(field, AllTrim(text));
    case 'D': return ReadDate(AllTrim(text));
    case 'L': return ReadLogical(AllTrim(text));
    default: return ReadText(field, text);
  }
}

}  // namespace movarel::storage
