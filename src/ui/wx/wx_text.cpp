#include "ui/wx/wx_text.h"

#include <wx/strconv.h>

#include "ui/cp1252.h"

namespace movarel::ui {

wxString ToWx(const std::string& cp1252) {
  static const wxCSConv conv(wxFONTENCODING_CP1252);
  wxString text(cp1252.data(), conv, cp1252.size());
  // A converter that refuses a byte gives an empty text; the byte-by-byte table never does.
  if (text.empty() && !cp1252.empty()) text = wxString::FromUTF8(Cp1252ToUtf8(cp1252));
  return text;
}

std::string FromWx(const wxString& text) {
  const wxScopedCharBuffer utf8 = text.utf8_str();
  return Utf8ToCp1252(std::string_view(utf8.data(), utf8.length()));
}

#if defined(__WXMSW__)
// Windows' paths are wide; the program carries them as UTF-8 (storage/os_file.h).
wxString PathToWx(const std::string& path) { return wxString::FromUTF8(path.c_str()); }

std::string PathFromWx(const wxString& path) {
  const wxScopedCharBuffer utf8 = path.utf8_str();
  return std::string(utf8.data(), utf8.length());
}
#else
wxString PathToWx(const std::string& path) { return wxString(path.c_str(), *wxConvFileName); }

std::string PathFromWx(const wxString& path) {
  const wxCharBuffer bytes = path.fn_str();
  return bytes.data() != nullptr ? std::string(bytes.data()) : std::string();
}
#endif

wxString ToWxMultiline(const std::string& cp1252) {
  std::string text;
  text.reserve(cp1252.size());
  for (size_t i = 0; i < cp1252.size(); ++i) {
    if (cp1252[i] == '\r') {
      text += '\n';
      if (i + 1 < cp1252.size() && cp1252[i + 1] == '\n') ++i;
    } else {
      text += cp1252[i];
    }
  }
  return ToWx(text);
}

}  // namespace movarel::ui
