#pragma once
// Pictures of shown windows, for the scripted GUI runs that check what a person would see.

#include <string>

class wxWindow;

namespace movarel::ui {

// Copies what the screen shows inside `window` (its menu bar included) into a PNG file.
// False when the screen could not be read or the file not written.
bool SaveWindowImage(wxWindow& window, const std::string& png_path);

}  // namespace movarel::ui
