#include "WineTestSupport.h"

#include <tlhelp32.h>

#include <vector>

namespace morvane_test {

std::string binDir() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir = path;
  return dir.substr(0, dir.rfind('\\') + 1);
}

std::string readFileBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return "<missing>";
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0)
    bytes.append(chunk, got);
  CloseHandle(file);
  return bytes;
}

bool writeFileBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  DWORD wrote = 0;
  const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr);
  CloseHandle(file);
  return ok && wrote == bytes.size();
}

std::string windowsDirectory() {
  char path[MAX_PATH] = {};
  GetWindowsDirectoryA(path, MAX_PATH);
  return path;
}

bool runToEnd(const std::string& commandLine, DWORD timeoutMs,
              const std::function<void(DWORD)>& whileRunning, DWORD* processIdOut,
              const char* currentDirectory) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, currentDirectory,
                      &startup, &process)) {
    return false;
  }
  if (processIdOut)
    *processIdOut = process.dwProcessId;
  const DWORD start = GetTickCount();
  bool ended = false;
  while (GetTickCount() - start < timeoutMs) {
    if (WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) {
      ended = true;
      break;
    }
    if (whileRunning)
      whileRunning(process.dwProcessId);
  }
  if (!ended)
    TerminateProcess(process.hProcess, 99);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ended;
}

std::vector<DWORD> processesNamed(const char* exeName) {
  std::vector<DWORD> found;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE)
    return found;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (lstrcmpiA(entry.szExeFile, exeName) == 0)
      found.push_back(entry.th32ProcessID);
  }
  CloseHandle(snapshot);
  return found;
}

void endProcessesNamed(const char* exeName) {
  // A chain of processes may start the next one while the last is being ended.
  for (int round = 0; round < 20; ++round) {
    const std::vector<DWORD> running = processesNamed(exeName);
    if (running.empty())
      return;
    for (DWORD id : running) {
      HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
      if (!process)
        continue;
      TerminateProcess(process, 99);
      WaitForSingleObject(process, 2000);
      CloseHandle(process);
    }
  }
}

namespace {

bool copyWithRetry(const std::string& from, const std::string& to) {
  // An importer that has just ended may still hold its exe for a moment.
  return waitFor([&] { return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0; }, 5000);
}

}  // namespace

bool useStandInImporter() {
  const std::string importer = windowsDirectory() + "\\regedit.exe";
  const std::string original = windowsDirectory() + "\\regedit-original.exe";
  if (GetFileAttributesA(original.c_str()) == INVALID_FILE_ATTRIBUTES &&
      !CopyFileA(importer.c_str(), original.c_str(), TRUE)) {
    return false;
  }
  return copyWithRetry(binDir() + "standin.exe", importer);
}

bool useRealImporter() {
  const std::string original = windowsDirectory() + "\\regedit-original.exe";
  if (GetFileAttributesA(original.c_str()) == INVALID_FILE_ATTRIBUTES)
    return true;  // the stand-in was never put in place
  return copyWithRetry(original, windowsDirectory() + "\\regedit.exe");
}

bool waitFor(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (done())
      return true;
    if (GetTickCount() - start >= timeoutMs)
      return false;
    Sleep(50);
  }
}

namespace {

const char* const kAtid3d = "SOFTWARE\\ATI Technologies\\3D\\ATID3D";
const char* const kDdhal = "SOFTWARE\\ATI Technologies\\DDHAL";

std::string value(const char* key, const char* name) {
  HKEY handle = nullptr;
  std::string out = std::string(name) + "=";
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &handle) != ERROR_SUCCESS) {
    return out + "<missing>";
  }
  BYTE data[256] = {};
  DWORD size = sizeof data - 1;
  DWORD type = 0;
  if (RegQueryValueExA(handle, name, nullptr, &type, data, &size) != ERROR_SUCCESS) {
    out += "<missing>";
  } else if (type == REG_DWORD) {
    out += "dword:" + std::to_string(*reinterpret_cast<DWORD*>(data));
  } else if (type == REG_SZ) {
    out += "sz:" + std::string(reinterpret_cast<char*>(data));
  } else {
    out += "type" + std::to_string(type);
  }
  RegCloseKey(handle);
  return out;
}

}  // namespace

std::string driverValues() {
  return value(kAtid3d, "u32SubDivide") + "\n" + value(kAtid3d, "u32TexPerspLevel") + "\n" +
         value(kAtid3d, "u32Quad2Linear") + "\n" + value(kDdhal, "DoNotWaitAfter3DOps") + "\n" +
         value(kDdhal, "PageFlipping") + "\n" + value(kDdhal, "UseFastColorFill") + "\n";
}

void deleteDriverKeys() {
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kAtid3d);
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\ATI Technologies\\3D");
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kDdhal);
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\ATI Technologies");
}

namespace {

struct FindRequest {
  DWORD processId;
  const char* className;
  const char* caption;
  HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM param) {
  auto* request = reinterpret_cast<FindRequest*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[64] = {}, caption[256] = {};
  GetClassNameA(window, className, sizeof className);
  GetWindowTextA(window, caption, sizeof caption);
  if (owner == request->processId && lstrcmpA(className, request->className) == 0 &&
      (!request->caption || lstrcmpA(caption, request->caption) == 0)) {
    request->found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK longestStatic(HWND child, LPARAM param) {
  char className[32] = {}, text[512] = {};
  GetClassNameA(child, className, sizeof className);
  GetWindowTextA(child, text, sizeof text);
  auto* best = reinterpret_cast<std::string*>(param);
  if (lstrcmpiA(className, "Static") == 0 && lstrlenA(text) > static_cast<int>(best->size())) {
    *best = text;
  }
  return TRUE;
}

}  // namespace

HWND findWindowOf(DWORD processId, const char* className, const char* caption) {
  FindRequest request = {processId, className, caption, nullptr};
  EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&request));
  return request.found;
}

std::string dialogMessage(HWND dialog) {
  std::string text;
  EnumChildWindows(dialog, longestStatic, reinterpret_cast<LPARAM>(&text));
  return text;
}

}  // namespace morvane_test
