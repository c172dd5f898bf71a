// The program's entry: Form1 is made with its initial values, the start-up runs against it, and
// only then, when the command line was empty, is it shown.
#include <windows.h>

#include "host/Host_win.h"
#include "launch/Startup.h"
#include "window/Form1_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  morvane::Win32Host host;
  morvane::Form1 form(host);
  if (!form.create(instance))
    return 1;
  host.setOwner(form.window());
  morvane::Form_Load(form, host);  // with a setting file, this ends the process
  form.show();
  return form.run();
}
