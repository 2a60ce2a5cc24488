#pragma once
// The help page on prizes ("Ayuda_Premios.html" of the templates folder).

#include <string>

namespace movarel::registry {

// The page as Windows-1252 bytes with CR LF line ends; it declares that charset.
std::string PrizeHelpPage();

}  // namespace movarel::registry
