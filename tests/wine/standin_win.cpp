// Stands in for programs that Morvane may start: a planted program, a game, the registry editor
// (copied over regedit.exe in the Windows directory) and another program's window. Every copy
// appends what happens to it to the file named by MORVANE_STANDIN_LOG, one line at a time, each
// line led by the copy's own file name:
//   "<name> ran <full exe path>|<current folder>|<command line>"   first, always
// Named regedit.exe, it acts as MORVANE_STANDIN_IMPORTER says:
//   "dialog"  asks a question with a default button (see below), as Windows' editor does
//   "import"  reads the patch named on its command line, logs "<name> read <perspective level>",
//             has the original editor (regedit-original.exe beside it) import it, and logs
//             "<name> imported <level>"
//   anything else: nothing more.
// Any copy whose first argument is "dialog" asks the question too, for the milliseconds given as
// its second argument: a message box in front with a default button, then a second one for a
// short while to catch a second Enter; logs "<name> enter" for each pressed and "<name> enters N".
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string ownName() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string full = path;
  return full.substr(full.rfind('\\') + 1);
}

void logLine(const std::string& text) {
  char log[MAX_PATH] = {};
  if (!GetEnvironmentVariableA("MORVANE_STANDIN_LOG", log, MAX_PATH))
    return;
  const std::string line = ownName() + " " + text + "\n";
  // Copies run at the same time: an exclusive open makes each line whole and in order.
  for (int tries = 0; tries < 200; ++tries) {
    HANDLE file = CreateFileA(log, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      Sleep(10);
      continue;
    }
    SetFilePointer(file, 0, nullptr, FILE_END);
    DWORD wrote = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &wrote, nullptr);
    CloseHandle(file);
    return;
  }
}

const char* const kQuestion = "Stand-in question";

VOID CALLBACK giveUp(HWND, UINT, UINT_PTR, DWORD) {
  HWND box = FindWindowA("#32770", kQuestion);
  DWORD owner = 0;
  if (box && GetWindowThreadProcessId(box, &owner) && owner == GetCurrentProcessId())
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
}

bool askOnce(unsigned milliseconds) {
  const UINT_PTR timer = SetTimer(nullptr, 0, milliseconds, giveUp);
  const int answer =
      MessageBoxA(nullptr, "Go on?", kQuestion, MB_OKCANCEL | MB_SETFOREGROUND | MB_TOPMOST);
  KillTimer(nullptr, timer);
  return answer == IDOK;
}

void ask(unsigned milliseconds) {
  int enters = 0;
  if (askOnce(milliseconds)) {
    logLine("enter");
    ++enters;
    if (askOnce(1500)) {
      logLine("enter");
      ++enters;
    }
  }
  logLine("enters " + std::to_string(enters));
}

std::string readAll(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return std::string();
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0)
    bytes.append(chunk, got);
  CloseHandle(file);
  return bytes;
}

void importThroughOriginal(const std::string& commandLine) {
  // "regedit <patch>", the patch perhaps quoted.
  std::string patch = commandLine.substr(commandLine.find(' ') + 1);
  if (patch.size() >= 2 && patch.front() == '"')
    patch = patch.substr(1, patch.size() - 2);
  // A slow importer: if anyone wrote over the patch before it is read, this shows it.
  Sleep(300);
  const std::string bytes = readAll(patch);
  const std::string key = "\"u32TexPerspLevel\"=\"";
  const std::size_t at = bytes.find(key);
  const std::string level =
      at == std::string::npos
          ? "?"
          : bytes.substr(at + key.size(), bytes.find('"', at + key.size()) - at - key.size());
  logLine("read " + level);

  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string original = self;
  original = original.substr(0, original.rfind('\\') + 1) + "regedit-original.exe";
  std::string line = "regedit \"" + patch + "\"";
  std::vector<char> mutableLine(line.begin(), line.end());
  mutableLine.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (CreateProcessA(original.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     nullptr, &startup, &process)) {
    WaitForSingleObject(process.hProcess, 20000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  logLine("imported " + level);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH] = {}, folder[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  GetCurrentDirectoryA(MAX_PATH, folder);
  const std::string commandLine = GetCommandLineA();
  logLine(std::string("ran ") + path + "|" + folder + "|" + commandLine);

  if (__argc >= 3 && std::string(__argv[1]) == "dialog") {
    ask(static_cast<unsigned>(std::atoi(__argv[2])));
    return 0;
  }
  if (lstrcmpiA(ownName().c_str(), "regedit.exe") != 0)
    return 0;
  char mode[32] = {};
  GetEnvironmentVariableA("MORVANE_STANDIN_IMPORTER", mode, sizeof mode);
  if (lstrcmpA(mode, "dialog") == 0)
    ask(3000);
  else if (lstrcmpA(mode, "import") == 0)
    importThroughOriginal(commandLine);
  return 0;
}
