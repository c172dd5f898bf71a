// The yardstick for command-line mode: a bare Win32 program that only sleeps half a second.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Sleep(500);
  return 0;
}
