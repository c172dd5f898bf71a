#include "window/Layout_win.h"

#include <array>

namespace morvane {

namespace {

constexpr DWORD kWrap = SS_LEFT;  // statics wrap words by default
// A one-line label whose text runs a little wide (fonts differ between systems) should show what
// fits rather than wrap its last words out of sight.
constexpr DWORD kLine = SS_LEFTNOWORDWRAP;
constexpr bool kOpaque = false;  // a label that paints its own background
using C = Container;
using Fn = FontKind;

// A place in twips: left, top, width, height.
struct Place {
  int left, top, width, height;
};

// One maker per kind, so that each row names only what sets it apart.
constexpr ControlEntry row(Ctl id, Kind kind, Container in, Place at) {
  return {id, kind, in, at.left, at.top, at.width, at.height};
}
constexpr ControlEntry tab(Ctl id, Container in, Place at) {
  return row(id, Kind::tab, in, at);
}
constexpr ControlEntry label(Ctl id, Container in, Place at, const char* text, DWORD style,
                             FontKind font = FontKind::dialog, COLORREF color = kWindowText,
                             bool transparent = true) {
  ControlEntry e = row(id, Kind::label, in, at);
  e.text = text;
  e.style = style;
  e.font = font;
  e.color = color;
  e.transparent = transparent;
  return e;
}
constexpr ControlEntry button(Ctl id, Container in, Place at, const char* text) {
  ControlEntry e = row(id, Kind::button, in, at);
  e.text = text;
  return e;
}
constexpr ControlEntry check(Ctl id, Container in, Place at, const char* text, Field field,
                             DWORD style = 0) {
  ControlEntry e = row(id, Kind::check, in, at).holding(field);
  e.text = text;
  e.style = style;
  return e;
}
constexpr ControlEntry combo(Ctl id, Container in, Place at, const char* text, Field field) {
  ControlEntry e = row(id, Kind::combo, in, at).holding(field);
  e.text = text;
  return e;
}
constexpr ControlEntry edit(Ctl id, Container in, Place at, const char* text, DWORD style) {
  ControlEntry e = row(id, Kind::edit, in, at);
  e.text = text;
  e.style = style;
  return e;
}
constexpr ControlEntry scroll(Ctl id, Container in, Place at, Field field) {
  return row(id, Kind::scroll, in, at).holding(field);
}
// A picture box with its sunken edge, and a windowless image its container draws.
constexpr ControlEntry picture(Ctl id, Container in, Place at, const char* resource) {
  ControlEntry e = row(id, Kind::picture, in, at);
  e.image = resource;
  e.bordered = true;
  return e;
}
constexpr ControlEntry image(Ctl id, Container in, Place at, const char* resource) {
  ControlEntry e = row(id, Kind::image, in, at);
  e.image = resource;
  return e;
}
// The white panel (with a picture box's edge) and the frames hold controls of their own.
constexpr ControlEntry panel(Ctl id, Container in, Place at, Container provides) {
  ControlEntry e = row(id, Kind::panel, in, at);
  e.bordered = true;
  e.provides = provides;
  return e;
}
constexpr ControlEntry frame(Ctl id, Container in, Place at, Container provides) {
  ControlEntry e = row(id, Kind::frame, in, at);
  e.provides = provides;
  return e;
}

constexpr const char* W1 =
    "This application allows you to change settings used by the 3D hardware when running 3D "
    "applications.  Certain settings may affect DirectDraw also.";
constexpr const char* W2 =
    "Different applications will require different settings so I have added a way of saving "
    "settings for different applications for quick access.  Using incorrect settings may result "
    "in weird redrawing of textures.";
constexpr const char* W3 =
    "This application is designed for use on the Rage family of chips designed by ATI.  This "
    "includes the Rage, Rage 2, Rage 2+ and Rage Pro Turbo chips.";
constexpr const char* P1 =
    "Perspective correction appears to have a quite large impact on the performance of the "
    "hardware.  By reducing the accuracy we can improve speed at the cost of visual quality.";
constexpr const char* P2 =
    "The next setting directly affects the perspective correction and can have some very odd "
    "effects.  The lower values can probably be used without affecting visual quality much but "
    "making it faster";
constexpr const char* kDisclaimer =
    "Morvane changes driver settings at your own risk; keep a note of values that work.";
constexpr const char* kCredit = "Morvane is free.";

}  // namespace

// Containers come before the controls they hold; the order within a container is the Tab order.
constexpr ControlEntry kControls[kControlCount] = {
    tab(Ctl::SSTab1, C::form, {30, 105, 4830, 4725}),

    picture(Ctl::Picture2, C::welcome, {660, 480, 3525, 465}, "BANNER"),
    panel(Ctl::Picture1, C::welcome, {165, 1080, 4515, 3345}, C::picture1),
    label(Ctl::Label8, C::picture1, {45, 30, 1395, 195}, "Morvane", kLine, Fn::tahomaBold),
    label(Ctl::Label9, C::picture1, {195, 270, 4095, 630}, W1, kWrap, Fn::tahoma, kDarkGrey),
    image(Ctl::Image1, C::picture1, {1125, 405, 2250, 1725}, "BOARD"),
    label(Ctl::Label10, C::picture1, {195, 1065, 4095, 855}, W2, kWrap, Fn::tahoma, kDarkGrey),
    label(Ctl::Label11, C::picture1, {195, 2040, 4110, 420}, kDisclaimer, kWrap, Fn::tahoma,
          kDarkGrey),
    label(Ctl::Label7, C::picture1, {45, 2625, 3735, 630}, W3, kWrap, Fn::tahoma, kGrey),
    image(Ctl::Image2, C::picture1, {3825, 2550, 600, 735}, "LOGO"),
    label(Ctl::Label1, C::welcome, {3330, 4485, 1275, 165}, kCredit, kLine, Fn::tahomaSmall, kGrey),

    frame(Ctl::Frame1, C::settings, {135, 390, 4560, 4185}, C::frame1),
    label(Ctl::Label2, C::frame1, {45, 165, 4485, 195},
          "Here is where you save && load settings for certain applications", kLine, Fn::tahoma),
    label(Ctl::Label3, C::frame1, {105, 525, 1050, 195}, "Setting Name :", kLine, Fn::dialog,
          kWindowText, kOpaque),
    combo(Ctl::Combo1, C::frame1, {1215, 480, 2520, 315}, "Your Changed Settings",
          Field::settingName),
    button(Ctl::Command3, C::frame1, {1215, 870, 1560, 315}, "Save Setting File"),
    button(Ctl::Command4, C::frame1, {2820, 870, 1560, 315}, "Load Setting File"),
    label(Ctl::Label4, C::frame1, {105, 1230, 1740, 195}, "Application to run (if any)", kLine),
    edit(Ctl::Text1, C::frame1, {345, 1500, 3540, 285}, "", ES_AUTOHSCROLL)
        .holding(Field::applicationPath),
    button(Ctl::Command5, C::frame1, {4020, 1515, 360, 270}, "..."),
    picture(Ctl::Picture3, C::frame1, {105, 2220, 525, 555}, "STOPWATCH_QUESTION"),
    check(Ctl::Check1, C::frame1, {720, 2370, 3480, 255}, "Do not wait after doing 3D operations",
          Field::doNotWaitAfter3DOps),
    picture(Ctl::Picture4, C::frame1, {105, 2850, 540, 570}, "PAGE_FLIP"),
    check(Ctl::Check2, C::frame1, {720, 2880, 3480, 480},
          "Page Flipping - Faster but may not work in all programs or may flicker too much",
          Field::pageFlipping, BS_MULTILINE),
    picture(Ctl::Picture5, C::frame1, {105, 3510, 525, 555}, "STOPWATCH_PAINT"),
    check(Ctl::Check3, C::frame1, {720, 3585, 3480, 480}, "Use Fast Colour Fills",
          Field::useFastColorFill, BS_MULTILINE),

    frame(Ctl::Frame2, C::perspective, {135, 390, 4560, 4185}, C::frame2),
    label(Ctl::Label5, C::frame2, {60, 180, 4410, 585}, P1, SS_CENTER, Fn::tahoma),
    picture(Ctl::Picture6, C::frame2, {105, 1005, 525, 555}, "RECEDING_PANELS"),
    label(Ctl::Label6, C::frame2, {855, 915, 210, 780}, "F A S T", kWrap),
    scroll(Ctl::HScroll1, C::frame2, {1140, 1125, 2805, 300}, Field::texPerspLevel),
    label(Ctl::Label12, C::frame2, {4035, 915, 210, 780}, "S L O W", kWrap),
    label(Ctl::Label13, C::frame2, {60, 1815, 4440, 810}, P2, SS_CENTER, Fn::tahoma),
    label(Ctl::Label14, C::frame2, {180, 2715, 225, 765}, "S L O W", kWrap),
    scroll(Ctl::HScroll2, C::frame2, {435, 2955, 3165, 300}, Field::quad2Linear),
    label(Ctl::Label15, C::frame2, {3690, 2715, 210, 780}, "F A S T", kWrap),
    edit(Ctl::Text2, C::frame2, {3945, 2970, 510, 300}, "0",
         ES_MULTILINE | ES_CENTER | ES_AUTOVSCROLL),
    check(Ctl::Check4, C::frame2, {105, 3765, 4365, 285},
          "Sub Division Speed Boost (Not very much)", Field::subDivideBoost),

    // The buttons under the tabs come last in the Tab order.
    button(Ctl::Command6, C::form, {1650, 4875, 1020, 345}, "Run App"),
    button(Ctl::Command1, C::form, {2745, 4875, 1020, 345}, "Apply"),
    button(Ctl::Command2, C::form, {3840, 4875, 1020, 345}, "Close"),
};

const LineEntry kLines[] = {
    {"Line1", C::picture1, 45, 2475, 4425, 2475, kWindowText, 1},
    {"Line2", C::frame1, 90, 2010, 4470, 2010, kWindowText, 1},
    {"Line3", C::frame2, 675, 2850, 1575, 2850, RGB(0, 160, 0), 2},
    {"Line4", C::frame2, 1575, 2850, 3360, 2850, RGB(224, 0, 0), 2},
};
const int kLineCount = sizeof kLines / sizeof kLines[0];

namespace {

// Row i is the row of Ctl(i), so that an enumerator, an index and a window id all name the same
// control.
constexpr bool rowsInEnumeratorOrder() {
  for (int i = 0; i < kControlCount; ++i) {
    if (kControls[i].id != static_cast<Ctl>(i))
      return false;
  }
  return true;
}

// Every control sits on the form, a page, or a container made by an earlier row.
constexpr bool containersComeFirst() {
  for (int i = 0; i < kControlCount; ++i) {
    const Container in = kControls[i].container;
    bool made = in == Container::form || isPage(in);
    for (int j = 0; j < i && !made; ++j)
      made = kControls[j].provides == in;
    if (!made)
      return false;
  }
  return true;
}

constexpr int holdersOf(Field field) {
  int holders = 0;
  for (const ControlEntry& entry : kControls)
    holders += entry.holdsField && entry.field == field ? 1 : 0;
  return holders;
}

constexpr bool eachFieldHasOneControl() {
  for (int f = 0; f < kFieldCount; ++f) {
    if (holdersOf(static_cast<Field>(f)) != 1)
      return false;
  }
  return true;
}

static_assert(rowsInEnumeratorOrder(), "kControls must list its rows in the order of Ctl");
static_assert(containersComeFirst(), "a container's row must come before the controls it holds");
static_assert(eachFieldHasOneControl(), "each setting must be held by exactly one control");

}  // namespace

namespace {

constexpr std::array<Ctl, kFieldCount> holders() {
  std::array<Ctl, kFieldCount> found{};
  for (const ControlEntry& entry : kControls) {
    if (entry.holdsField)
      found[static_cast<int>(entry.field)] = entry.id;
  }
  return found;
}
constexpr std::array<Ctl, kFieldCount> kHolders = holders();

}  // namespace

Ctl controlOf(Field field) {
  return kHolders[static_cast<int>(field)];
}

}  // namespace morvane
