// For the screenshot script: starts Morvane, shows tab N (0, 1 or 2), holds it for the given
// number of milliseconds while the picture is taken, then ends Morvane.
//   select_tab.exe <morvane.exe> <N> <milliseconds>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "window/Layout_win.h"

int main(int argc, char** argv) {
  if (argc != 4)
    return 2;
  std::string line = std::string("\"") + argv[1] + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return 3;
  }
  int code = 1;
  for (int tries = 0; tries < 100; ++tries) {
    HWND form = FindWindowA("MorvaneForm1", "Morvane");
    HWND tab =
        form ? GetDlgItem(form, morvane::kFirstControlId + static_cast<int>(morvane::Ctl::SSTab1))
             : nullptr;
    if (tab && IsWindowVisible(form)) {
      SendMessageA(tab, 0x130C /* TCM_SETCURSEL */, std::atoi(argv[2]), 0);
      Sleep(std::atoi(argv[3]));
      code = 0;
      break;
    }
    Sleep(100);
  }
  TerminateProcess(process.hProcess, 0);
  return code;
}
