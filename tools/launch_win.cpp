// Starts a program with exactly `"<program>" "<argument>"` as its command line, the way a desktop
// shortcut passes a setting file, and reports how long it took and its peak memory. A Linux
// shell cannot do this through wine, which re-quotes arguments as it sees fit.
//   launch.exe [--until-idle] [--bound <s>] [--after <s>] <program> <argument>
//                                              ("-" as the argument: none at all)
// Without --until-idle it waits for the program to end, within the bound (60 s unless given, 0
// for none), and then for every process the program started, through a job object that those
// processes join at birth, for at most --after seconds more (30 unless given). It exits with 0
// when all of them ended in time, 3 when the program itself did not (it is then ended), and 4
// when processes it started were still running; their names go to standard error and they are
// left running. With --until-idle it waits only until the program sits idle in its message loop
// with its window up, within the bound, and then ends it.
#include <windows.h>
// windows.h first: psapi.h relies on it.
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
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

DWORD activeIn(HANDLE job) {
  JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info = {};
  if (!QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &info, sizeof info,
                                 nullptr)) {
    return 0;
  }
  return info.ActiveProcesses;
}

// "regedit.exe (pid 42)"-style names of the job's processes, separated by ", ".
std::string namesIn(HANDLE job) {
  struct {
    JOBOBJECT_BASIC_PROCESS_ID_LIST list;
    ULONG_PTR more[63];
  } ids = {};
  ids.list.NumberOfAssignedProcesses = 64;
  if (!QueryInformationJobObject(job, JobObjectBasicProcessIdList, &ids, sizeof ids, nullptr))
    return "(names unknown)";
  std::string names;
  for (DWORD i = 0; i < ids.list.NumberOfProcessIdsInList; ++i) {
    const DWORD pid = static_cast<DWORD>(ids.list.ProcessIdList[i]);
    char name[MAX_PATH] = "?";
    if (HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid)) {
      GetModuleBaseNameA(process, nullptr, name, sizeof name);
      CloseHandle(process);
    }
    if (!names.empty())
      names += ", ";
    names += std::string(name) + " (pid " + std::to_string(pid) + ")";
  }
  return names;
}

}  // namespace

int main(int argc, char** argv) {
  bool untilIdle = false;
  DWORD boundMs = 60000;
  DWORD afterMs = 30000;
  int next = 1;
  for (; next < argc && std::strncmp(argv[next], "--", 2) == 0; ++next) {
    if (std::strcmp(argv[next], "--until-idle") == 0) {
      untilIdle = true;
    } else if (std::strcmp(argv[next], "--bound") == 0 && next + 1 < argc) {
      boundMs = static_cast<DWORD>(std::strtoul(argv[++next], nullptr, 10) * 1000);
    } else if (std::strcmp(argv[next], "--after") == 0 && next + 1 < argc) {
      afterMs = static_cast<DWORD>(std::strtoul(argv[++next], nullptr, 10) * 1000);
    } else {
      break;
    }
  }
  if (argc - next != 2) {
    std::fprintf(stderr,
                 "usage: launch [--until-idle] [--bound <s>] [--after <s>] <program> <argument>\n");
    return 2;
  }
  const char* program = argv[next];
  const char* argument = argv[next + 1];
  std::string line = std::string("\"") + program + "\"";
  if (std::strcmp(argument, "-") != 0)
    line += std::string(" \"") + argument + "\"";
  std::vector<char> mutableLine(line.begin(), line.end());
  mutableLine.push_back('\0');

  // Wine starts its desktop process (explorer.exe, which lives as long as the session) from the
  // first process that needs the desktop. Asking for it here makes that process this one, not a
  // process in the job, which would otherwise never empty.
  GetDesktopWindow();

  // Started suspended and put in the job before its first instruction, so that every process
  // it starts is born in the job too.
  HANDLE job = CreateJobObjectA(nullptr, nullptr);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  LARGE_INTEGER frequency, begin, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&begin);
  if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                      nullptr, nullptr, &startup, &process)) {
    std::fprintf(stderr, "launch: cannot start %s (error %lu)\n", program, GetLastError());
    return 2;
  }
  const bool followed = job && AssignProcessToJobObject(job, process.hProcess);
  if (!followed && !untilIdle)
    std::fprintf(stderr, "launch: cannot follow the processes %s starts\n", program);
  ResumeThread(process.hThread);

  const DWORD started = GetTickCount();
  auto inTime = [&] { return boundMs == 0 || GetTickCount() - started < boundMs; };
  SIZE_T peak = 0;
  bool done = false;
  if (untilIdle) {
    done = WaitForInputIdle(process.hProcess, boundMs ? boundMs : INFINITE) == 0;
    QueryPerformanceCounter(&end);
    peak = peakOf(process.hProcess);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
  } else {
    // Sample while it runs: not every system reports the peak of a process that has ended.
    while (!done && inTime()) {
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
    std::fprintf(stderr, "launch: %s did not %s within %lu s\n", program,
                 untilIdle ? "become idle" : "end", boundMs / 1000);
    return 3;
  }
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  std::printf("elapsed_ms %.1f exit %lu peak_kb %lu\n",
              1000.0 * (end.QuadPart - begin.QuadPart) / frequency.QuadPart, code,
              static_cast<unsigned long>(peak / 1024));
  std::fflush(stdout);
  if (untilIdle || !followed)
    return 0;
  const DWORD ended = GetTickCount();
  while (activeIn(job) > 0 && GetTickCount() - ended < afterMs)
    Sleep(20);
  if (activeIn(job) > 0) {
    const std::string names = namesIn(job);
    std::fprintf(stderr, "launch: still running %lu s after %s ended: %s\n", afterMs / 1000,
                 program, names.c_str());
    std::fflush(stderr);
    return 4;
  }
  return 0;
}
