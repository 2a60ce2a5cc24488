#include "ui/wx/screenshot.h"

#include <wx/display.h>
#include <wx/image.h>
#include <wx/window.h>

#if defined(__WXGTK__)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#else
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#endif

namespace movarel::ui {

namespace {

#if defined(__WXGTK__)
// Read through a connection of its own: after a wxScreenDC has read the screen, GTK 3
// stops drawing windows mapped later, so the toolkit's screen DC is not used on X.
bool ReadScreen(const wxRect& rect, wxImage& image) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return false;
  XImage* shot = XGetImage(display, DefaultRootWindow(display), rect.x, rect.y, rect.width, rect.height,
                           AllPlanes, ZPixmap);
  bool ok = shot != nullptr;
  if (ok) {
    image.Create(rect.width, rect.height, false);
    const auto channel = [](unsigned long pixel, unsigned long mask) {
      if (mask == 0) return static_cast<unsigned char>(0);
      int shift = 0;
      while (((mask >> shift) & 1) == 0) ++shift;
      const unsigned long max = mask >> shift;
      return static_cast<unsigned char>(((pixel & mask) >> shift) * 255 / max);
    };
    for (int y = 0; y < rect.height; ++y) {
      for (int x = 0; x < rect.width; ++x) {
        const unsigned long pixel = XGetPixel(shot, x, y);
        image.SetRGB(x, y, channel(pixel, shot->red_mask), channel(pixel, shot->green_mask),
                     channel(pixel, shot->blue_mask));
      }
    }
    XDestroyImage(shot);
  }
  XCloseDisplay(display);
  return ok;
}
#else
bool ReadScreen(const wxRect& rect, wxImage& image) {
  wxBitmap bitmap(rect.width, rect.height, 24);
  {
    wxScreenDC screen;
    wxMemoryDC memory(bitmap);
    if (!memory.Blit(0, 0, rect.width, rect.height, &screen, rect.x, rect.y)) return false;
  }
  image = bitmap.ConvertToImage();
  return image.IsOk();
}
#endif

}  // namespace

bool SaveWindowImage(wxWindow& window, const std::string& png_path) {
  window.Update();
  // The part on the screen: X refuses to read beyond it.
  const wxRect rect = window.GetScreenRect().Intersect(wxDisplay(static_cast<unsigned>(0)).GetGeometry());
  if (rect.width <= 0 || rect.height <= 0) return false;
  wxImage image;
  if (!ReadScreen(rect, image)) return false;
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler());
  return image.SaveFile(wxString::FromUTF8(png_path), wxBITMAP_TYPE_PNG);
}

}  // namespace movarel::ui
