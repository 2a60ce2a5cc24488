#include "storage/field.h"

#include <cmath>
#include <cstring>
#include <set>

#include "storage/letter_case.h"

namespace movarel::storage {
namespace {

int Digit(char c) { return (c >= '0' && c <= '9') ? c - '0' : -1; }

// Reads `count` decimal digits; -1 when any byte is not a digit.
int ReadDigits(const char* bytes, int count) {
  int value = 0;
  for (int i = 0; i < count; ++i) {
    int d = Digit(bytes[i]);
    if (d < 0) return -1;
    value = value * 10 + d;
  }
  return value;
}

std::string FieldLabel(const FieldDef& field) { return "campo " + field.name; }

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Numeric fields are read for every record a report or the standings touch, so the plain
// forms ("  15", " -2.5", blanks) are read here directly; digits over a power of ten are
// both exact doubles, and their quotient is the correctly rounded value, as VAL gives.
// Anything else (garbage, exponents, many digits) goes to VAL itself.
bool ReadPlainNumber(const char* bytes, int length, double* value) {
  int i = 0;
  while (i < length && bytes[i] == ' ') ++i;
  if (i == length) {
    *value = 0;
    return true;
  }
  bool negative = false;
  if (bytes[i] == '-') {
    negative = true;
    ++i;
  }
  uint64_t mantissa = 0;
  int digits = 0, fraction = -1;
  for (; i < length; ++i) {
    char c = bytes[i];
    if (c >= '0' && c <= '9') {
      mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
      ++digits;
      if (fraction >= 0) ++fraction;
    } else if (c == '.' && fraction < 0) {
      fraction = 0;
    } else {
      return false;
    }
  }
  if (digits == 0 || digits > 15) return false;
  double number = static_cast<double>(mantissa);
  if (fraction > 0) number /= kPowersOfTen[fraction];
  *value = negative ? -number : number;
  return true;
}

// Writes a number that is, at the field's decimals, an exact integer of units (1500, 2.5 at
// one decimal) without going through STR; other values (halves to round, overflow) take STR.
bool WritePlainNumber(double value, int width, int decimals, char* bytes) {
  if (decimals < 0 || decimals > 15) return false;
  double scaled = value * kPowersOfTen[decimals];
  if (!(std::fabs(scaled) < 1e15)) return false;
  double units = std::nearbyint(scaled);
  if (std::fabs(scaled - units) > 1e-6) return false;
  WriteUnits(static_cast<uint64_t>(std::fabs(units)), units < 0, width, decimals, bytes);
  return true;
}

}  // namespace

void WriteUnits(uint64_t units, bool negative, int width, int decimals, char* bytes) {
  char text[24];  // last character first
  int n = 0;
  do {
    if (decimals > 0 && n == decimals) text[n++] = '.';
    text[n++] = static_cast<char>('0' + units % 10);
    units /= 10;
  } while (units > 0 || n <= decimals);
  if (negative) text[n++] = '-';
  if (n > width) {
    std::memset(bytes, '*', static_cast<size_t>(width));
    return;
  }
  std::memset(bytes, ' ', static_cast<size_t>(width - n));
  for (int i = 0; i < n; ++i) bytes[width - 1 - i] = text[i];
}

RecordLayout::RecordLayout(std::vector<FieldDef> fields) : fields_(std::move(fields)) {
  offsets_.reserve(fields_.size());
  int offset = 1;
  for (const FieldDef& field : fields_) {
    offsets_.push_back(offset);
    offset += field.length;
  }
  record_length_ = offset;

  size_t slots = 4;
  while (slots < fields_.size() * 2) slots *= 2;
  slots_.assign(slots, 0);
  names_.resize(fields_.size());
  for (size_t i = 0; i < fields_.size(); ++i) {
    if (!Pack(fields_[i].name, &names_[i])) continue;  // unreachable by Find; Validate refuses it
    size_t slot = Hash(names_[i]) & (slots - 1);
    while (slots_[slot] != 0) {
      if (names_[slots_[slot] - 1] == names_[i]) break;  // a repeated name: the first one wins
      slot = (slot + 1) & (slots - 1);
    }
    if (slots_[slot] == 0) slots_[slot] = static_cast<int>(i) + 1;
  }
}

bool RecordLayout::Pack(std::string_view name, PackedName* packed) {
  if (name.empty() || name.size() > 10) return false;
  unsigned char bytes[16] = {};
  std::memcpy(bytes, name.data(), name.size());
  for (size_t i = 0; i < name.size(); ++i) {
    bytes[i] = static_cast<unsigned char>(UpperAscii(static_cast<char>(bytes[i])));
  }
  std::memcpy(&packed->low, bytes, 8);
  std::memcpy(&packed->high, bytes + 8, 2);
  return true;
}

size_t RecordLayout::Hash(const PackedName& name) {
  uint64_t h = (name.low ^ (static_cast<uint64_t>(name.high) << 48)) * 0x9E3779B97F4A7C15ull;
  return static_cast<size_t>(h >> 32);
}

int RecordLayout::Find(std::string_view name) const {
  PackedName packed;
  if (slots_.empty() || !Pack(name, &packed)) return -1;
  size_t mask = slots_.size() - 1;
  for (size_t slot = Hash(packed) & mask;; slot = (slot + 1) & mask) {
    int entry = slots_[slot];
    if (entry == 0) return -1;
    if (names_[entry - 1] == packed) return entry - 1;
  }
}

double DecodeNumber(const FieldDef& field, const char* bytes) {
  double number;
  if (ReadPlainNumber(bytes, field.length, &number)) return number;
  return Val(std::string_view(bytes, field.length));
}

Value DecodeField(const FieldDef& field, const char* bytes) {
  switch (field.type) {
    case 'N':
      return DecodeNumber(field, bytes);
    case 'D': {
      if (field.length < 8) return Date{};
      Date date{ReadDigits(bytes, 4), ReadDigits(bytes + 4, 2), ReadDigits(bytes + 6, 2)};
      if (date.year < 0 || date.month < 0 || date.day < 0 || !IsValidDate(date)) return Date{};
      return date;
    }
    case 'L': {
      char c = bytes[0];
      return c == 'T' || c == 't' || c == 'Y' || c == 'y';
    }
    default:
      return std::string(bytes, field.length);
  }
}

Status EncodeField(const FieldDef& field, const Value& value, char* bytes) {
  switch (field.type) {
    case 'C': {
      const std::string* text = std::get_if<std::string>(&value);
      if (text == nullptr) return Status::InvalidArgument(FieldLabel(field) + ": se esperaba un texto");
      size_t n = std::min(text->size(), static_cast<size_t>(field.length));
      std::memcpy(bytes, text->data(), n);
      std::memset(bytes + n, ' ', field.length - n);
      return Status::Ok();
    }
    case 'N': {
      const double* number = std::get_if<double>(&value);
      if (number == nullptr) return Status::InvalidArgument(FieldLabel(field) + ": se esperaba un n\xFAmero");
      if (WritePlainNumber(*number, field.length, field.decimals, bytes)) return Status::Ok();
      std::string text = Str(*number, field.length, field.decimals);
      if (static_cast<int>(text.size()) != field.length) text = std::string(field.length, '*');
      std::memcpy(bytes, text.data(), field.length);
      return Status::Ok();
    }
    case 'D': {
      const Date* date = std::get_if<Date>(&value);
      if (date == nullptr) return Status::InvalidArgument(FieldLabel(field) + ": se esperaba una fecha");
      if (date->empty()) {
        std::memset(bytes, ' ', 8);
        return Status::Ok();
      }
      if (!IsValidDate(*date)) return Status::InvalidArgument(FieldLabel(field) + ": fecha no v\xE1lida");
      char text[9];
      int year = date->year, month = date->month, day = date->day;
      for (int i = 3; i >= 0; --i, year /= 10) text[i] = static_cast<char>('0' + year % 10);
      text[4] = static_cast<char>('0' + month / 10);
      text[5] = static_cast<char>('0' + month % 10);
      text[6] = static_cast<char>('0' + day / 10);
      text[7] = static_cast<char>('0' + day % 10);
      std::memcpy(bytes, text, 8);
      return Status::Ok();
    }
    case 'L': {
      const bool* flag = std::get_if<bool>(&value);
      if (flag == nullptr) return Status::InvalidArgument(FieldLabel(field) + ": se esperaba un valor l\xF3gico");
      bytes[0] = *flag ? 'T' : 'F';
      return Status::Ok();
    }
    default:
      return Status::InvalidArgument(FieldLabel(field) + ": tipo desconocido");
  }
}

Status ValidateFields(const std::vector<FieldDef>& fields) {
  if (fields.empty()) return Status::Corrupt("la tabla no tiene campos");
  std::set<std::string> names;
  for (const FieldDef& field : fields) {
    const std::string upper = UpperAscii(field.name);
    if (upper.empty() || upper.size() > 10) {
      return Status::Corrupt("nombre de campo no v\xE1lido: \"" + field.name + "\"");
    }
    if (!names.insert(upper).second) return Status::Corrupt("campo repetido: " + field.name);
    bool sane = true;
    switch (field.type) {
      case 'C':
        // Clipper stores text fields longer than 255 with the high byte in the decimals byte.
        sane = field.length >= 1 && field.length <= 65535 && field.decimals == 0;
        break;
      case 'N':
        sane = field.length >= 1 && field.length <= 32 && field.decimals >= 0 &&
               field.decimals < field.length;
        break;
      case 'D':
        sane = field.length == 8;
        break;
      case 'L':
        sane = field.length == 1;
        break;
      default:
        return Status::Corrupt("campo " + field.name + ": tipo desconocido '" + std::string(1, field.type) + "'");
    }
    if (!sane) {
      return Status::Corrupt("campo " + field.name + ": longitud " + std::to_string(field.length) + "," +
                             std::to_string(field.decimals) + " no v\xE1lida para el tipo " +
                             std::string(1, field.type));
    }
  }
  return Status::Ok();
}

}  // namespace movarel::storage
