#pragma once
// The fixed parts of the hand tournament's pages, written out by hand: the head with its
// title and subtitle, the footer, and fields padded to their width as the tables store them.

#include <string>

namespace movarel::reports::testing {

inline std::string Blanks(size_t n) { return std::string(n, ' '); }

// A text field as stored: the text and then blanks up to the field's width.
inline std::string Padded(const std::string& text, size_t width) {
  return text + Blanks(width - text.size());
}

inline const std::string kHandHead =
    "<HTML><HEAD><meta charset=\"windows-1252\"><TITLE>Open de Sueca</TITLE><link rel=\"stylesheet\" href=\"zendral.css\" type=\"text/css\">"
    "</HEAD><BODY>\r\n"
    "<H1 Align=Center>Open de Sueca</H1><H2 Align=Center>Sueca, del 01-07-2024 al 03-07-2024</H2><BR>\r\n";

inline const std::string kHandFooter =
    "<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\"><tr><td class=\"pie\">Club "
    "Sueca</td>"
    "<td class=\"pie\"><div align=\"right\">Arbitro Principal</div></td></tr></table>"
    "<center>Movarel v3.0-beta3 - <a href=https://www.movarel.example>www.movarel.example</a></center>"
    "</BODY></HTML>";

}  // namespace movarel::reports::testing
