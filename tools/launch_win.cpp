// Starts a program with exactly `"<program>" "<argument>"` as its command line, the way a desktop
// shortcut passes a setting file, and reports how long it took and its peak memory. A Linux
// shell cannot do this through wine, which re-quotes arguments as it sees fit.
//   launch.exe [--until-idle] <program> <argument>    ("-" as the argument: none at all)
// Without --until-idle it waits for the program to end (60 s at most); with it, only until the
// program sits idle in its message loop with its window up, and then ends it.
#include <windows.h>
// windows.h first: psapi.h relies on it.
#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

SIZE_T peakOf(HANDLE process) {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  return GetProcessMemoryInfo(process, &counters, sizeof counters) ? counters.PeakWorkingSetSize
                                                                   : 0;
}

}  // namespace

int main(int argc, char** argv) {
  const bool untilIdle = argc == 4 && std::strcmp(argv[1], "--until-idle") == 0;
  if (argc != 3 + (untilIdle ? 1 : 0)) {
    std::fprintf(stderr, "usage: launch [--until-idle] <program> <argument>\n");
    return 2;
  }
  const char* program = argv[untilIdle ? 2 : 1];
  const char* argument = argv[untilIdle ? 3 : 2];
  std::string line = std::string("\"") + program + "\"";
  if (std::strcmp(argument, "-") != 0)
    line += std::string(" \"") + argument + "\"";
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
    std::fprintf(stderr, "launch: cannot start %s (error %lu)\n", program, GetLastError());
    return 2;
  }
  SIZE_T peak = 0;
  bool done = false;
  if (untilIdle) {
    done = WaitForInputIdle(process.hProcess, 60000) == 0;
    QueryPerformanceCounter(&end);
    peak = peakOf(process.hProcess);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
  } else {
    // Sample while it runs: not every system reports the peak of a process that has ended.
    for (int waited = 0; !done && waited < 60000; waited += 5) {
      done = WaitForSingleObject(process.hProcess, 5) == WAIT_OBJECT_0;
      const SIZE_T now = peakOf(process.hProcess);
      if (now > peak)
        peak = now;
    }
    QueryPerformanceCounter(&end);
    if (!done)
      TerminateProcess(process.hProcess, 99);
  }
  if (!done) {
    std::fprintf(stderr, "launch: %s did not %s within 60 s\n", program,
                 untilIdle ? "become idle" : "end");
    return 3;
  }
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  std::printf("elapsed_ms %.1f exit %lu peak_kb %lu\n",
              1000.0 * (end.QuadPart - begin.QuadPart) / frequency.QuadPart, code,
              static_cast<unsigned long>(peak / 1024));
  return 0;
}
