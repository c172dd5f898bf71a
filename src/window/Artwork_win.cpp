#include "window/Artwork_win.h"

namespace morvane {

Artwork::~Artwork() {
  for (HFONT font : fonts_) {
    if (font)
      DeleteObject(font);
  }
  for (auto& entry : bitmaps_)
    DeleteObject(entry.second);
  for (auto& entry : icons_)
    DestroyIcon(entry.second);
}

void Artwork::createFonts(int dpi) {
  // Heights in hundredths of a point: 8 for the dialog font, 8.25 and 6.75 for Tahoma.
  // The layout was drawn for the bitmap font "MS Sans Serif" at 8 points; a scalable face in
  // its place, Tahoma say, is wider and cuts the ends off the tightest labels.
  struct FontEntry {
    FontKind kind;
    const char* face;
    int hundredths;
    int weight;
  };
  const FontEntry entries[] = {{FontKind::dialog, "MS Sans Serif", 800, FW_NORMAL},
                               {FontKind::tahoma, "Tahoma", 825, FW_NORMAL},
                               {FontKind::tahomaBold, "Tahoma", 825, FW_BOLD},
                               {FontKind::tahomaSmall, "Tahoma", 675, FW_NORMAL}};
  for (const FontEntry& entry : entries) {
    fonts_[static_cast<int>(entry.kind)] =
        CreateFontA(-MulDiv(entry.hundredths, dpi, 7200), 0, 0, 0, entry.weight, FALSE, FALSE,
                    FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, entry.face);
  }
}

HBITMAP Artwork::bitmap(const char* name, COLORREF background) {
  auto found = bitmaps_.find(name);
  if (found != bitmaps_.end())
    return found->second;
  HBITMAP loaded =
      static_cast<HBITMAP>(LoadImageA(instance_, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  DIBSECTION dib = {};
  if (loaded && GetObjectA(loaded, sizeof dib, &dib) == sizeof dib && dib.dsBm.bmBitsPixel == 24) {
    // Magenta marks where the picture shows what lies behind it.
    auto* bits = static_cast<BYTE*>(dib.dsBm.bmBits);
    for (int y = 0; y < dib.dsBm.bmHeight; ++y) {
      BYTE* pixel = bits + y * dib.dsBm.bmWidthBytes;
      for (int x = 0; x < dib.dsBm.bmWidth; ++x, pixel += 3) {
        if (pixel[0] == 255 && pixel[1] == 0 && pixel[2] == 255) {
          pixel[0] = GetBValue(background);
          pixel[1] = GetGValue(background);
          pixel[2] = GetRValue(background);
        }
      }
    }
  }
  bitmaps_[name] = loaded;
  return loaded;
}

HICON Artwork::icon(const char* name) {
  auto found = icons_.find(name);
  if (found != icons_.end())
    return found->second;
  // Zero sizes load the one image at its own size.
  HICON loaded = static_cast<HICON>(LoadImageA(instance_, name, IMAGE_ICON, 0, 0, 0));
  icons_[name] = loaded;
  return loaded;
}

void Artwork::drawPicture(HDC dc, const char* name, const RECT& area, COLORREF background) {
  HBRUSH fill = CreateSolidBrush(background);
  FillRect(dc, &area, fill);
  DeleteObject(fill);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (FindResourceA(instance_, name, MAKEINTRESOURCEA(2) /* RT_BITMAP */)) {
    HBITMAP picture = bitmap(name, background);
    BITMAP size = {};
    if (!picture || !GetObjectA(picture, sizeof size, &size))
      return;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, picture);
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, area.left, area.top, width, height, memory, 0, 0, size.bmWidth, size.bmHeight,
               SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
  } else if (HICON picture = icon(name)) {
    DrawIconEx(dc, area.left, area.top, picture, width, height, 0, nullptr, DI_NORMAL);
  }
}

void drawLines(HDC dc, Container container, int dpi) {
  for (int i = 0; i < kLineCount; ++i) {
    const LineEntry& line = kLines[i];
    if (line.container != container)
      continue;
    const COLORREF colour = line.color == kWindowText ? GetSysColor(COLOR_WINDOWTEXT) : line.color;
    HPEN pen = CreatePen(PS_SOLID, MulDiv(line.width, dpi, 96), colour);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, MulDiv(line.x1, dpi, kTwipsPerInch), MulDiv(line.y1, dpi, kTwipsPerInch), nullptr);
    LineTo(dc, MulDiv(line.x2, dpi, kTwipsPerInch), MulDiv(line.y2, dpi, kTwipsPerInch));
    SelectObject(dc, old);
    DeleteObject(pen);
  }
}

}  // namespace morvane
