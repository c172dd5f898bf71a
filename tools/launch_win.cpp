// Starts a program with exactly `"<program>" "<argument>"` as its command line, the way a desktop
// shortcut passes a setting file, waits for it to end (60 s at most) and prints how long it
// took. A Linux shell cannot do this through wine, which re-quotes arguments as it sees fit.
//   launch.exe <program> <argument>    ("-" as the argument: none at all)
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: launch <program> <argument>\n");
    return 2;
  }
  std::string line = std::string("\"") + argv[1] + "\"";
  if (std::string(argv[2]) != "-") line += std::string(" \"") + argv[2] + "\"";
  std::vector<char> mutableLine(line.begin(), line.end());
  mutableLine.push_back('\0');

  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  LARGE_INTEGER frequency, begin, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&begin);
  if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::fprintf(stderr, "launch: cannot start %s (error %lu)\n", argv[1], GetLastError());
    return 2;
  }
  const bool ended = WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0;
  QueryPerformanceCounter(&end);
  if (!ended) {
    TerminateProcess(process.hProcess, 99);
    std::fprintf(stderr, "launch: %s did not end within 60 s\n", argv[1]);
    return 3;
  }
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  std::printf("elapsed_ms %.1f exit %lu\n",
              1000.0 * (end.QuadPart - begin.QuadPart) / frequency.QuadPart, code);
  return 0;
}
