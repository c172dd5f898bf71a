// The two kernel32 calls the logic makes directly.
#include "host/Host_win.h"

namespace morvane {

unsigned Win32Host::GetWindowsDirectoryA(char* buffer, unsigned capacity) {
  return ::GetWindowsDirectoryA(buffer, capacity);
}

void Win32Host::Sleep(unsigned milliseconds) {
  ::Sleep(milliseconds);
}

}  // namespace morvane
