#pragma once
// Beside each picture of a form (MOVAREL_SCREENSHOT_DIR) the window's layout in words, for
// people checking a form and for the tests that check every form of the program: one line
// per item, fields joined by "|", texts in UTF-8.
//   form|Frm|<client width>|<client height>
//   control|<name>|<x>|<y>|<width>|<height>|<needed width>|<needed height>|<text width>|<text>
//   column|<grid name>|<width>|<text width>|<header>
// "Needed" is the room the toolkit asks for the content (0 where it has no say); the text
// width is that of the caption (a label's or button's text, a titled box's title, the
// chosen item of a combo box, each option of a radio group as "<name>#<n>") in the control's
// font. Status bars and tab pages are left out.

#include <string>

namespace movarel::ui {

class FormWindow;

bool SaveLayoutListing(const FormWindow& window, const std::string& path);

}  // namespace movarel::ui
