#pragma once
// The bytes a numeric field of the player table holds for a value, computed without the
// general number formatting where the value allows it: the standings compare the bytes of
// some twenty thousand fields on every computation to write only those that changed.

#include <string>

#include "storage/field.h"

namespace movarel::standings {

// Exactly what the table layer writes for `value` into `field` (an N field): STR with the
// field's width and decimals, asterisks when it does not fit. `out` receives field.length
// bytes.
void NumericFieldBytes(const storage::FieldDef& field, double value, char* out);
std::string NumericFieldBytes(const storage::FieldDef& field, double value);

}  // namespace movarel::standings
