#include "trf/text_encoding.h"

#include <cstdint>

namespace movarel::trf {

namespace {

// Windows-1252 0x80..0x9F. The five bytes it leaves undefined map to the C1 controls of the
// same value, so every byte survives a round trip through UTF-8.
constexpr char16_t kHighBlock[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Length of the UTF-8 sequence at bytes[i] and its code point; 0 when malformed.
int DecodeAt(std::string_view bytes, size_t i, uint32_t& code_point) {
  auto lead = static_cast<unsigned char>(bytes[i]);
  int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3
             : (lead >> 3) == 0x1E ? 4 : 0;
  if (length == 0 || i + length > bytes.size()) return 0;
  code_point = length == 1 ? lead : length == 2 ? (lead & 0x1F) : length == 3 ? (lead & 0x0F)
                                                                              : (lead & 0x07);
  for (int k = 1; k < length; ++k) {
    auto next = static_cast<unsigned char>(bytes[i + k]);
    if ((next & 0xC0) != 0x80) return 0;
    code_point = (code_point << 6) | (next & 0x3F);
  }
  static constexpr uint32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (code_point < kSmallest[length] || code_point > 0x10FFFF ||
      (code_point >= 0xD800 && code_point <= 0xDFFF)) {
    return 0;
  }
  return length;
}

void AppendUtf8(std::string& out, uint32_t code_point) {
  if (code_point < 0x80) {
    out += static_cast<char>(code_point);
  } else if (code_point < 0x800) {
    out += static_cast<char>(0xC0 | (code_point >> 6));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code_point >> 12));
    out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  }
}

char Windows1252For(uint32_t code_point) {
  if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
    return static_cast<char>(code_point);
  }
  for (int i = 0; i < 32; ++i) {
    if (kHighBlock[i] == code_point) return static_cast<char>(0x80 + i);
  }
  return '?';
}

}  // namespace

bool IsUtf8(std::string_view bytes) {
  uint32_t code_point = 0;
  for (size_t i = 0; i < bytes.size();) {
    int length = DecodeAt(bytes, i, code_point);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string Utf8ToWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  uint32_t code_point = 0;
  for (size_t i = 0; i < utf8.size();) {
    int length = DecodeAt(utf8, i, code_point);
    if (length == 0) {  // not expected after IsUtf8; keep the byte rather than lose it
      out += utf8[i++];
      continue;
    }
    out += Windows1252For(code_point);
    i += length;
  }
  return out;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char c : bytes) {
    auto b = static_cast<unsigned char>(c);
    AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kHighBlock[b - 0x80] : b);
  }
  return out;
}

}  // namespace movarel::trf
