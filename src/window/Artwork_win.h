// The window's pictures and fonts: bitmaps and icons from the exe's resources, loaded the first
// time they are drawn (a headless run never draws one), and the fonts scaled for the DPI.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "window/Layout_win.h"

namespace morvane {

class Artwork {
 public:
  ~Artwork();
  void setInstance(HINSTANCE instance) { instance_ = instance; }
  void createFonts(int dpi);
  HFONT font(FontKind kind) const { return fonts_[static_cast<int>(kind)]; }
  HBRUSH whiteBrush() const { return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)); }

  // Draws the named picture stretched over `area`, on `background`.
  void drawPicture(HDC dc, const char* name, const RECT& area, COLORREF background);

 private:
  HBITMAP bitmap(const char* name, COLORREF background);
  HICON icon(const char* name);

  HINSTANCE instance_ = nullptr;
  HFONT fonts_[static_cast<int>(FontKind::end)] = {};  // by FontKind
  std::map<std::string, HBITMAP> bitmaps_;
  std::map<std::string, HICON> icons_;
};

// Draws a container's lines (Line1 to Line4), scaled for the DPI.
void drawLines(HDC dc, Container container, int dpi);

}  // namespace morvane
