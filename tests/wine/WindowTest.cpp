// Form1 itself, driven by the messages a user's actions produce.
#include <gtest/gtest.h>
#include <windows.h>
// windows.h first: commctrl.h relies on it.
#include <commctrl.h>
#include <shlobj.h>

#include <atomic>
#include <thread>

#include "RecordingHost.h"
#include "WineTestSupport.h"
#include "host/Compat_win.h"
#include "host/Host_win.h"
#include "setting_files/SettingFile.h"
#include "window/Form1_win.h"

namespace morvane {
namespace {

using morvane_test::readFileBytes;
using morvane_test::waitFor;

std::string textOf(HWND window) {
  char buffer[512] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

// Runs the form's message loop for a while, as WinMain's loop would.
void pump(Form1& form, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  MSG message;
  while (GetTickCount() - start < milliseconds) {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (form.translate(message))
        continue;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(10);
  }
}

void pressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    INPUT down = {};
    down.type = INPUT_KEYBOARD;
    down.ki.wVk = key;
    inputs.push_back(down);
  }
  for (auto it = keys.end(); it != keys.begin();) {
    INPUT up = {};
    up.type = INPUT_KEYBOARD;
    up.ki.wVk = *--it;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(up);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// The real host needs the window as owner of its message boxes and dialogs; a fake does not.
void ownBy(Win32Host& host, HWND window) {
  host.setOwner(window);
}
void ownBy(Host&, HWND) {}

// Form1 made and shown as WinMain makes it, over the host it is given.
template <class HostType>
class FormWith : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(form_.create(GetModuleHandleA(nullptr)));
    ownBy(host_, form_.window());
    form_.show();
    pump(form_, 100);
  }
  HWND c(Ctl id) { return form_.control(id); }
  void click(Ctl id) { SendMessageA(c(id), BM_CLICK, 0, 0); }
  // Replaces a box's whole text in one edit, as pasting over a selection does.
  void paste(Ctl id, const std::string& text) {
    SendMessageA(c(id), EM_SETSEL, 0, -1);
    SendMessageA(c(id), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  }
  void selectTab(int tab) { SendMessageA(c(Ctl::SSTab1), TCM_SETCURSEL, tab, 0); }
  // A scroll bar reports to the window it sits in, with itself as lParam.
  void scroll(Ctl id, int code, int position = 0) {
    SendMessageA(GetParent(c(id)), WM_HSCROLL, MAKEWPARAM(code, position),
                 reinterpret_cast<LPARAM>(c(id)));
  }
  int position(Ctl id) { return static_cast<int>(SendMessageA(c(id), SBM_GETPOS, 0, 0)); }
  int check(Ctl id) { return static_cast<int>(SendMessageA(c(id), BM_GETCHECK, 0, 0)); }

  HostType host_;
  Form1 form_{host_};
};

using Window = FormWith<RecordingHost>;

struct Expected {
  Ctl id;
  const char* text;
  int value;  // check state or slider position; -1 where there is none
};

TEST_F(Window, EveryControlStartsWithItsTextValueAndPlace) {
  const Expected table[] = {
      {Ctl::Command6, "Run App", -1},
      {Ctl::Command1, "Apply", -1},
      {Ctl::Command2, "Close", -1},
      {Ctl::Label8, "Morvane", -1},
      {Ctl::Label2, "Here is where you save && load settings for certain applications", -1},
      {Ctl::Label3, "Setting Name :", -1},
      {Ctl::Combo1, "Your Changed Settings", -1},
      {Ctl::Command3, "Save Setting File", -1},
      {Ctl::Command4, "Load Setting File", -1},
      {Ctl::Label4, "Application to run (if any)", -1},
      {Ctl::Text1, "", -1},
      {Ctl::Command5, "...", -1},
      {Ctl::Check1, "Do not wait after doing 3D operations", 0},
      {Ctl::Check2,
       "Page Flipping - Faster but may not work in all programs or may flicker too much", 0},
      {Ctl::Check3, "Use Fast Colour Fills", 0},
      {Ctl::Label6, "F A S T", -1},
      {Ctl::Label12, "S L O W", -1},
      {Ctl::Label14, "S L O W", -1},
      {Ctl::Label15, "F A S T", -1},
      {Ctl::Text2, "0", -1},
      {Ctl::Check4, "Sub Division Speed Boost (Not very much)", 0},
      {Ctl::HScroll1, "", 10},
      {Ctl::HScroll2, "", 0},
  };
  for (const Expected& e : table) {
    SCOPED_TRACE(testing::Message() << "row " << static_cast<int>(e.id) << ", " << e.text);
    ASSERT_NE(c(e.id), nullptr);
    EXPECT_EQ(textOf(c(e.id)), e.text);
    if (e.value >= 0) {
      const bool slider = entryOf(e.id).kind == Kind::scroll;
      EXPECT_EQ(slider ? position(e.id) : check(e.id), e.value);
    }
  }
  EXPECT_EQ(textOf(c(Ctl::Label9)).rfind("This application allows you to change settings", 0), 0u);
  EXPECT_EQ(textOf(c(Ctl::Label13)).rfind("The next setting directly affects", 0), 0u);

  // Every windowed control of the table stands where the table puts it, scaled for the DPI: its
  // size, and its place within its container's client area. A control on a tab page is placed
  // from the tab control's corner, as the layout was drawn, wherever the page itself begins.
  const int dpi = form_.dpi();
  const auto px = [dpi](int twips) { return MulDiv(twips, dpi, kTwipsPerInch); };
  RECT tab;
  GetWindowRect(c(Ctl::SSTab1), &tab);
  for (int i = 0; i < kControlCount; ++i) {
    const ControlEntry& entry = kControls[i];
    if (entry.kind == Kind::image)
      continue;  // windowless
    SCOPED_TRACE(testing::Message() << "row " << i << ", " << entry.text);
    HWND window = c(entry.id);
    ASSERT_NE(window, nullptr);
    RECT rect;
    GetWindowRect(window, &rect);
    POINT origin = {0, 0};
    if (isPage(entry.container)) {
      origin = {tab.left, tab.top};
    } else {
      ClientToScreen(GetParent(window), &origin);
    }
    EXPECT_EQ(rect.left - origin.x, px(entry.left));
    EXPECT_EQ(rect.top - origin.y, px(entry.top));
    EXPECT_EQ(rect.right - rect.left, px(entry.left + entry.width) - px(entry.left));
    if (entry.kind != Kind::combo) {  // a combo box's height includes its list
      EXPECT_EQ(rect.bottom - rect.top, px(entry.top + entry.height) - px(entry.top));
    }
  }

  // The window: its caption, no system menu, off the taskbar, its client area, Welcome first.
  EXPECT_EQ(textOf(form_.window()), "Morvane");
  const LONG style = GetWindowLongA(form_.window(), GWL_STYLE);
  EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
  EXPECT_NE(GetWindow(form_.window(), GW_OWNER), nullptr);
  RECT client;
  GetClientRect(form_.window(), &client);
  EXPECT_EQ(client.right, px(kFormWidth));
  EXPECT_EQ(client.bottom, px(kFormHeight));
  EXPECT_EQ(form_.selectedTab(), 0);
  EXPECT_TRUE(IsWindowVisible(c(Ctl::Label9)));
  EXPECT_FALSE(IsWindowVisible(c(Ctl::Check1)));
}

TEST_F(Window, NumberBoxAndSliderFollowEachOther) {
  selectTab(2);
  paste(Ctl::Text2, "");
  for (char digit : std::string("128")) {  // each key on the way moves the slider
    SendMessageA(c(Ctl::Text2), WM_CHAR, digit, 0);
    EXPECT_EQ(textOf(c(Ctl::Text2)), std::to_string(position(Ctl::HScroll2)));
  }
  EXPECT_EQ(position(Ctl::HScroll2), 128);
  for (const char* typed : {"300", "letters", "", "-1"}) {
    SCOPED_TRACE(typed);
    paste(Ctl::Text2, typed);
    EXPECT_EQ(position(Ctl::HScroll2), 128);
    EXPECT_EQ(textOf(c(Ctl::Text2)), typed);  // the box keeps what was typed
  }
  // Dragging updates the box at every step; arrows and the track move by one.
  for (int step : {40, 41, 42}) {
    scroll(Ctl::HScroll2, SB_THUMBTRACK, step);
    EXPECT_EQ(textOf(c(Ctl::Text2)), std::to_string(step));
  }
  scroll(Ctl::HScroll2, SB_THUMBPOSITION, 42);
  scroll(Ctl::HScroll2, SB_LINERIGHT);
  EXPECT_EQ(textOf(c(Ctl::Text2)), "43");
  scroll(Ctl::HScroll2, SB_PAGELEFT);
  scroll(Ctl::HScroll2, SB_PAGELEFT);
  EXPECT_EQ(position(Ctl::HScroll2), 41);
  EXPECT_EQ(textOf(c(Ctl::Text2)), "41");
  scroll(Ctl::HScroll2, SB_RIGHT);
  EXPECT_EQ(textOf(c(Ctl::Text2)), "256");
  scroll(Ctl::HScroll2, SB_LINERIGHT);  // already at the end
  EXPECT_EQ(position(Ctl::HScroll2), 256);

  // HScroll1 changes nothing else.
  scroll(Ctl::HScroll1, SB_LINELEFT);
  EXPECT_EQ(position(Ctl::HScroll1), 9);
  EXPECT_EQ(position(Ctl::HScroll2), 256);
  EXPECT_EQ(textOf(c(Ctl::Text2)), "256");
  // The rule refuses before the control could clamp.
  EXPECT_FALSE(form_.setNumber(Field::texPerspLevel, 11));
  EXPECT_FALSE(form_.setNumber(Field::quad2Linear, 257));
  EXPECT_FALSE(form_.setNumber(Field::quad2Linear, -1));
  EXPECT_EQ(position(Ctl::HScroll1), 9);
  EXPECT_EQ(position(Ctl::HScroll2), 256);
}

// The face a control's font asks for and the face the system gave it.
std::pair<std::string, std::string> facesOf(HWND control) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  LOGFONTA asked = {};
  GetObjectA(font, sizeof asked, &asked);
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, font);
  char given[LF_FACESIZE] = {};
  GetTextFaceA(dc, sizeof given, given);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return {asked.lfFaceName, given};
}

TEST_F(Window, EveryFaceAskedForIsOneOfWinesOwnNotALinuxSubstitute) {
  // A Linux substitute has other metrics, so labels lose lines.
  const struct {
    Ctl control;
    const char* face;
  } cases[] = {
      {Ctl::Label8, "Tahoma"},         // bold, 8.25 point
      {Ctl::Label9, "Tahoma"},         // 8.25 point
      {Ctl::Label1, "Tahoma"},         // 6.75 point
      {Ctl::Check2, "MS Sans Serif"},  // the dialog font, on every other control
      {Ctl::Text2, "MS Sans Serif"},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(testing::Message() << "row " << static_cast<int>(row.control));
    EXPECT_EQ(facesOf(c(row.control)).first, row.face);
  }
  for (int i = 0; i < kControlCount; ++i) {
    HWND control = c(kControls[i].id);
    if (!control || !SendMessageA(control, WM_GETFONT, 0, 0))
      continue;  // no text of its own
    SCOPED_TRACE(testing::Message() << "row " << i << ", " << kControls[i].text);
    const auto faces = facesOf(control);
    EXPECT_EQ(faces.second, faces.first);
  }
}

TEST_F(Window, NumberBoxShowsTheSlidersValueOnceTheUserMovesOn) {
  selectTab(2);
  ASSERT_TRUE(form_.setNumber(Field::quad2Linear, 128));
  const struct {
    const char* typed;
    int slider;         // where the slider stands after the typing
    const char* shown;  // what the box shows after Tab has taken the focus away
  } cases[] = {
      {"2567", 128, "128"}, {"1e2", 128, "128"}, {"abc", 128, "128"},
      {"", 128, "128"},     {"77", 77, "77"},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.typed);
    SetFocus(c(Ctl::Text2));
    paste(Ctl::Text2, row.typed);
    pump(form_, 50);
    EXPECT_EQ(textOf(c(Ctl::Text2)), row.typed);  // typing stays free while the box has the focus
    pressKeys({VK_TAB});
    pump(form_, 150);
    ASSERT_NE(GetFocus(), c(Ctl::Text2));
    EXPECT_EQ(position(Ctl::HScroll2), row.slider);
    EXPECT_EQ(textOf(c(Ctl::Text2)), row.shown);
  }

  // A long paste is cut at the box's limit at once.
  SetFocus(c(Ctl::Text2));
  paste(Ctl::Text2, std::string(100000, '1'));
  EXPECT_EQ(textOf(c(Ctl::Text2)), std::string(kNumberBoxLimit, '1'));
  EXPECT_EQ(position(Ctl::HScroll2), 77);
}

TEST_F(Window, CheckBoxClicksToggleAndCheckAGrayedBox) {
  selectTab(1);
  click(Ctl::Check1);
  EXPECT_EQ(check(Ctl::Check1), BST_CHECKED);
  click(Ctl::Check1);
  EXPECT_EQ(check(Ctl::Check1), BST_UNCHECKED);
  ASSERT_TRUE(form_.setNumber(Field::pageFlipping, 2));
  EXPECT_EQ(check(Ctl::Check2), BST_INDETERMINATE);
  click(Ctl::Check2);
  EXPECT_EQ(check(Ctl::Check2), BST_CHECKED);
}

TEST_F(Window, SaveAndLoadThroughTheWindowAndCancelledDialogsChangeNothing) {
  selectTab(1);
  const std::string file = std::string(settingFileHeader) + "\r\n" + std::string(50, '-') +
                           "\r\n\r\n2\r\n1\r\n0\r\n4\r\n200\r\n1\r\nQuake\r\nC:\\q\\q.exe\r\n";
  host_.files["C:\\in.mvs"] = file;
  host_.dialogAnswers = {"C:\\in.mvs", "C:\\out", "C:\\Games\\doom.exe"};
  click(Ctl::Command4);
  EXPECT_EQ(check(Ctl::Check1), BST_INDETERMINATE);  // a 2 shows grayed
  EXPECT_EQ(check(Ctl::Check2), BST_CHECKED);
  EXPECT_EQ(check(Ctl::Check3), BST_UNCHECKED);
  EXPECT_EQ(position(Ctl::HScroll1), 4);
  EXPECT_EQ(position(Ctl::HScroll2), 200);
  EXPECT_EQ(textOf(c(Ctl::Text2)), "200");  // loading moves the slider, so the box follows
  EXPECT_EQ(check(Ctl::Check4), BST_CHECKED);
  EXPECT_EQ(textOf(c(Ctl::Combo1)), "Quake");
  EXPECT_EQ(textOf(c(Ctl::Text1)), "C:\\q\\q.exe");

  click(Ctl::Command3);
  EXPECT_EQ(host_.files["C:\\out"], file);
  click(Ctl::Command5);
  EXPECT_EQ(textOf(c(Ctl::Text1)), "C:\\Games\\doom.exe");

  // No answers left: every dialog is cancelled.
  const std::size_t files = host_.files.size();
  click(Ctl::Command3);
  click(Ctl::Command4);
  click(Ctl::Command5);
  EXPECT_EQ(host_.files.size(), files);
  EXPECT_TRUE(host_.messages.empty());
  EXPECT_EQ(position(Ctl::HScroll2), 200);
  EXPECT_EQ(textOf(c(Ctl::Text1)), "C:\\Games\\doom.exe");
  ASSERT_EQ(host_.dialogRequests.size(), 6u);
  EXPECT_EQ(host_.dialogRequests[0].title, "Open Settings");
  EXPECT_EQ(host_.dialogRequests[1].title, "Save Settings");
  EXPECT_EQ(host_.dialogRequests[2].title, "Select Application...");
}

TEST_F(Window, KeyboardSwitchesTabsMovesFocusAndPressesButtons) {
  SetFocus(c(Ctl::SSTab1));
  pressKeys({VK_CONTROL, VK_TAB});
  pump(form_, 300);
  EXPECT_EQ(form_.selectedTab(), 1);
  EXPECT_TRUE(IsWindowVisible(c(Ctl::Check1)));
  pressKeys({VK_CONTROL, VK_SHIFT, VK_TAB});
  pressKeys({VK_CONTROL, VK_SHIFT, VK_TAB});
  pump(form_, 300);
  EXPECT_EQ(form_.selectedTab(), 2);

  // Tab walks the controls of the shown page, then the tab strip and the buttons; Shift+Tab
  // walks back.
  SetFocus(c(Ctl::Check4));
  const Ctl order[] = {Ctl::SSTab1, Ctl::Command6, Ctl::Command1, Ctl::Command2, Ctl::HScroll1};
  for (Ctl next : order) {
    pressKeys({VK_TAB});
    pump(form_, 150);
    EXPECT_EQ(GetFocus(), c(next)) << "row " << static_cast<int>(next);
  }
  for (Ctl back : {Ctl::Command2, Ctl::Command1, Ctl::Command6, Ctl::SSTab1, Ctl::Check4}) {
    pressKeys({VK_SHIFT, VK_TAB});
    pump(form_, 150);
    EXPECT_EQ(GetFocus(), c(back)) << "row " << static_cast<int>(back);
  }
  pressKeys({VK_SPACE});
  pump(form_, 200);
  EXPECT_EQ(check(Ctl::Check4), BST_CHECKED);

  // Enter and Space press the focused button; Alt+F4 acts as "Close".
  host_.dialogAnswers = {"", ""};
  selectTab(1);
  SetFocus(c(Ctl::Command5));
  pressKeys({VK_RETURN});
  pump(form_, 200);
  SetFocus(c(Ctl::Command4));
  pressKeys({VK_SPACE});
  pump(form_, 200);
  ASSERT_EQ(host_.dialogRequests.size(), 2u);
  EXPECT_EQ(host_.dialogRequests[0].title, "Select Application...");
  EXPECT_EQ(host_.dialogRequests[1].title, "Open Settings");
  pressKeys({VK_MENU, VK_F4});
  pump(form_, 200);
  EXPECT_TRUE(host_.ended);
}

// A file list as the shell hands it to the window it is dropped on: DROPFILES followed by the
// names, each ended by a NUL, and one more NUL after the last.
HDROP shellDrop(const std::vector<std::string>& paths) {
  std::string names;
  for (const std::string& path : paths)
    names += path + '\0';
  names += '\0';
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
  auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
  files->pFiles = sizeof(DROPFILES);
  files->pt = {40, 40};
  files->fNC = FALSE;
  files->fWide = FALSE;
  memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), names.data(), names.size());
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

TEST_F(Window, DroppedSettingFileLoadsAndAnyOtherFileFillsTheApplication) {
  EXPECT_NE(GetWindowLongA(form_.window(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
  const std::string body =
      std::string(50, '-') + "\r\n\r\n2\r\n1\r\n0\r\n4\r\n200\r\n1\r\nDropped\r\nC:\\q\\q.exe\r\n";
  host_.files["C:\\drop\\quake.mvs"] = std::string(settingFileHeader) + "\r\n" + body;
  host_.files["C:\\drop\\other.mvs"] = "Not the header\r\n" + body;
  auto drop = [&](const std::vector<std::string>& paths) {
    PostMessageA(form_.window(), WM_DROPFILES, reinterpret_cast<WPARAM>(shellDrop(paths)), 0);
    pump(form_, 100);
  };

  // An application first: only its box changes.
  drop({"C:\\Games\\doom.exe"});
  EXPECT_EQ(textOf(c(Ctl::Text1)), "C:\\Games\\doom.exe");
  EXPECT_EQ(textOf(c(Ctl::Combo1)), "Your Changed Settings");
  EXPECT_EQ(position(Ctl::HScroll1), 10);
  EXPECT_EQ(check(Ctl::Check1), BST_UNCHECKED);

  // Several at once: the first counts, and a setting file loads all eight values.
  drop({"C:\\drop\\quake.mvs", "C:\\Games\\doom2.exe"});
  EXPECT_EQ(check(Ctl::Check1), BST_INDETERMINATE);
  EXPECT_EQ(check(Ctl::Check2), BST_CHECKED);
  EXPECT_EQ(check(Ctl::Check3), BST_UNCHECKED);
  EXPECT_EQ(position(Ctl::HScroll1), 4);
  EXPECT_EQ(position(Ctl::HScroll2), 200);
  EXPECT_EQ(textOf(c(Ctl::Text2)), "200");
  EXPECT_EQ(check(Ctl::Check4), BST_CHECKED);
  EXPECT_EQ(textOf(c(Ctl::Combo1)), "Dropped");
  EXPECT_EQ(textOf(c(Ctl::Text1)), "C:\\q\\q.exe");
  EXPECT_TRUE(host_.messages.empty());

  // A wrong first line: the message once, as "Load Setting File" shows it.
  drop({"C:\\drop\\other.mvs"});
  EXPECT_EQ(host_.messages, std::vector<std::string>{invalidSettingFileMessage});
}

// The real host, counting what it is asked to start.
class CountingHost : public Win32Host {
 public:
  std::atomic<int> imports{0};
  bool startProgram(const std::string& application, const std::string& commandLine, WindowMode mode,
                    ProcessId* started) override {
    if (commandLine.rfind("regedit ", 0) == 0)
      ++imports;
    return Win32Host::startProgram(application, commandLine, mode, started);
  }
};

const char* const kDriverValuesWithPageFlipping =
    "u32SubDivide=dword:0\nu32TexPerspLevel=sz:10\nu32Quad2Linear=dword:0\n"
    "DoNotWaitAfter3DOps=dword:0\nPageFlipping=dword:1\nUseFastColorFill=dword:0\n";

class RealHostWindow : public FormWith<CountingHost> {
 protected:
  void SetUp() override {
    FormWith::SetUp();
    morvane_test::deleteDriverKeys();
  }
};

TEST_F(RealHostWindow, EnterOnApplyReachesTheRegistryExactlyOnce) {
  SendMessageA(c(Ctl::SSTab1), TCM_SETCURSEL, 1, 0);
  SendMessageA(c(Ctl::Check2), BM_CLICK, 0, 0);
  // Enter on the focused "Apply": Apply's own keystroke must not land on the button again.
  SetForegroundWindow(form_.window());
  SetFocus(c(Ctl::Command1));
  pressKeys({VK_RETURN});
  pump(form_, 2500);
  EXPECT_EQ(host_.imports.load(), 1);
  waitFor([] { return morvane_test::driverValues() == kDriverValuesWithPageFlipping; }, 10000);
  EXPECT_EQ(morvane_test::driverValues(), kDriverValuesWithPageFlipping);
}

// The window as it runs where the newer functions are missing (Windows 95 and NT 4 before
// SP3): the common controls, the focus check and the keystroke all take their fallbacks.
class RealHostWindowWithoutNewerFunctions : public RealHostWindow {
 protected:
  void SetUp() override {
    compatFunctions().sendInput = nullptr;
    compatFunctions().getGUIThreadInfo = nullptr;
    compatFunctions().initCommonControlsEx = nullptr;
    RealHostWindow::SetUp();
  }
  void TearDown() override { compatFunctions() = saved_; }
  const CompatFunctions saved_ = compatFunctions();
};

TEST_F(RealHostWindowWithoutNewerFunctions, ApplyAndRunAppFromTheWindow) {
  EXPECT_EQ(SendMessageA(c(Ctl::SSTab1), TCM_GETITEMCOUNT, 0, 0), 3);
  SendMessageA(c(Ctl::SSTab1), TCM_SETCURSEL, 1, 0);
  SendMessageA(c(Ctl::Check2), BM_CLICK, 0, 0);
  SetForegroundWindow(form_.window());
  SetFocus(c(Ctl::Command1));
  pressKeys({VK_RETURN});
  pump(form_, 2500);
  EXPECT_EQ(host_.imports.load(), 1);
  waitFor([] { return morvane_test::driverValues() == kDriverValuesWithPageFlipping; }, 10000);
  EXPECT_EQ(morvane_test::driverValues(), kDriverValuesWithPageFlipping);

  const std::string out = morvane_test::binDir() + "probe out.txt";
  DeleteFileA(out.c_str());
  SetEnvironmentVariableA("MORVANE_PROBE_OUT", out.c_str());
  SetWindowTextA(c(Ctl::Text1), (morvane_test::binDir() + "probe.exe").c_str());
  SendMessageA(c(Ctl::Command6), BM_CLICK, 0, 0);
  pump(form_, 500);
  EXPECT_EQ(host_.imports.load(), 2);
  EXPECT_TRUE(waitFor([&] { return readFileBytes(out) != "<missing>"; }, 10000))
      << "Run App did not start the application";
  DeleteFileA(out.c_str());
}

TEST_F(RealHostWindow, TheSystemOpenDialogLoadsTheChosenFile) {
  const std::string path = morvane_test::binDir() + "dialog test.mvs";
  ASSERT_TRUE(morvane_test::writeFileBytes(
      path, std::string(settingFileHeader) + "\r\n" + std::string(50, '-') +
                "\r\n\r\n1\r\n1\r\n1\r\n2\r\n77\r\n0\r\nFrom the dialog\r\n\r\n"));
  std::atomic<bool> answered{false};
  std::thread user([&] {
    // Find the dialog, type the path into its file name box, and confirm.
    HWND dialog = nullptr;
    waitFor(
        [&] {
          return (dialog = morvane_test::findWindowOf(GetCurrentProcessId(), "#32770",
                                                      "Open Settings")) != nullptr;
        },
        15000);
    if (!dialog)
      return;
    Sleep(300);
    HWND name = GetDlgItem(dialog, 0x47C);  // the file name box
    if (!name)
      name = GetDlgItem(dialog, 0x480);
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    answered = true;
  });
  SendMessageA(c(Ctl::SSTab1), TCM_SETCURSEL, 1, 0);
  SendMessageA(c(Ctl::Command4), BM_CLICK, 0, 0);  // returns once the dialog is closed
  user.join();
  ASSERT_TRUE(answered.load());
  EXPECT_EQ(SendMessageA(c(Ctl::HScroll2), SBM_GETPOS, 0, 0), 77);
  EXPECT_EQ(textOf(c(Ctl::Text2)), "77");
  EXPECT_EQ(textOf(c(Ctl::Combo1)), "From the dialog");
  EXPECT_EQ(SendMessageA(c(Ctl::Check3), BM_GETCHECK, 0, 0), BST_CHECKED);
  DeleteFileA(path.c_str());
}

}  // namespace
}  // namespace morvane
