// Stands in for a game: records the directory it was started in and its command line, one per
// line, in the file named by MORVANE_PROBE_OUT, then exits. Before that it waits, if asked:
// MORVANE_PROBE_DELAY_MS milliseconds, and until the named event MORVANE_PROBE_HOLD is set
// (60 s at most).
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char out[MAX_PATH] = {};
  if (!GetEnvironmentVariableA("MORVANE_PROBE_OUT", out, MAX_PATH))
    return 1;
  char wait[MAX_PATH] = {};
  if (GetEnvironmentVariableA("MORVANE_PROBE_DELAY_MS", wait, MAX_PATH))
    Sleep(static_cast<DWORD>(std::strtoul(wait, nullptr, 10)));
  if (GetEnvironmentVariableA("MORVANE_PROBE_HOLD", wait, MAX_PATH)) {
    if (HANDLE hold = OpenEventA(SYNCHRONIZE, FALSE, wait)) {
      WaitForSingleObject(hold, 60000);
      CloseHandle(hold);
    }
  }
  char directory[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, directory);
  FILE* file = std::fopen(out, "wb");
  if (!file)
    return 2;
  std::fprintf(file, "%s\n%s\n", directory, GetCommandLineA());
  std::fclose(file);
  return 0;
}
