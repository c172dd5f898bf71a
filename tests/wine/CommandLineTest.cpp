// The built morvane.exe, started as a desktop shortcut would start it, against Wine's real
// registry editor and registry.
#include <gtest/gtest.h>

#include <algorithm>

#include "WineTestSupport.h"
// windows.h (through the support header) first: psapi.h relies on it.
#include <psapi.h>

#include "window/Layout_win.h"

namespace morvane_test {
namespace {

const std::string kHeader = "Morvane Config File - Halvorsk";
const std::string kRoot = "C:\\morvane e2e";
const std::string kProbeDir = kRoot + "\\probe dir";

std::string settingFile(const std::string& header, const std::string& numbers,
                        const std::string& app) {
  return header + "\r\n" + std::string(50, '-') + "\r\n\r\n" + numbers + "Probe, \"quoted\"\r\n" +
         app + "\r\n";
}

const char* const kAppliedPatch =
    "REGEDIT4\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ATI Technologies\\3D]\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ATI Technologies\\3D\\ATID3D]\r\n"
    "\"u32SubDivide\"=dword:0000000F\r\n"
    "\"u32TexPerspLevel\"=\"3\"\r\n"
    "\"u32Quad2Linear\"=dword:00000080\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ATI Technologies\\DDHAL]\r\n"
    "\r\n"
    "\"DoNotWaitAfter3DOps\"=dword:00000001\r\n"
    "\"PageFlipping\"=dword:00000000\r\n"
    "\"UseFastColorFill\"=dword:00000000\r\n";

// Lines 4 to 9: Check1 on, Check2 off, Check3 grayed, HScroll1 3, HScroll2 128, Check4 on.
const char* const kNumbers = "1\r\n0\r\n2\r\n3\r\n128\r\n1\r\n";
const char* const kAppliedValues =
    "u32SubDivide=dword:15\nu32TexPerspLevel=sz:3\nu32Quad2Linear=dword:128\n"
    "DoNotWaitAfter3DOps=dword:1\nPageFlipping=dword:0\nUseFastColorFill=dword:0\n";
const char* const kZeroValues =
    "u32SubDivide=dword:0\nu32TexPerspLevel=sz:0\nu32Quad2Linear=dword:0\n"
    "DoNotWaitAfter3DOps=dword:0\nPageFlipping=dword:0\nUseFastColorFill=dword:0\n";

class CommandLine : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(useRealImporter());
    CreateDirectoryA(kRoot.c_str(), nullptr);
    CreateDirectoryA(kProbeDir.c_str(), nullptr);
    ASSERT_TRUE(
        CopyFileA((binDir() + "probe.exe").c_str(), (kProbeDir + "\\probe.exe").c_str(), FALSE));
    probeOut_ = kRoot + "\\probe.txt";
    DeleteFileA(probeOut_.c_str());
    SetEnvironmentVariableA("MORVANE_PROBE_OUT", probeOut_.c_str());
    DeleteFileA(scrap().c_str());
    deleteDriverKeys();
  }

  static std::string scrap() { return windowsDirectory() + "\\scrap.reg"; }
  static std::string morvane() { return "\"" + binDir() + "morvane.exe\""; }

  // Runs morvane.exe with `arguments`; presses OK on the invalid-file message if it comes up.
  void run(const std::string& arguments, int* messagesSeen = nullptr,
           std::string* messageText = nullptr) {
    int seen = 0;
    auto pressOk = [&](DWORD pid) {
      HWND box = findWindowOf(pid, "#32770", "Morvane");
      // Wait until the box is up and filled in, not merely being created.
      if (!box || !IsWindowVisible(box) || dialogMessage(box).empty())
        return;
      if (messageText)
        *messageText = dialogMessage(box);
      ++seen;
      SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    };
    ASSERT_TRUE(runToEnd(morvane() + " " + arguments, 30000, pressOk))
        << "morvane.exe did not end by itself";
    if (messagesSeen)
      *messagesSeen = seen;
  }

  static void expectRegistry(const char* values) {
    waitFor([&] { return driverValues() == values; }, 10000);
    EXPECT_EQ(driverValues(), values);
  }

  std::string probeOut_;
};

TEST_F(CommandLine, QuotedSettingFileIsLoadedAppliedAndStartsTheApplication) {
  const std::string app = kProbeDir + "\\probe.exe -game \"my mod\" +map e1m1";
  ASSERT_TRUE(writeFileBytes(kRoot + "\\quake.mvs", settingFile(kHeader, kNumbers, app)));
  int messages = -1;
  run("\"" + kRoot + "\\quake.mvs\"", &messages);
  EXPECT_EQ(messages, 0);
  expectRegistry(kAppliedValues);
  EXPECT_EQ(readFileBytes(scrap()), kAppliedPatch);
  // The probe ran from its own folder, with the application line as its command line.
  waitFor([&] { return readFileBytes(probeOut_) != "<missing>"; }, 10000);
  // Windows hands the child the command line as given; Wine rebuilds it with the program's
  // path quoted once it has found which blank ends the path. Either way the arguments are intact.
  const std::string seen = readFileBytes(probeOut_);
  const std::string quoted =
      kProbeDir + "\n\"" + kProbeDir + "\\probe.exe\" -game \"my mod\" +map e1m1\n";
  EXPECT_TRUE(seen == kProbeDir + "\n" + app + "\n" || seen == quoted) << seen;
}

TEST_F(CommandLine, EmptyApplicationLineAppliesAndStartsNothing) {
  ASSERT_TRUE(writeFileBytes(kRoot + "\\plain.mvs", settingFile(kHeader, kNumbers, "")));
  run("\"" + kRoot + "\\plain.mvs\"");
  expectRegistry(kAppliedValues);
  Sleep(500);
  EXPECT_EQ(readFileBytes(probeOut_), "<missing>");
}

TEST_F(CommandLine, ApplicationWithoutBackslashStillEnds) {
  ASSERT_TRUE(
      writeFileBytes(kRoot + "\\bare.mvs", settingFile(kHeader, kNumbers, "no-such-program -x")));
  run("\"" + kRoot + "\\bare.mvs\"");
  expectRegistry(kAppliedValues);
}

TEST_F(CommandLine, WrongHeaderShowsTheMessageAndAppliesAllTheSame) {
  ASSERT_TRUE(writeFileBytes(kRoot + "\\case.mvs",
                             settingFile("morvane config file - halvorsk", kNumbers, "")));
  int messages = 0;
  std::string text;
  run("\"" + kRoot + "\\case.mvs\"", &messages, &text);
  EXPECT_EQ(messages, 1);
  EXPECT_EQ(text, "This is not a valid Morvane Config File");
  expectRegistry(kAppliedValues);
}

TEST_F(CommandLine, UnquotedPathLosesItsEndsAndAppliesZeros) {
  ASSERT_TRUE(writeFileBytes(kRoot + "\\quake.mvs", settingFile(kHeader, kNumbers, "")));
  int messages = 0;
  run(kRoot.substr(0, 2) + "\\quake.mvs", &messages);  // no blanks, no quotes
  EXPECT_EQ(messages, 1);
  expectRegistry(kZeroValues);
}

// A file of `size` bytes that starts with `start`, the rest a hole that takes no disk space.
bool writeSparseFile(const std::string& path, const std::string& start, LONGLONG size) {
  if (!writeFileBytes(path, start))
    return false;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  LARGE_INTEGER end;
  end.QuadPart = size;
  const bool ok = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
  CloseHandle(file);
  return ok;
}

TEST_F(CommandLine, SettingFileOfSeveralGigabytesIsReadInBoundedMemory) {
  const LONGLONG kSize = 3LL << 30;
  const SIZE_T kMemoryBound = 64 << 20;
  const std::string head = kHeader + "\r\n" + std::string(50, '-') + "\r\n\r\n" + kNumbers;
  const struct {
    const char* what;
    std::string start;  // the rest of the file is NUL bytes
  } cases[] = {
      {"eleven lines, then gigabytes of nothing", head + "Huge\r\n\r\n"},
      {"an application line of gigabytes", head + "Huge\r\n"},
  };
  const std::string path = kRoot + "\\huge.mvs";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    deleteDriverKeys();
    ASSERT_TRUE(writeSparseFile(path, c.start, kSize));
    SIZE_T peak = 0;
    auto watch = [&](DWORD pid) {
      HANDLE process =
          OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | PROCESS_TERMINATE, FALSE, pid);
      PROCESS_MEMORY_COUNTERS counters = {};
      counters.cb = sizeof counters;
      if (process && GetProcessMemoryInfo(process, &counters, sizeof counters)) {
        peak = std::max(peak, counters.PeakWorkingSetSize);
        if (peak > kMemoryBound)  // stop it before it takes the machine's memory
          TerminateProcess(process, 98);
      }
      if (process)
        CloseHandle(process);
    };
    EXPECT_TRUE(runToEnd(morvane() + " \"" + path + "\"", 90000, watch));
    EXPECT_LT(peak, kMemoryBound);
    expectRegistry(kAppliedValues);
  }
  DeleteFileA(path.c_str());
}

// Runs launch.exe, the tool the run script starts morvane.exe through, with its standard output
// and error going to one file; its exit code, or -1 when it did not end within 120 s.
int runLaunch(const std::string& arguments, std::string& output) {
  const std::string outPath = kRoot + "\\launch.txt";
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE out = CreateFileA(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                           0, nullptr);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = out;
  PROCESS_INFORMATION process = {};
  std::string line = "\"" + binDir() + "launch.exe\" " + arguments;
  DWORD code = static_cast<DWORD>(-1);
  if (CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                     &process)) {
    if (WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0)
      GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(out);
  output = readFileBytes(outPath);
  return static_cast<int>(code);
}

TEST_F(CommandLine, LaunchToolWaitsForEveryProcessMorvaneStartedWithinItsBound) {
  const std::string app = kProbeDir + "\\probe.exe";
  ASSERT_TRUE(writeFileBytes(kRoot + "\\game.mvs", settingFile(kHeader, kNumbers, app)));
  const std::string target = "\"" + binDir() + "morvane.exe\" \"" + kRoot + "\\game.mvs\"";
  HANDLE hold = CreateEventA(nullptr, TRUE, FALSE, "morvane-probe-hold");
  const struct {
    const char* what;
    const char* delayMs;    // how long the game waits before it ends
    const char* holdEvent;  // or an event it waits for
    const char* options;
    int code;
  } cases[] = {
      {"the game ends 3 s after morvane.exe", "3000", nullptr, "", 0},
      {"the game runs past the bound", nullptr, "morvane-probe-hold", "--after 2 ", 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DeleteFileA(probeOut_.c_str());
    deleteDriverKeys();
    SetEnvironmentVariableA("MORVANE_PROBE_DELAY_MS", c.delayMs);
    SetEnvironmentVariableA("MORVANE_PROBE_HOLD", c.holdEvent);
    std::string output;
    EXPECT_EQ(runLaunch(c.options + target, output), c.code) << output;
    // Once it has returned, the import is complete: no waiting here.
    EXPECT_EQ(driverValues(), kAppliedValues);
    if (c.code == 0) {
      EXPECT_NE(readFileBytes(probeOut_), "<missing>") << "the game had not ended";
    } else {
      EXPECT_NE(output.find("probe.exe"), std::string::npos) << output;
      EXPECT_EQ(readFileBytes(probeOut_), "<missing>");
      SetEvent(hold);
      waitFor([&] { return readFileBytes(probeOut_) != "<missing>"; }, 10000);
    }
  }
  SetEnvironmentVariableA("MORVANE_PROBE_DELAY_MS", nullptr);
  SetEnvironmentVariableA("MORVANE_PROBE_HOLD", nullptr);
  CloseHandle(hold);
}

TEST_F(CommandLine, NoArgumentShowsTheWindowAndCloseEndsItWithoutApplying) {
  ASSERT_TRUE(writeFileBytes(scrap(), "left alone"));
  HWND shown = nullptr;
  DWORD clickedAt = 0;
  auto pressClose = [&](DWORD pid) {
    if (clickedAt)
      return;
    HWND form = findWindowOf(pid, "MorvaneForm1", "Morvane");
    if (!form || !IsWindowVisible(form))
      return;
    shown = form;
    HWND close =
        GetDlgItem(form, morvane::kFirstControlId + static_cast<int>(morvane::Ctl::Command2));
    PostMessageA(close, BM_CLICK, 0, 0);
    clickedAt = GetTickCount();
  };
  ASSERT_TRUE(runToEnd(morvane(), 30000, pressClose)) << "morvane.exe did not end";
  ASSERT_NE(shown, nullptr) << "the window never showed";
  EXPECT_LT(GetTickCount() - clickedAt, 1000u);
  EXPECT_EQ(readFileBytes(scrap()), "left alone");
  EXPECT_EQ(driverValues(),
            "u32SubDivide=<missing>\nu32TexPerspLevel=<missing>\n"
            "u32Quad2Linear=<missing>\nDoNotWaitAfter3DOps=<missing>\n"
            "PageFlipping=<missing>\nUseFastColorFill=<missing>\n");
}

}  // namespace
}  // namespace morvane_test
