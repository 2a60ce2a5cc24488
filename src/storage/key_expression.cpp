#include "storage/key_expression.h"

#include <algorithm>
#include <cassert>
#include <cctype>
#include <cstring>
#include <utility>

#include "storage/letter_case.h"

namespace movarel::storage {

// Clipper refuses index keys longer than this; an .ntx page must still hold a few items.
constexpr int kMaxKeySize = 250;
// Width STR gives a computed number when no width is asked for (Clipper's default of 10).
constexpr int kComputedWidth = 10;

struct KeyExpression::Node {
  enum class Kind {
    kField, kText, kNumber, kConcat, kAdd, kSub, kNegate, kStr, kStrZero, kDescend, kUpper, kDtos
  };
  Kind kind = Kind::kText;
  char type = 'C';    // result type
  int size = 0;       // text length, or the width a number has as a key / in STR
  int decimals = 0;   // numbers only
  // kField
  int offset = 0;
  int length = 0;
  char field_type = 'C';
  // literals
  std::string text;
  double number = 0;
  // operands; kStr/kStrZero keep the width and decimals asked for in size/decimals
  std::shared_ptr<const Node> left;
  std::shared_ptr<const Node> right;
};

namespace {

using Node = KeyExpression::Node;
using NodePtr = std::shared_ptr<const Node>;

// Reads a number the way an N field holds it (the VAL rule), without building a string.
double ReadNumber(const char* bytes, int length) { return Val(std::string_view(bytes, static_cast<size_t>(length))); }

double EvalNumber(const Node& node, const char* record);
Date EvalDate(const Node& node, const char* record);

// Writes node.size bytes of a text node at `out`.
void EmitText(const Node& node, const char* record, char* out) {
  switch (node.kind) {
    case Node::Kind::kField:
      std::memcpy(out, record + node.offset, static_cast<size_t>(node.size));
      return;
    case Node::Kind::kText:
      std::memcpy(out, node.text.data(), static_cast<size_t>(node.size));
      return;
    case Node::Kind::kConcat:
      EmitText(*node.left, record, out);
      EmitText(*node.right, record, out + node.left->size);
      return;
    case Node::Kind::kStr:
    case Node::Kind::kStrZero: {
      double value = EvalNumber(*node.left, record);
      std::string s = node.kind == Node::Kind::kStr ? Str(value, node.size, node.decimals)
                                                     : StrZero(value, node.size, node.decimals);
      std::memcpy(out, s.data(), static_cast<size_t>(node.size));
      return;
    }
    case Node::Kind::kDescend:
      EmitText(*node.left, record, out);
      for (int i = 0; i < node.size; ++i) {
        out[i] = static_cast<char>((256 - static_cast<unsigned char>(out[i])) & 0xFF);
      }
      return;
    case Node::Kind::kUpper:
      EmitText(*node.left, record, out);
      for (int i = 0; i < node.size; ++i) {
        out[i] = UpperAscii(out[i]);
      }
      return;
    case Node::Kind::kDtos: {
      std::string s = Dtos(EvalDate(*node.left, record));
      std::memcpy(out, s.data(), 8);
      return;
    }
    default:
      assert(false && "not a text node");
  }
}

double EvalNumber(const Node& node, const char* record) {
  switch (node.kind) {
    case Node::Kind::kField:
      return ReadNumber(record + node.offset, node.length);
    case Node::Kind::kNumber:
      return node.number;
    case Node::Kind::kAdd:
      return EvalNumber(*node.left, record) + EvalNumber(*node.right, record);
    case Node::Kind::kSub:
      return EvalNumber(*node.left, record) - EvalNumber(*node.right, record);
    case Node::Kind::kNegate:
      return -EvalNumber(*node.left, record);
    default:
      assert(false && "not a numeric node");
      return 0;
  }
}

Date EvalDate(const Node& node, const char* record) {
  assert(node.kind == Node::Kind::kField);
  return Stod(std::string_view(record + node.offset, 8));
}

bool EvalLogical(const Node& node, const char* record) {
  assert(node.kind == Node::Kind::kField);
  char c = record[node.offset];
  return c == 'T' || c == 't' || c == 'Y' || c == 'y';
}

const char* TypeName(char type) {
  switch (type) {
    case 'C': return "texto";
    case 'N': return "num\xE9rico";
    case 'D': return "fecha";
    default: return "l\xF3gico";
  }
}

class Parser {
 public:
  Parser(std::string_view text, std::string_view alias, const RecordLayout& layout)
      : text_(text), alias_(alias), layout_(layout) {}

  Result<NodePtr> Parse() {
    NodePtr node = ParseSum();
    Skip();
    if (node && pos_ < text_.size()) {
      Fail("texto inesperado '" + std::string(text_.substr(pos_)) + "'");
    }
    if (!error_.empty()) {
      return Status::InvalidArgument("expresi\xF3n de clave \"" + std::string(text_) + "\": " + error_);
    }
    return node;
  }

 private:
  NodePtr Fail(std::string message) {
    if (error_.empty()) error_ = std::move(message);
    return nullptr;
  }

  static constexpr int kMaxNesting = 64;
  int depth_ = 0;

  void Skip() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  }

  bool Accept(std::string_view token) {
    Skip();
    if (text_.substr(pos_, token.size()) == token) {
      pos_ += token.size();
      return true;
    }
    return false;
  }

  bool Expect(std::string_view token) {
    if (Accept(token)) return true;
    Fail("falta '" + std::string(token) + "'");
    return false;
  }

  std::string_view Identifier() {
    Skip();
    size_t start = pos_;
    if (pos_ < text_.size() && (std::isalpha(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_')) {
      ++pos_;
      while (pos_ < text_.size() &&
             (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_')) {
        ++pos_;
      }
    }
    return text_.substr(start, pos_ - start);
  }

  static NodePtr Make(Node node) { return std::make_shared<const Node>(std::move(node)); }

  NodePtr CheckSize(NodePtr node) {
    if (node && (node->size <= 0 || node->size > kMaxKeySize)) {
      return Fail("longitud " + std::to_string(node->size) + " fuera de 1.." + std::to_string(kMaxKeySize));
    }
    return node;
  }

  NodePtr ParseSum() {
    NodePtr left = ParseUnary();
    while (left) {
      bool plus = Accept("+");
      if (!plus && !Accept("-")) break;
      NodePtr right = ParseUnary();
      if (!right) return nullptr;
      Node node;
      node.left = left;
      node.right = right;
      if (plus && left->type == 'C' && right->type == 'C') {
        node.kind = Node::Kind::kConcat;
        node.type = 'C';
        node.size = left->size + right->size;
      } else if (left->type == 'N' && right->type == 'N') {
        node.kind = plus ? Node::Kind::kAdd : Node::Kind::kSub;
        node.type = 'N';
        node.decimals = std::max(left->decimals, right->decimals);
        node.size = kComputedWidth + (node.decimals > 0 ? node.decimals + 1 : 0);
      } else {
        return Fail(std::string("no se puede ") + (plus ? "sumar " : "restar ") + TypeName(left->type) +
                    " y " + TypeName(right->type));
      }
      left = CheckSize(Make(std::move(node)));
    }
    return left;
  }

  NodePtr ParseUnary() {
    // Every nesting (signs, parentheses, function arguments) passes through here; a bound keeps
    // a hostile key text in a foreign index from exhausting the stack.
    struct Depth {
      int& depth;
      explicit Depth(int& d) : depth(++d) {}
      ~Depth() { --depth; }
    } guard(depth_);
    if (depth_ > kMaxNesting) return Fail("expresi\xF3n anidada en exceso");
    if (Accept("-")) {
      NodePtr operand = ParseUnary();
      if (!operand) return nullptr;
      if (operand->type != 'N') return Fail("signo menos delante de un valor no num\xE9rico");
      Node node;
      node.kind = Node::Kind::kNegate;
      node.type = 'N';
      node.decimals = operand->decimals;
      node.size = kComputedWidth + (node.decimals > 0 ? node.decimals + 1 : 0);
      node.left = operand;
      return Make(std::move(node));
    }
    Accept("+");
    return ParsePrimary();
  }

  NodePtr ParsePrimary() {
    Skip();
    if (pos_ >= text_.size()) return Fail("falta un operando al final");
    char c = text_[pos_];
    if (c == '(') {
      ++pos_;
      NodePtr inner = ParseSum();
      if (!inner || !Expect(")")) return nullptr;
      return inner;
    }
    if (c == '"' || c == '\'') return ParseQuoted(c);
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') return ParseNumber();
    std::string_view name = Identifier();
    if (name.empty()) return Fail(std::string("car\xE1" "cter inesperado '") + c + "'");
    if (Accept("->")) {
      std::string_view field = Identifier();
      if (field.empty()) return Fail("falta el nombre de campo tras '->'");
      // FIELD-> is xBase's own name for "the current table".
      if (!EqualsIgnoringAsciiCase(name, alias_) && !EqualsIgnoringAsciiCase(name, "FIELD") &&
          !EqualsIgnoringAsciiCase(name, "_FIELD")) {
        return Fail("el alias '" + std::string(name) + "' no es el de la tabla (" + std::string(alias_) + ")");
      }
      return FieldNode(field);
    }
    if (Accept("(")) return ParseCall(name);
    return FieldNode(name);
  }

  NodePtr ParseQuoted(char quote) {
    size_t end = text_.find(quote, pos_ + 1);
    if (end == std::string_view::npos) return Fail("comillas sin cerrar");
    Node node;
    node.kind = Node::Kind::kText;
    node.type = 'C';
    node.text = std::string(text_.substr(pos_ + 1, end - pos_ - 1));
    node.size = static_cast<int>(node.text.size());
    pos_ = end + 1;
    return CheckSize(Make(std::move(node)));
  }

  NodePtr ParseNumber() {
    size_t start = pos_;
    while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    int decimals = 0;
    if (pos_ < text_.size() && text_[pos_] == '.') {
      ++pos_;
      while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
        ++pos_;
        ++decimals;
      }
    }
    std::string_view literal = text_.substr(start, pos_ - start);
    if (literal == ".") return Fail("n\xFAmero mal escrito");
    Node node;
    node.kind = Node::Kind::kNumber;
    node.type = 'N';
    node.number = Val(literal);
    node.decimals = decimals;
    int digits = static_cast<int>(literal.size());
    node.size = std::max(kComputedWidth + (decimals > 0 ? decimals + 1 : 0), digits);
    return Make(std::move(node));
  }

  NodePtr FieldNode(std::string_view name) {
    int index = layout_.Find(name);
    if (index < 0) return Fail("campo desconocido '" + std::string(name) + "'");
    const FieldDef& def = layout_.fields()[static_cast<size_t>(index)];
    Node node;
    node.kind = Node::Kind::kField;
    node.type = def.type;
    node.field_type = def.type;
    node.offset = layout_.offset(index);
    node.length = def.length;
    node.size = def.type == 'D' ? 8 : def.type == 'L' ? 1 : def.length;
    node.decimals = def.type == 'N' ? def.decimals : 0;
    return CheckSize(Make(std::move(node)));
  }

  // A numeric literal argument (widths and decimals must be fixed for the key to have a size).
  bool ConstantArgument(const char* function, int* out) {
    NodePtr arg = ParseSum();
    if (!arg) return false;
    if (arg->kind != Node::Kind::kNumber || arg->decimals != 0) {
      Fail(std::string(function) + "() necesita un n\xFAmero entero constante como longitud y decimales");
      return false;
    }
    *out = static_cast<int>(arg->number);
    return true;
  }

  NodePtr ParseCall(std::string_view name) {
    const std::string function = LowerAscii(name);
    NodePtr arg = ParseSum();
    if (!arg) return nullptr;
    Node node;
    node.left = arg;
    if (function == "str" || function == "strzero") {
      if (arg->type != 'N') return Fail(function + "() necesita un valor num\xE9rico");
      node.kind = function == "str" ? Node::Kind::kStr : Node::Kind::kStrZero;
      node.type = 'C';
      node.size = arg->size;
      node.decimals = arg->decimals;
      bool has_width = Accept(",");
      if (has_width) {
        if (!ConstantArgument(function.c_str(), &node.size)) return nullptr;
        node.decimals = 0;
        if (Accept(",") && !ConstantArgument(function.c_str(), &node.decimals)) return nullptr;
      } else if (function == "strzero") {
        return Fail("strzero() necesita una longitud");
      }
      if (node.decimals < 0 || (node.decimals > 0 && node.decimals + 2 > node.size)) {
        return Fail(function + "() con " + std::to_string(node.decimals) + " decimales en longitud " +
                    std::to_string(node.size));
      }
    } else if (function == "descend" || function == "upper") {
      if (arg->type != 'C') return Fail(function + "() necesita un texto");
      node.kind = function == "descend" ? Node::Kind::kDescend : Node::Kind::kUpper;
      node.type = 'C';
      node.size = arg->size;
    } else if (function == "dtos") {
      if (arg->type != 'D') return Fail("dtos() necesita una fecha");
      node.kind = Node::Kind::kDtos;
      node.type = 'C';
      node.size = 8;
    } else {
      return Fail("funci\xF3n desconocida '" + std::string(name) + "'");
    }
    if (!Expect(")")) return nullptr;
    return CheckSize(Make(std::move(node)));
  }

  std::string_view text_;
  std::string_view alias_;
  const RecordLayout& layout_;
  size_t pos_ = 0;
  std::string error_;
};

}  // namespace

Result<KeyExpression> KeyExpression::Compile(std::string_view text, std::string_view alias,
                                             const RecordLayout& layout) {
  Parser parser(text, alias, layout);
  Result<NodePtr> root = parser.Parse();
  if (!root.ok()) return root.status();
  if (!*root) {
    return Status::InvalidArgument("expresi\xF3n de clave \"" + std::string(text) + "\" vac\xED" "a");
  }
  KeyExpression expression;
  expression.text_ = std::string(text);
  expression.root_ = *root;
  expression.type_ = (*root)->type;
  expression.size_ = (*root)->size;
  expression.decimals_ = expression.type_ == 'N' ? (*root)->decimals : 0;
  return expression;
}

Value KeyExpression::EvaluateValue(const char* record) const {
  assert(root_);
  switch (type_) {
    case 'C': {
      std::string out(static_cast<size_t>(size_), ' ');
      EmitText(*root_, record, out.data());
      return out;
    }
    case 'N':
      return EvalNumber(*root_, record);
    case 'D':
      return EvalDate(*root_, record);
    default:
      return EvalLogical(*root_, record);
  }
}

void KeyExpression::EvaluateInto(const char* record, char* out) const {
  assert(root_);
  switch (type_) {
    case 'C':
      EmitText(*root_, record, out);
      return;
    case 'N': {
      std::string key = EncodeNumericKey(EvalNumber(*root_, record), size_, decimals_);
      std::memcpy(out, key.data(), static_cast<size_t>(size_));
      return;
    }
    case 'D': {
      std::string key = Dtos(EvalDate(*root_, record));
      std::memcpy(out, key.data(), 8);
      return;
    }
    default:
      out[0] = EvalLogical(*root_, record) ? 'T' : 'F';
      return;
  }
}

std::string KeyExpression::Evaluate(const char* record) const {
  std::string key(static_cast<size_t>(size_), ' ');
  EvaluateInto(record, key.data());
  return key;
}

std::string KeyExpression::EncodeSearch(const Value& value) const {
  // A value of another type is encoded by its own type, as Clipper's seek does: it then
  // simply finds nothing equal.
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  if (const auto* number = std::get_if<double>(&value)) return EncodeNumericKey(*number, size_, decimals_);
  if (const auto* date = std::get_if<Date>(&value)) return Dtos(*date);
  return std::get<bool>(value) ? "T" : "F";
}

std::string EncodeNumericKey(double value, int width, int decimals) {
  std::string s = Str(value, width, decimals);
  bool negative = s.find('-') != std::string::npos;
  for (char& c : s) {
    if (c == ' ' || c == '-') {
      c = '0';
    } else if (negative && c >= '0' && c <= '9') {
      // Negative numbers: 44 - d puts every digit below '0', larger magnitudes lower still.
      c = static_cast<char>(44 - (c - '0'));
    }
  }
  return s;
}

}  // namespace movarel::storage
