#pragma once
// Names of forms, controls, properties and settings keys compare without regard to case
// (ASCII letters only: the names are plain identifiers).

#include <string_view>

#include "storage/letter_case.h"

namespace movarel::ui {

inline bool SameName(std::string_view a, std::string_view b) {
  return storage::EqualsIgnoringAsciiCase(a, b);
}

}  // namespace movarel::ui
