// What differs between the 32-bit Windows the exe runs on, from 95 to 11: the few functions that
// not every one of them has are looked up when first wanted, and each has a fallback that works
// where it is missing.
#pragma once

#include <windows.h>
// windows.h first: commctrl.h relies on it.
#include <commctrl.h>

namespace morvane {

// The run-time lookups, filled on first use. Tests null an entry to run its fallback, or set
// the platform id to take the Windows 95/98/ME way on an NT system.
struct CompatFunctions {
  DWORD platformId = VER_PLATFORM_WIN32_NT;
  // user32 of Windows 98 and NT 4 SP3 and later.
  UINT(WINAPI* sendInput)(UINT count, INPUT* inputs, int size) = nullptr;
  BOOL(WINAPI* getGUIThreadInfo)(DWORD thread, GUITHREADINFO* info) = nullptr;
  // comctl32 4.70 and later (Internet Explorer 3); Windows 95 came with 4.00.
  BOOL(WINAPI* initCommonControlsEx)(const INITCOMMONCONTROLSEX* init) = nullptr;
};

CompatFunctions& compatFunctions();

// Windows 95, 98 and ME, where some functions exist only as stubs that fail (MoveFileEx and most
// wide-character ones).
bool isWindows9x();

// One Enter, down and up, into the system's input stream.
bool pressEnter();

// The window that has the keyboard focus, in whichever thread or process owns the foreground;
// null when none has.
HWND focusedWindow();

// Registers the common control classes the window uses (the tab control).
void initCommonControls();

// The top-level window a child window belongs to (itself when it is one).
HWND rootWindow(HWND window);

}  // namespace morvane
