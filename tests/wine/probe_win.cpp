// Stands in for a game: records the directory it was started in and its command line, one per
// line, in the file named by MORVANE_PROBE_OUT, then exits.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char out[MAX_PATH] = {};
  if (!GetEnvironmentVariableA("MORVANE_PROBE_OUT", out, MAX_PATH))
    return 1;
  char directory[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, directory);
  FILE* file = std::fopen(out, "wb");
  if (!file)
    return 2;
  std::fprintf(file, "%s\n%s\n", directory, GetCommandLineA());
  std::fclose(file);
  return 0;
}
