#include "ui/property.h"

#include <array>
#include <utility>

#include "ui/names.h"

namespace movarel::ui {


namespace {

constexpr std::array<std::pair<std::string_view, Property>, 14> kProperties = {{
    {"Value", Property::kValue},
    {"Enabled", Property::kEnabled},
    {"Visible", Property::kVisible},
    {"Caption", Property::kCaption},
    {"Title", Property::kTitle},
    {"Row", Property::kRow},
    {"Col", Property::kCol},
    {"Height", Property::kHeight},
    {"Width", Property::kWidth},
    {"Item", Property::kItem},
    {"ItemCount", Property::kItemCount},
    {"Tooltip", Property::kTooltip},
    {"Picture", Property::kPicture},
    {"Items", Property::kItems},
}};

constexpr std::array<std::pair<std::string_view, Method>, 7> kMethods = {{
    {"Activate", Method::kActivate},
    {"Center", Method::kCenter},
    {"Release", Method::kRelease},
    {"Refresh", Method::kRefresh},
    {"Hide", Method::kHide},
    {"Show", Method::kShow},
    {"SetFocus", Method::kSetFocus},
}};

}  // namespace

std::optional<Property> ParseProperty(std::string_view name) {
  for (const auto& [text, property] : kProperties) {
    if (SameName(text, name)) return property;
  }
  return std::nullopt;
}

std::optional<Method> ParseMethod(std::string_view name) {
  for (const auto& [text, method] : kMethods) {
    if (SameName(text, name)) return method;
  }
  return std::nullopt;
}

std::string_view PropertyName(Property property) {
  for (const auto& [text, p] : kProperties) {
    if (p == property) return text;
  }
  return "";
}

}  // namespace movarel::ui
