#include <windows.h>

#include "driver_settings/DriverSettings.h"
#include "host/Host_win.h"
#include "launch/Startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  morvane::Win32Host host;
  morvane::MemorySettings settings;
  morvane::Form_Load(settings, host);
  return 0;
}
