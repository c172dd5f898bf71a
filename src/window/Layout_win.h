// The main window as data: every control with its identity, kind, container, place (in twips,
// relative to its container's client area, as the layout was drawn), text and look. Form1
// creates them all in one loop and scales every place once for the display's DPI.
#pragma once

#include <windows.h>

#include "driver_settings/DriverSettings.h"

namespace morvane {

// Every control, in the order of its row in kControls, which is also the creation and Tab
// order. A control's window id is kFirstControlId plus its enumerator's value, so a message that
// names a control by id leads straight back to its row.
enum class Ctl {
  SSTab1,    // the tab strip: Welcome, Settings, Perspective Correction
  Picture2,  // the banner above the welcome text
  Picture1,  // the white panel holding the welcome text
  Label8,    // "Morvane"
  Label9,    // "This application allows you to change settings..."
  Image1,    // the board picture behind the welcome text
  Label10,   // "Different applications will require different settings..."
  Label11,   // the disclaimer
  Label7,    // "This application is designed for use on the Rage family..."
  Image2,    // the logo
  Label1,    // the credit under the panel
  Frame1,    // the frame of the Settings tab
  Label2,    // "Here is where you save && load settings..."
  Label3,    // "Setting Name :"
  Combo1,    // the setting name
  Command3,  // "Save Setting File"
  Command4,  // "Load Setting File"
  Label4,    // "Application to run (if any)"
  Text1,     // the application to run
  Command5,  // "...": picks the application to run
  Picture3,  // stopwatch with a question mark
  Check1,    // "Do not wait after doing 3D operations"
  Picture4,  // page flip
  Check2,    // "Page Flipping - Faster but may not work..."
  Picture5,  // stopwatch with a paint brush
  Check3,    // "Use Fast Colour Fills"
  Frame2,    // the frame of the Perspective Correction tab
  Label5,    // "Perspective correction appears to have..."
  Picture6,  // receding panels
  Label6,    // "F A S T" left of the first slider
  HScroll1,  // the first slider: texture perspective level
  Label12,   // "S L O W" right of the first slider
  Label13,   // "The next setting directly affects..."
  Label14,   // "S L O W" left of the second slider
  HScroll2,  // the second slider: quad to linear
  Label15,   // "F A S T" right of the second slider
  Text2,     // the number box showing the second slider's value
  Check4,    // "Sub Division Speed Boost (Not very much)"
  Command6,  // "Run App"
  Command1,  // "Apply"
  Command2,  // "Close"
  end,       // not a control: the number of them
};
constexpr int kControlCount = static_cast<int>(Ctl::end);

// Control ids are the table index plus this.
constexpr int kFirstControlId = 100;

// Where a control sits. The three tab pages stand for SSTab1: their controls' places are
// relative to the tab control's top-left corner, like everything else drawn on a tab.
enum class Container { form, welcome, settings, perspective, picture1, frame1, frame2, end };
constexpr int kContainerCount = static_cast<int>(Container::end);

// The tab pages, in tab order, with their captions.
struct Page {
  Container container;
  const char* caption;
};
constexpr Page kPages[] = {
    {Container::welcome, "Welcome"},
    {Container::settings, "Settings"},
    {Container::perspective, "Perspective Correction"},
};
constexpr int kPageCount = sizeof kPages / sizeof kPages[0];
// The pages' window ids follow the controls'.
constexpr int kFirstPageId = kFirstControlId + kControlCount;

constexpr bool isPage(Container container) {
  for (const Page& page : kPages) {
    if (page.container == container)
      return true;
  }
  return false;
}

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

enum class FontKind { dialog, tahoma, tahomaBold, tahomaSmall, end };

// Colours of label text; kWindowText follows the system's colour.
constexpr COLORREF kWindowText = 0xFF000000;
constexpr COLORREF kDarkGrey = RGB(64, 64, 64);
constexpr COLORREF kGrey = RGB(128, 128, 128);

// Layout places are in twips, 1440 to the inch.
constexpr int kTwipsPerInch = 1440;

struct ControlEntry {
  Ctl id;
  Kind kind;
  Container container;           // where it sits
  int left, top, width, height;  // twips
  const char* text = "";
  DWORD style = 0;  // added to the kind's own style
  FontKind font = FontKind::dialog;
  COLORREF color = kWindowText;
  bool transparent = false;                  // labels: no background of their own
  const char* image = nullptr;               // pictures: the resource drawn in it
  bool bordered = false;                     // pictures: the sunken edge of a picture box
  Container provides = Container::form;      // panels and frames: the container they are
  bool holdsField = false;                   // whether the control holds one of the settings,
  Field field = Field::doNotWaitAfter3DOps;  // and which

  constexpr ControlEntry holding(Field held) const {
    ControlEntry entry = *this;
    entry.holdsField = true;
    entry.field = held;
    return entry;
  }
};

// Lines drawn on a container, in twips; kWindowText or a colour, a width in pixels.
struct LineEntry {
  const char* name;
  Container container;
  int x1, y1, x2, y2;
  COLORREF color;
  int width;
};

extern const ControlEntry kControls[kControlCount];
extern const LineEntry kLines[];
extern const int kLineCount;

inline const ControlEntry& entryOf(Ctl id) {
  return kControls[static_cast<int>(id)];
}

// The control that holds each setting.
Ctl controlOf(Field field);

// Size of the window's client area, in twips. (Taken as the outer size, the caption and frame
// would push the buttons along the bottom partly out of the window.)
constexpr int kFormWidth = 4935;
constexpr int kFormHeight = 5280;

}  // namespace morvane
