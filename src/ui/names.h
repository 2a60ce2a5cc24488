#pragma once
// Names of forms, controls, properties and settings keys compare without regard to case
// (ASCII letters only: the names are plain identifiers).

#include <string_view>

namespace movarel::ui {

bool SameName(std::string_view a, std::string_view b);

}  // namespace movarel::ui
