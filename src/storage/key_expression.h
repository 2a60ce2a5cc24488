#pragma once
// Index keys are computed from the key expression text itself, so that the text stored in
// an .ntx header and the keys in it can never disagree. The subset understood is the one the
// program's indexes use: alias->field or a bare field name, +, -, str(), strzero(),
// descend(), upper(), dtos(), numeric and quoted text literals, parentheses.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "storage/field.h"
#include "storage/status.h"
#include "storage/value.h"

namespace movarel::storage {

class KeyExpression {
 public:
  // Compiles `text` for a table opened under `alias` with `fields`. A qualified name must
  // name this alias (compared without regard to case); unknown fields or functions, and
  // operands of the wrong type, are an InvalidArgument error quoting the text.
  static Result<KeyExpression> Compile(std::string_view text, std::string_view alias,
                                       const RecordLayout& layout);

  const std::string& text() const { return text_; }
  char type() const { return type_; }  // 'C', 'N', 'D' or 'L'
  int size() const { return size_; }   // key bytes
  int decimals() const { return decimals_; }

  // The value of the expression for a record (record bytes start with the deletion flag).
  Value EvaluateValue(const char* record) const;
  // The key bytes stored in the index: text blank padded to size(); dates "yyyymmdd";
  // logicals "T"/"F"; numbers as str(size, decimals) with leading blanks written as "0"
  // (negative numbers: "-" as "0" and each digit d as the byte 44 - d, so they sort first).
  std::string Evaluate(const char* record) const;
  // As Evaluate, writing exactly size() bytes at `out` without allocating (index builds).
  void EvaluateInto(const char* record, char* out) const;
  // Encodes a value the caller searches for, of the key's own type, the same way; text is
  // not padded, so that a shorter text finds the first key that begins with it.
  std::string EncodeSearch(const Value& value) const;

  struct Node;  // the compiled tree; defined in key_expression.cpp

 private:
  std::string text_;
  char type_ = 'C';
  int size_ = 0;
  int decimals_ = 0;
  std::shared_ptr<const Node> root_;
};

// Encodes a number the way .ntx keys hold numbers (see KeyExpression::Evaluate).
std::string EncodeNumericKey(double value, int width, int decimals);

}  // namespace movarel::storage
