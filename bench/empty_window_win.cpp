// The yardstick for an interactive start: a bare Win32 program that shows an empty window of
// Morvane's size (at 96 DPI) and waits in its message loop.
#include <windows.h>

namespace {

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_DESTROY)
    PostQuitMessage(0);
  return DefWindowProcA(window, message, w, l);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA type = {};
  type.lpfnWndProc = procedure;
  type.hInstance = instance;
  type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  type.lpszClassName = "EmptyWindow";
  RegisterClassA(&type);
  RECT outer = {0, 0, 329, 352};
  AdjustWindowRectEx(&outer, WS_POPUP | WS_CAPTION, FALSE, WS_EX_DLGMODALFRAME);
  HWND window = CreateWindowExA(WS_EX_DLGMODALFRAME, "EmptyWindow", "Empty", WS_POPUP | WS_CAPTION,
                                100, 100, outer.right - outer.left, outer.bottom - outer.top,
                                nullptr, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0)
    DispatchMessageA(&message);
  return 0;
}
