// The fallbacks for functions that older Windows lack, run here with the function made absent
// through the host's table of run-time lookups.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>

#include "WineTestSupport.h"
#include "host/Compat_win.h"

namespace morvane {
namespace {

using morvane_test::waitFor;

// Each test runs with the newer functions present, then with them absent.
class Compat : public ::testing::Test {
 protected:
  void TearDown() override { compatFunctions() = saved_; }
  static void makeAbsent() {
    compatFunctions().sendInput = nullptr;
    compatFunctions().getGUIThreadInfo = nullptr;
    compatFunctions().initCommonControlsEx = nullptr;
  }
  const CompatFunctions saved_ = compatFunctions();
};

const char* way(bool present) {
  return present ? "newer functions present" : "newer functions absent";
}

// A top-level window holding one edit box, which takes the focus; it records the Enter key's
// messages that reach the box.
struct FocusWindow {
  HWND frame = nullptr;
  HWND box = nullptr;
  static std::atomic<int> enterDown, enterUp;
  static WNDPROC original;

  static LRESULT CALLBACK boxProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (w == VK_RETURN && message == WM_KEYDOWN)
      ++enterDown;
    if (w == VK_RETURN && message == WM_KEYUP)
      ++enterUp;
    return CallWindowProcA(original, window, message, w, l);
  }

  FocusWindow() {
    frame = CreateWindowExA(0, "STATIC", "focus test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                            300, 200, nullptr, nullptr, nullptr, nullptr);
    box = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 10, 200, 24, frame, nullptr,
                          nullptr, nullptr);
    original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(boxProc)));
    SetForegroundWindow(frame);
    SetFocus(box);
  }
  // Left to the end of the process: destroying a shown window costs two seconds under Wine.
};
std::atomic<int> FocusWindow::enterDown{0}, FocusWindow::enterUp{0};
WNDPROC FocusWindow::original = nullptr;

void pumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  MSG message;
  while (GetTickCount() - start < milliseconds) {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(10);
  }
}

TEST_F(Compat, FocusedWindowIsFoundInThisThreadAndInAnother) {
  FocusWindow own;
  pumpFor(100);
  for (bool present : {true, false}) {
    SCOPED_TRACE(way(present));
    compatFunctions() = saved_;
    if (!present)
      makeAbsent();
    EXPECT_EQ(focusedWindow(), own.box) << "in this thread";
  }
  // The real case: the focus is in another program's window.
  std::atomic<HWND> box{nullptr};
  std::atomic<bool> done{false};
  std::thread other([&] {
    FocusWindow theirs;
    box = theirs.box;
    while (!done) {
      MSG message;
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
      Sleep(10);
    }
  });
  ASSERT_TRUE(waitFor([&] { return box.load() && GetForegroundWindow() == GetParent(box); }, 5000));
  for (bool present : {true, false}) {
    SCOPED_TRACE(way(present));
    compatFunctions() = saved_;
    if (!present)
      makeAbsent();
    EXPECT_EQ(focusedWindow(), box.load()) << "in another thread";
  }
  done = true;
  other.join();
}

TEST_F(Compat, PressEnterDeliversAKeyDownAndAKeyUp) {
  FocusWindow window;
  ASSERT_TRUE(waitFor(
      [&] {
        SetForegroundWindow(window.frame);
        SetFocus(window.box);
        pumpFor(20);
        return GetForegroundWindow() == window.frame && GetFocus() == window.box;
      },
      5000));
  for (bool present : {true, false}) {
    SCOPED_TRACE(way(present));
    if (!present)
      makeAbsent();
    FocusWindow::enterDown = FocusWindow::enterUp = 0;
    EXPECT_TRUE(pressEnter());
    waitFor(
        [] {
          pumpFor(20);
          return FocusWindow::enterUp > 0;
        },
        3000);
    EXPECT_EQ(FocusWindow::enterDown.load(), 1);
    EXPECT_EQ(FocusWindow::enterUp.load(), 1);
  }
}

TEST_F(Compat, RootWindowIsTheTopLevelWindowOfAnyChild) {
  HWND top = CreateWindowExA(0, "STATIC", "root test", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                             nullptr, nullptr, nullptr);
  HWND middle =
      CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 50, 50, top, nullptr, nullptr, nullptr);
  HWND inner =
      CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, middle, nullptr, nullptr, nullptr);
  // An owned pop-up is a window of its own, not a part of its owner.
  HWND owned =
      CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, top, nullptr, nullptr, nullptr);
  const struct {
    const char* what;
    HWND window, root;
  } cases[] = {{"top-level", top, top},
               {"child", middle, top},
               {"grandchild", inner, top},
               {"owned pop-up", owned, owned}};
  for (const auto& c : cases)
    EXPECT_EQ(rootWindow(c.window), c.root) << c.what;
  DestroyWindow(owned);
  DestroyWindow(top);
}

}  // namespace
}  // namespace morvane
