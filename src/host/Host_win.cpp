#include "host/Host_win.h"

#include <commdlg.h>

#include <vector>

#include "host/Compat_win.h"
#include "host/SafeReplace_win.h"

namespace morvane {

bool Win32Host::startProgram(const std::string& application, const std::string& commandLine,
                             WindowMode mode, ProcessId* started) {
  if (started)
    *started = 0;
  if (commandLine.empty())
    return false;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = mode == WindowMode::hidden ? SW_HIDE : SW_SHOWNORMAL;
  PROCESS_INFORMATION process = {};
  std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
  mutableLine.push_back('\0');
  // With an application name Windows starts that file or nothing; without, it searches our own
  // folder, the current one and the system's for the command line's first part.
  if (!CreateProcessA(application.empty() ? nullptr : application.c_str(), mutableLine.data(),
                      nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  if (started) {
    *started = process.dwProcessId;
    held_[process.dwProcessId] = process.hProcess;
  } else {
    CloseHandle(process.hProcess);
  }
  return true;
}

bool Win32Host::sendEnter(ProcessId process) {
  HWND focus = focusedWindow();
  DWORD focusProcess = 0;
  const DWORD focusThread = focus ? GetWindowThreadProcessId(focus, &focusProcess) : 0;
  // The keystroke is meant for the question of the importer that this Apply started. Any other
  // window gets none: on our own an Enter would press a focused button again, on another
  // program's it would fire that window's default button (after a start from a shortcut,
  // Explorer's, which opens the shortcut once more).
  if (!focus || process == 0 || focusProcess != process)
    return false;

  if (!pressEnter())
    return false;
  // Wait until the focused window's thread has taken the keystroke from its queue. SMTO_BLOCK
  // keeps this thread from dispatching its own messages meanwhile, so no handler of ours runs.
  if (focusThread != GetCurrentThreadId()) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(focus, WM_NULL, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, 2000, &ignored);
  }
  return true;
}

bool Win32Host::changeDirectory(const std::string& directory) {
  return SetCurrentDirectoryA(directory.c_str()) != 0;
}

void Win32Host::messageBox(const std::string& text) {
  HWND owner = owner_ && IsWindowVisible(owner_) ? owner_ : nullptr;
  MessageBoxA(owner, text.c_str(), "Morvane", MB_OK | (owner ? 0 : MB_TASKMODAL));
}

bool Win32Host::fileDialog(const FileDialogRequest& request, std::string& chosen) {
  std::vector<char> name(32768, '\0');
  request.initialName.copy(name.data(), name.size() - 1);
  OPENFILENAMEA dialog = {};
  // The structure grew in Windows 2000; Windows 95, 98, ME and NT 4 refuse the larger size.
  dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  dialog.hwndOwner = owner_;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrTitle = request.title.c_str();
  dialog.lpstrDefExt =
      request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
  dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_EXPLORER;
  // comdlg32 brings a long chain of DLLs with it; loading it only when a dialog is wanted keeps
  // it out of every start-up, the headless one above all.
  using DialogFunction = BOOL(WINAPI*)(OPENFILENAMEA*);
  static HMODULE library = LoadLibraryA("comdlg32.dll");
  if (!library)
    return false;
  const auto show = reinterpret_cast<DialogFunction>(reinterpret_cast<void (*)()>(GetProcAddress(
      library, request.form == DialogForm::save ? "GetSaveFileNameA" : "GetOpenFileNameA")));
  if (!show || !show(&dialog))
    return false;
  chosen = name.data();
  return true;
}

std::string Win32Host::commandLine() {
  const char* line = GetCommandLineA();
  return line ? line : "";
}

void Win32Host::endProcess() {
  // Ending the process closes its windows. Hiding or destroying the window first would only
  // add a wait (about two seconds under Wine) between "Close" and the end.
  ExitProcess(0);
}

bool Win32Host::fileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {

// A path asked of a call that, given too small a buffer, writes nothing and returns the size it
// needs: asked once with room for an ordinary path, and once more with the room it asked for.
// "" when the call fails.
template <typename Ask>
std::string askForPath(Ask ask) {
  std::vector<char> buffer(MAX_PATH + 1, '\0');
  DWORD length = ask(buffer.data(), static_cast<DWORD>(buffer.size()));
  if (length >= buffer.size()) {
    buffer.assign(length + 1, '\0');
    length = ask(buffer.data(), static_cast<DWORD>(buffer.size()));
  }
  if (length == 0 || length >= buffer.size())
    return std::string();
  return std::string(buffer.data(), length);
}

}  // namespace

std::string Win32Host::fullPath(const std::string& path) {
  const std::string full = askForPath([&](char* buffer, DWORD size) {
    char* namePart = nullptr;
    return GetFullPathNameA(path.c_str(), size, buffer, &namePart);
  });
  if (full.empty())
    return path;
  // One file may be named with long or 8.3 folder names; its short form is one spelling of
  // them all. Windows 95 and NT 4 have no call for the long form, and every Windows has this one.
  const std::string shortForm = askForPath(
      [&](char* buffer, DWORD size) { return GetShortPathNameA(full.c_str(), buffer, size); });
  return shortForm.empty() ? full : shortForm;
}

bool Win32Host::readFile(const std::string& path, ByteSink& sink) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  // Large pieces keep the number of system calls small when a long line has to be skipped to
  // its end; the piece is the only memory the read itself takes, whatever the file's size.
  std::vector<char> piece(1 << 20);
  DWORD got = 0;
  bool ok = true;
  for (;;) {
    if (!ReadFile(file, piece.data(), static_cast<DWORD>(piece.size()), &got, nullptr)) {
      ok = false;
      break;
    }
    if (got == 0 || !sink.take(piece.data(), got))
      break;
  }
  CloseHandle(file);
  return ok;
}

bool Win32Host::writeFile(const std::string& path, const std::string& bytes) {
  return replaceFileOnDisk(path, bytes);
}

}  // namespace morvane
