#include "ui/wx/screenshot.h"

#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/image.h>
#include <wx/toplevel.h>
#include <wx/window.h>

namespace movarel::ui {

bool SaveWindowImage(wxWindow& window, const std::string& png_path) {
  window.Update();
  const wxRect rect = window.GetScreenRect();
  if (rect.width <= 0 || rect.height <= 0) return false;
  wxBitmap bitmap(rect.width, rect.height, 24);
  {
    wxScreenDC screen;
    wxMemoryDC memory(bitmap);
    if (!memory.Blit(0, 0, rect.width, rect.height, &screen, rect.x, rect.y)) return false;
  }
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler());
  return bitmap.ConvertToImage().SaveFile(wxString::FromUTF8(png_path), wxBITMAP_TYPE_PNG);
}

}  // namespace movarel::ui
