#include "window/Layout_win.h"

#include <cstring>

namespace morvane {

namespace {

constexpr DWORD kWrap = SS_LEFT;  // statics wrap words by default
// A one-line label whose text runs a little wide (fonts differ between systems) should show what
// fits rather than wrap its last words out of sight.
constexpr DWORD kLine = SS_LEFTNOWORDWRAP;
constexpr bool T = true;
constexpr bool F = false;
using C = Container;
using K = Kind;
using Fn = FontKind;

const char* const W1 =
    "This application allows you to change settings used by the 3D hardware when running 3D "
    "applications.  Certain settings may affect DirectDraw also.";
const char* const W2 =
    "Different applications will require different settings so I have added a way of saving "
    "settings for different applications for quick access.  Using incorrect settings may result "
    "in weird redrawing of textures.";
const char* const W3 =
    "This application is designed for use on the Rage family of chips designed by ATI.  This "
    "includes the Rage, Rage 2, Rage 2+ and Rage Pro Turbo chips.";
const char* const P1 =
    "Perspective correction appears to have a quite large impact on the performance of the "
    "hardware.  By reducing the accuracy we can improve speed at the cost of visual quality.";
const char* const P2 =
    "The next setting directly affects the perspective correction and can have some very odd "
    "effects.  The lower values can probably be used without affecting visual quality much but "
    "making it faster";
const char* const kDisclaimer =
    "Morvane changes driver settings at your own risk; keep a note of values that work.";
const char* const kCredit = "Morvane is free.";

}  // namespace

// Containers come before the controls they hold; the order within a container is the Tab order.
const ControlEntry kControls[] = {
    // name, kind, container, left, top, width, height, text, style, font, colour, transparent,
    // image, bordered
    {"SSTab1", K::tab, C::form, 30, 105, 4830, 4725, "", 0, Fn::dialog, kWindowText, F, nullptr, F},

    {"Picture2", K::picture, C::welcome, 660, 480, 3525, 465, "", 0, Fn::dialog, kWindowText, F,
     "BANNER", T},
    {"Picture1", K::panel, C::welcome, 165, 1080, 4515, 3345, "", 0, Fn::dialog, kWindowText, F,
     nullptr, T},
    {"Label8", K::label, C::picture1, 45, 30, 1395, 195, "Morvane", kLine, Fn::tahomaBold,
     kWindowText, T, nullptr, F},
    {"Label9", K::label, C::picture1, 195, 270, 4095, 630, W1, kWrap, Fn::tahoma, kDarkGrey, T,
     nullptr, F},
    {"Image1", K::image, C::picture1, 1125, 405, 2250, 1725, "", 0, Fn::dialog, kWindowText, F,
     "BOARD", F},
    {"Label10", K::label, C::picture1, 195, 1065, 4095, 855, W2, kWrap, Fn::tahoma, kDarkGrey, T,
     nullptr, F},
    {"Label11", K::label, C::picture1, 195, 2040, 4110, 420, kDisclaimer, kWrap, Fn::tahoma,
     kDarkGrey, T, nullptr, F},
    {"Label7", K::label, C::picture1, 45, 2625, 3735, 630, W3, kWrap, Fn::tahoma, kGrey, T, nullptr,
     F},
    {"Image2", K::image, C::picture1, 3825, 2550, 600, 735, "", 0, Fn::dialog, kWindowText, F,
     "LOGO", F},
    {"Label1", K::label, C::welcome, 3330, 4485, 1275, 165, kCredit, kLine, Fn::tahomaSmall, kGrey,
     T, nullptr, F},

    {"Frame1", K::frame, C::settings, 135, 390, 4560, 4185, "", 0, Fn::dialog, kWindowText, F,
     nullptr, F},
    {"Label2", K::label, C::frame1, 45, 165, 4485, 195,
     "Here is where you save && load settings for certain applications", kLine, Fn::tahoma,
     kWindowText, T, nullptr, F},
    {"Label3", K::label, C::frame1, 105, 525, 1050, 195, "Setting Name :", kLine, Fn::dialog,
     kWindowText, F, nullptr, F},
    {"Combo1", K::combo, C::frame1, 1215, 480, 2520, 315, "Your Changed Settings", 0, Fn::dialog,
     kWindowText, F, nullptr, F},
    {"Command3", K::button, C::frame1, 1215, 870, 1560, 315, "Save Setting File", 0, Fn::dialog,
     kWindowText, F, nullptr, F},
    {"Command4", K::button, C::frame1, 2820, 870, 1560, 315, "Load Setting File", 0, Fn::dialog,
     kWindowText, F, nullptr, F},
    {"Label4", K::label, C::frame1, 105, 1230, 1740, 195, "Application to run (if any)", kLine,
     Fn::dialog, kWindowText, T, nullptr, F},
    {"Text1", K::edit, C::frame1, 345, 1500, 3540, 285, "", ES_AUTOHSCROLL, Fn::dialog, kWindowText,
     F, nullptr, F},
    {"Command5", K::button, C::frame1, 4020, 1515, 360, 270, "...", 0, Fn::dialog, kWindowText, F,
     nullptr, F},
    {"Picture3", K::picture, C::frame1, 105, 2220, 525, 555, "", 0, Fn::dialog, kWindowText, F,
     "STOPWATCH_QUESTION", T},
    {"Check1", K::check, C::frame1, 720, 2370, 3480, 255, "Do not wait after doing 3D operations",
     0, Fn::dialog, kWindowText, F, nullptr, F},
    {"Picture4", K::picture, C::frame1, 105, 2850, 540, 570, "", 0, Fn::dialog, kWindowText, F,
     "PAGE_FLIP", T},
    {"Check2", K::check, C::frame1, 720, 2880, 3480, 480,
     "Page Flipping - Faster but may not work in all programs or may flicker too much",
     BS_MULTILINE, Fn::dialog, kWindowText, F, nullptr, F},
    {"Picture5", K::picture, C::frame1, 105, 3510, 525, 555, "", 0, Fn::dialog, kWindowText, F,
     "STOPWATCH_PAINT", T},
    {"Check3", K::check, C::frame1, 720, 3585, 3480, 480, "Use Fast Colour Fills", BS_MULTILINE,
     Fn::dialog, kWindowText, F, nullptr, F},

    {"Frame2", K::frame, C::perspective, 135, 390, 4560, 4185, "", 0, Fn::dialog, kWindowText, F,
     nullptr, F},
    {"Label5", K::label, C::frame2, 60, 180, 4410, 585, P1, SS_CENTER, Fn::tahoma, kWindowText, T,
     nullptr, F},
    {"Picture6", K::picture, C::frame2, 105, 1005, 525, 555, "", 0, Fn::dialog, kWindowText, F,
     "RECEDING_PANELS", T},
    {"Label6", K::label, C::frame2, 855, 915, 210, 780, "F A S T", kWrap, Fn::dialog, kWindowText,
     T, nullptr, F},
    {"HScroll1", K::scroll, C::frame2, 1140, 1125, 2805, 300, "", 0, Fn::dialog, kWindowText, F,
     nullptr, F},
    {"Label12", K::label, C::frame2, 4035, 915, 210, 780, "S L O W", kWrap, Fn::dialog, kWindowText,
     T, nullptr, F},
    {"Label13", K::label, C::frame2, 60, 1815, 4440, 810, P2, SS_CENTER, Fn::tahoma, kWindowText, T,
     nullptr, F},
    {"Label14", K::label, C::frame2, 180, 2715, 225, 765, "S L O W", kWrap, Fn::dialog, kWindowText,
     T, nullptr, F},
    {"HScroll2", K::scroll, C::frame2, 435, 2955, 3165, 300, "", 0, Fn::dialog, kWindowText, F,
     nullptr, F},
    {"Label15", K::label, C::frame2, 3690, 2715, 210, 780, "F A S T", kWrap, Fn::dialog,
     kWindowText, T, nullptr, F},
    {"Text2", K::edit, C::frame2, 3945, 2970, 510, 300, "0",
     ES_MULTILINE | ES_CENTER | ES_AUTOVSCROLL, Fn::dialog, kWindowText, F, nullptr, F},
    {"Check4", K::check, C::frame2, 105, 3765, 4365, 285,
     "Sub Division Speed Boost (Not very much)", 0, Fn::dialog, kWindowText, F, nullptr, F},

    // The buttons under the tabs come last in the Tab order.
    {"Command6", K::button, C::form, 1650, 4875, 1020, 345, "Run App", 0, Fn::dialog, kWindowText,
     F, nullptr, F},
    {"Command1", K::button, C::form, 2745, 4875, 1020, 345, "Apply", 0, Fn::dialog, kWindowText, F,
     nullptr, F},
    {"Command2", K::button, C::form, 3840, 4875, 1020, 345, "Close", 0, Fn::dialog, kWindowText, F,
     nullptr, F},
};
const int kControlCount = sizeof kControls / sizeof kControls[0];

const LineEntry kLines[] = {
    {"Line1", C::picture1, 45, 2475, 4425, 2475, kWindowText, 1},
    {"Line2", C::frame1, 90, 2010, 4470, 2010, kWindowText, 1},
    {"Line3", C::frame2, 675, 2850, 1575, 2850, RGB(0, 160, 0), 2},
    {"Line4", C::frame2, 1575, 2850, 3360, 2850, RGB(224, 0, 0), 2},
};
const int kLineCount = sizeof kLines / sizeof kLines[0];

int controlIndex(const char* name) {
  for (int i = 0; i < kControlCount; ++i) {
    if (std::strcmp(kControls[i].name, name) == 0)
      return i;
  }
  return -1;
}

}  // namespace morvane
