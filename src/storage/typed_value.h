#pragma once
// A value a user typed for a field, read by the field's own type, width and decimals before
// anything is stored. Every editor (grid cells, form boxes) reads typed text through here:
// the conversions of the value rules never refuse anything, so without this check VAL reads
// "1.850" as 1.85 and "abc" as 0, STR stores 1000 in three digits as "***", and CTOD turns
// "31-02-2024" or "1990-06-15" into the empty date, erasing what was stored.

#include <string>
#include <string_view>

#include "storage/field.h"
#include "storage/status.h"
#include "storage/value.h"

namespace movarel::storage {

// The value `text` stands for in `field`, surrounding blanks ignored:
//   N  digits only, with at most `decimals` digits after a "." or "," when the field has
//      decimals, and no larger than the field can hold; blank is 0. No field a user types
//      into holds a negative number (numbers, ratings, counts, amounts).
//   D  "dd-mm-yyyy", or "dd-mm-yy" placed in 1950..2049 (separators "-", "/" or "."), a day
//      that exists; blank is the empty date.
//   L  a word beginning with S, Y or T (true) or with N or F (false); blank is false.
//   C  at most `length` bytes and no control characters; kept as typed.
// Text that the field cannot hold is InvalidArgument; the message, in Spanish, quotes the
// text and says what the field takes, and leaves naming the field and record to the caller.
Result<Value> ReadTypedValue(const FieldDef& field, std::string_view text);

// The largest number a numeric field holds: 999 for three digits, 999.9 for width 5 with one
// decimal.
double LargestValue(const FieldDef& field);

}  // namespace movarel::storage
