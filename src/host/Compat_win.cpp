#include "host/Compat_win.h"

namespace morvane {

namespace {

template <typename Function>
void lookUp(Function& function, HMODULE module, const char* name) {
  function =
      module
          ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)))
          : nullptr;
}

// The module a function was linked from: the comctl32 the loader bound, which with the
// manifest's activation context is not necessarily the one a name lookup would find.
HMODULE moduleOf(const void* address) {
  MEMORY_BASIC_INFORMATION region = {};
  if (!VirtualQuery(address, &region, sizeof region))
    return nullptr;
  return static_cast<HMODULE>(region.AllocationBase);
}

CompatFunctions lookUpAll() {
  CompatFunctions functions;
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;
  if (GetVersionExA(&version))
    functions.platformId = version.dwPlatformId;
  HMODULE user = GetModuleHandleA("user32.dll");
  lookUp(functions.sendInput, user, "SendInput");
  lookUp(functions.getGUIThreadInfo, user, "GetGUIThreadInfo");
  lookUp(functions.initCommonControlsEx,
         moduleOf(reinterpret_cast<const void*>(&InitCommonControls)), "InitCommonControlsEx");
  return functions;
}

}  // namespace

CompatFunctions& compatFunctions() {
  static CompatFunctions functions = lookUpAll();
  return functions;
}

bool isWindows9x() {
  return compatFunctions().platformId == VER_PLATFORM_WIN32_WINDOWS;
}

bool pressEnter() {
  if (auto sendInput = compatFunctions().sendInput) {
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_RETURN;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return sendInput(2, keys, sizeof(INPUT)) == 2;
  }
  // Windows 95 and NT 4 before SP3: the older call, which reports nothing.
  const BYTE scan = static_cast<BYTE>(MapVirtualKeyA(VK_RETURN, 0));
  keybd_event(VK_RETURN, scan, 0, 0);
  keybd_event(VK_RETURN, scan, KEYEVENTF_KEYUP, 0);
  return true;
}

HWND focusedWindow() {
  if (auto getInfo = compatFunctions().getGUIThreadInfo) {
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    return getInfo(0, &gui) ? gui.hwndFocus : nullptr;
  }
  HWND foreground = GetForegroundWindow();
  if (!foreground)
    return nullptr;
  const DWORD thread = GetWindowThreadProcessId(foreground, nullptr);
  const DWORD self = GetCurrentThreadId();
  if (thread == self)
    return GetFocus();
  // GetFocus answers for the calling thread's input state only. Sharing the foreground thread's
  // for a moment lets it answer for that thread.
  if (!AttachThreadInput(self, thread, TRUE))
    return nullptr;
  HWND focus = GetFocus();
  AttachThreadInput(self, thread, FALSE);
  return focus;
}

void initCommonControls() {
  if (auto initEx = compatFunctions().initCommonControlsEx) {
    INITCOMMONCONTROLSEX common = {sizeof common, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    if (initEx(&common))
      return;
  }
  // Every comctl32 registers the tab control here.
  InitCommonControls();
}

HWND rootWindow(HWND window) {
  while (window && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) {
    HWND parent = GetParent(window);
    if (!parent)
      break;
    window = parent;
  }
  return window;
}

}  // namespace morvane
