// What the Windows-side tests share: starting the built exe with an exact command line, bounded
// waits, the driver's registry values, and files on the Windows side.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace morvane_test {

// The folder holding this test exe, morvane.exe and probe.exe, with a trailing backslash.
std::string binDir();

std::string readFileBytes(const std::string& path);
bool writeFileBytes(const std::string& path, const std::string& bytes);
std::string windowsDirectory();

// Starts `commandLine` exactly as given, from `currentDirectory` when one is given. Calls
// `whileRunning` every 50 ms until the process ends; returns false if it has not ended after
// `timeoutMs` (it is then killed).
bool runToEnd(const std::string& commandLine, DWORD timeoutMs,
              const std::function<void(DWORD processId)>& whileRunning = {},
              DWORD* processIdOut = nullptr, const char* currentDirectory = nullptr);

// The ids of the running processes whose exe has this file name (letter case aside), and a
// way to end them all (processes of this test prefix only: Wine keeps each prefix apart).
std::vector<DWORD> processesNamed(const char* exeName);
void endProcessesNamed(const char* exeName);

// Puts standin.exe in place of the Windows directory's regedit.exe, or the original back. The
// original is kept beside it as regedit-original.exe, where the stand-in finds it.
bool useStandInImporter();
bool useRealImporter();

// Waits up to timeoutMs for `done` to hold, pumping nothing; true if it did.
bool waitFor(const std::function<bool()>& done, DWORD timeoutMs);

// The six driver values as "name=value" lines in patch order, "name=<missing>" where absent.
std::string driverValues();
void deleteDriverKeys();

// A top-level window of the given process with the given class and caption, or null.
HWND findWindowOf(DWORD processId, const char* className, const char* caption);

// The text of a dialog's static control that holds a message, or "" when none.
std::string dialogMessage(HWND dialog);

}  // namespace morvane_test
