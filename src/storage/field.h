#pragma once
// Field descriptors of a dBase III table and the byte encoding of each field type.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "storage/status.h"
#include "storage/value.h"

namespace movarel::storage {

struct FieldDef {
  std::string name;  // upper case, at most 10 bytes
  char type = 'C';   // 'C', 'N', 'D' or 'L'
  int length = 1;    // bytes in the record (D is always 8, L always 1)
  int decimals = 0;  // N only
};

// Where each field lies in a record; byte 0 of a record is the deletion flag.
class RecordLayout {
 public:
  RecordLayout() = default;
  explicit RecordLayout(std::vector<FieldDef> fields);

  const std::vector<FieldDef>& fields() const { return fields_; }
  int record_length() const { return record_length_; }  // deletion flag included
  int offset(int field_index) const { return offsets_[field_index]; }
  // Index of a field by name, compared without regard to case; -1 when absent.
  int Find(std::string_view name) const;

 private:
  // Names are looked up once per field access, so they go through a small open-addressing
  // table keyed by the upper-cased name packed into two integers.
  struct PackedName {
    uint64_t low = 0;
    uint16_t high = 0;
    bool operator==(const PackedName&) const = default;
  };
  static bool Pack(std::string_view name, PackedName* packed);
  static size_t Hash(const PackedName& name);

  std::vector<FieldDef> fields_;
  std::vector<int> offsets_;
  int record_length_ = 1;
  std::vector<PackedName> names_;
  std::vector<int> slots_;  // field index + 1, 0 = empty; size a power of two
};

// Reads a field's bytes: C as stored (blank padded), N by the VAL rule (garbage reads as 0),
// D from yyyymmdd (blanks or garbage give the empty date), L true for T/t/Y/y.
Value DecodeField(const FieldDef& field, const char* bytes);
// The number an N field holds, by the same rule, without building a Value.
double DecodeNumber(const FieldDef& field, const char* bytes);
// Writes a value into a field's bytes. Text is cut or blank padded; numbers use Str with the
// field's width and decimals (asterisks on overflow); a value of the wrong type is an error.
Status EncodeField(const FieldDef& field, const Value& value, char* bytes);

// The `width` bytes of a number field holding `units` at `decimals` (1234 at one decimal is
// "123.4"), right-aligned, "-" before a negative value, asterisks when it does not fit.
// `decimals` is at most 15.
void WriteUnits(uint64_t units, bool negative, int width, int decimals, char* bytes);
// Checks a descriptor list the way a reader must: known types, sane lengths, unique names.
Status ValidateFields(const std::vector<FieldDef>& fields);

}  // namespace movarel::storage
