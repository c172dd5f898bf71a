// The main window as data: every control with its name, kind, container, place (in twips,
// relative to its container's client area, as the layout was drawn), text and look. Form1
// creates them all in one loop and scales every place once for the display's DPI.
#pragma once

#include <windows.h>

namespace morvane {

// Where a control sits. The three tab pages stand for SSTab1: their controls' places are
// relative to the tab control's top-left corner, like everything else drawn on a tab.
enum class Container { form, welcome, settings, perspective, picture1, frame1, frame2 };

enum class Kind {
  tab,      // SSTab1
  button,   // push button
  check,    // three-state check box (2 shows grayed)
  label,    // static text
  combo,    // editable combo box, empty list
  edit,     // text box
  scroll,   // horizontal scroll bar
  picture,  // picture box: a window with a sunken edge, its image drawn by the form
  image,    // windowless image, drawn by its container beneath the labels that overlap it
  panel,    // white picture box holding other controls
  frame,    // frame without caption holding other controls
};

enum class FontKind { dialog, tahoma, tahomaBold, tahomaSmall };

// Colours of label text; kWindowText follows the system's colour.
constexpr COLORREF kWindowText = 0xFF000000;
constexpr COLORREF kDarkGrey = RGB(64, 64, 64);
constexpr COLORREF kGrey = RGB(128, 128, 128);

struct ControlEntry {
  const char* name;
  Kind kind;
  Container container;
  int left, top, width, height;  // twips
  const char* text;
  DWORD style;  // added to the kind's own style
  FontKind font;
  COLORREF color;
  bool transparent;   // labels: no background of their own
  const char* image;  // pictures: the resource drawn in it
  bool bordered;      // pictures: the sunken edge of a picture box
};

// Lines drawn on a container, in twips; kWindowText or a colour, a width in pixels.
struct LineEntry {
  const char* name;
  Container container;
  int x1, y1, x2, y2;
  COLORREF color;
  int width;
};

extern const ControlEntry kControls[];
extern const int kControlCount;
extern const LineEntry kLines[];
extern const int kLineCount;

// Size of the window's client area, in twips. (Taken as the outer size, the caption and frame
// would push the buttons along the bottom partly out of the window.)
constexpr int kFormWidth = 4935;
constexpr int kFormHeight = 5280;

// The index of a named control in kControls, or -1.
int controlIndex(const char* name);
// Control ids are the table index plus this.
constexpr int kFirstControlId = 100;

}  // namespace morvane
