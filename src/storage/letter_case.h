#pragma once
// Letter case of text bytes, the same whatever the user's locale. The ASCII forms change
// only a-z and A-Z: names of fields, aliases, orders, key functions and files, codes, and
// every byte a file or the DOS program compares that way. The Windows-1252 form also turns
// the accented letters, for names people read and search.

#include <string>
#include <string_view>

namespace movarel::storage {

constexpr char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
constexpr char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
std::string UpperAscii(std::string_view text);
std::string LowerAscii(std::string_view text);
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// Windows-1252 text in capitals, accented letters included (á -> Á, ñ -> Ñ, š -> Š,
// ÿ -> Ÿ); ß and µ have no capital and stay.
std::string UpperCp1252(std::string_view text);

// MAYMINS: capitalises every word. A letter after a blank (space, tab, CR, LF), a comma or a
// full stop is upper-cased, every other letter lower-cased; a comma or full stop followed
// directly by a non-blank gets a blank after it ("PEREZ,JUAN" -> "Perez, Juan"). Only ASCII
// letters change case, as in the DOS program: accented letters pass unchanged.
std::string MAYMINS(std::string_view text);

}  // namespace movarel::storage
