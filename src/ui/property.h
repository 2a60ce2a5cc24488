#pragma once
// The property and method names of forms, controls and menu items. Callers may spell them
// in any case ("Visible", "visible", "VISIBLE" are one property), as the dialogs were
// written; parsing maps them onto these enumerations.

#include <optional>
#include <string_view>

namespace movarel::ui {

enum class Property {
  kValue,      // text box: text/number/date; combo, list, radio: 1-based index (0 none);
               // check box: logical; date picker: date; grid: selected record number
  kEnabled,
  kVisible,
  kCaption,    // label, button, check box, frame, hyperlink, menu item, form caption
  kTitle,      // the form's caption (the main window's title)
  kRow,
  kCol,
  kHeight,
  kWidth,
  kItem,       // Item(n): the n-th text of a combo, list box, radio group or status bar
  kItemCount,  // read only
  kTooltip,
  kPicture,    // picture button
  kItems,      // the whole list changed (combo, list, radio); never named by callers
};

enum class Method {
  kActivate,  // forms: show; a modal form waits until released
  kCenter,
  kRelease,   // releasing the main window ends the program
  kRefresh,   // grids: re-read the rows from the table
  kHide,
  kShow,
  kSetFocus,
};

std::optional<Property> ParseProperty(std::string_view name);
std::optional<Method> ParseMethod(std::string_view name);
std::string_view PropertyName(Property property);

}  // namespace movarel::ui
