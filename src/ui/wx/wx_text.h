#pragma once
// Text between the model (Windows-1252 bytes, CR LF line breaks) and the toolkit.

#include <wx/string.h>

#include <string>

namespace movarel::ui {

wxString ToWx(const std::string& cp1252);
// Characters with no Windows-1252 byte become "?", as typed text has nowhere else to go.
std::string FromWx(const wxString& text);
// Paths in the file system's own bytes (not Windows-1252 text), to and from the toolkit.
wxString PathToWx(const std::string& path);
std::string PathFromWx(const wxString& path);
// Message texts: CR LF (or a lone CR) becomes the toolkit's line break.
wxString ToWxMultiline(const std::string& cp1252);

}  // namespace movarel::ui
