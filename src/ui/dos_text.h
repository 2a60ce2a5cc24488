#pragma once
// Text stored in the tables comes from two programs: the DOS pairing program writes code
// page 850, this program Windows-1252, and both write into the same tables (a DOS player
// list completed here, names corrected in either). The stored bytes are never changed (the
// DOS program reads them); text is turned into Windows-1252 only on its way to a page, a
// slip, a PGN file or a window, once.
//
// Which code page a text is in is decided per text, from its letters. Each byte above 0x7F
// is read both ways, and each reading scores as a letter of a name: 2 for a Spanish or
// Catalan letter (Á É Í Ó Ú Ü Ñ Ç À È Ò Ï in both cases, ª º), 1 for another Latin letter
// (Ä Ö Â Ê Ô Ã Å Ø Æ ß Š Ž Œ and the like), 0 for anything else (¥ ¤ ¡ µ, box drawing,
// undefined bytes). A reading whose case does not fit its word scores 0: inside a word a
// letter takes the case of the word's next plain letter (the previous one at the word's
// end); the first letter of a word may always be a capital. The text is code page 850 only
// when the DOS readings score more than the Windows ones; a tie keeps it as Windows-1252.
//
// So MU\xA5OZ (Ñ, not ¥), G\xE0MEZ (Ó in a capital word, not à), MART\xD6NEZ (Í beats Ö)
// and Mu\xA4oz, G\xA2mez are DOS text, and every Spanish letter typed here (Ñ ñ Á á É é Í í
// Ó ó Ú ú Ü ü Ç ç ª º) reads as Windows-1252. What the rule cannot tell apart:
// - An upper-case Ö typed here with no other accent in its text (SCHR\xD6DER) reads as the
//   DOS Í (SCHRÍDER).
// - A Windows symbol that is a DOS letter, when it is the only non-ASCII byte and its case
//   fits (a no-break space 0xA0 or "¡" 0xA1 inside a lower-case word reads as á, í; ¢ £ ¤
//   ¥ ¦ § µ alike).
// - A DOS letter outside the Spanish set whose byte is a likelier Windows letter, when it
//   is the text's only accent: Ã (0xC7) reads as Ç, Ë (0xD3) as Ó, ß (0xE1) as á, Ô (0xE2)
//   as â, È (0xD4) as Ô and the like.
// A text the DOS program wrote converts once to Windows-1252, whose letters then read as
// Windows text: shown text put through the rule again stays as it is for the Spanish
// letters, but a DOS Ö (0x99) becomes 0xD6, which would read as DOS Í a second time; never
// convert converted text.

#include <string>
#include <string_view>

namespace movarel::ui {

// True when the rule above takes `stored` for code page 850 text.
bool IsDosText(std::string_view stored);

// `stored` as Windows-1252 text: converted from code page 850 when IsDosText, unchanged
// otherwise. A DOS character Windows-1252 lacks (box drawing) becomes "?".
std::string DosTextAsCp1252(std::string_view stored);

// The one hook every name, club, tournament name and place passes through on its way to a
// page, slip or PGN file. Apply it once, to the bytes as stored.
inline std::string NOHB_OEMTOANSI(std::string_view text) { return DosTextAsCp1252(text); }

}  // namespace movarel::ui
