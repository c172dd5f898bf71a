// The few services of Windows that the program's logic calls, and nothing else. A failure is
// returned as false; callers carry on with their next step.
#pragma once

#include <cstddef>
#include <string>

namespace morvane {

// Takes a file's bytes piece by piece, in order, while it wants more.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // Returns false when it needs nothing more of the file.
  virtual bool take(const char* data, std::size_t size) = 0;
};

enum class WindowMode { hidden, normalFocus };
enum class DialogForm { open, save };

// A program this process started, by its system-wide process id; 0 is none.
using ProcessId = unsigned long;

struct FileDialogRequest {
  std::string title;
  std::string initialName;
  std::string defaultExtension;
  DialogForm form = DialogForm::open;
};

class Host {
 public:
  virtual ~Host() = default;

  // kernel32's own contract: fills the buffer and returns the length written, or, when the
  // buffer is too small, writes nothing and returns the size needed including the final NUL;
  // 0 on failure.
  virtual unsigned GetWindowsDirectoryA(char* buffer, unsigned capacity) = 0;
  virtual void Sleep(unsigned milliseconds) = 0;

  // Starts a command line and returns at once. A non-empty `application` is the program file
  // by its full path and nothing else may start: no folder is searched. With an empty one the
  // program is the command line's first part, found the way Windows finds it. With `started`,
  // the process id is stored there (0 on failure) and the host keeps hold of the process until
  // waitForProgram lets it go; without, the process is never waited for.
  virtual bool startProgram(const std::string& application, const std::string& commandLine,
                            WindowMode mode, ProcessId* started) = 0;
  // Waits up to `milliseconds` for a process held since startProgram to end, then lets go of
  // it; false when it was still running (or was not held).
  virtual bool waitForProgram(ProcessId process, unsigned milliseconds) = 0;
  // One Enter keystroke, only when the window that has the keyboard focus belongs to
  // `process`, returning once it has been processed; false when nothing was pressed.
  virtual bool sendEnter(ProcessId process) = 0;
  // Applies of every Morvane process of this session take turns: waits up to `milliseconds`
  // for the one under way to unlock; false when the wait ran out (the caller goes on unlocked).
  virtual bool lockApplies(unsigned milliseconds) = 0;
  virtual void unlockApplies() = 0;

  virtual bool changeDirectory(const std::string& directory) = 0;
  // Modal, one OK button, under the title "Morvane".
  virtual void messageBox(const std::string& text) = 0;
  // The chosen full path, or false when the user cancels.
  virtual bool fileDialog(const FileDialogRequest& request, std::string& chosen) = 0;
  // The process's whole command line, program name first, as Windows gives it.
  virtual std::string commandLine() = 0;
  // Closes the main window and ends the process at once.
  virtual void endProcess() = 0;

  // Whether `path` names a file (not a folder) that exists; relative to the current folder.
  virtual bool fileExists(const std::string& path) = 0;
  // The full path of this process's own exe.
  virtual std::string ownExePath() = 0;
  // The full path of `path`, spelled so that two names of one existing file compare equal
  // letter case aside (short or long folder names, relative parts); `path` itself on failure.
  virtual std::string fullPath(const std::string& path) = 0;

  // Each file is open only within one call. A read hands the file to the sink from its start,
  // in pieces of bounded size, until the end or until the sink wants no more; false when the
  // file cannot be opened or a read fails part way. A write replaces the file completely or,
  // when it fails, leaves what was there untouched.
  virtual bool readFile(const std::string& path, ByteSink& sink) = 0;
  virtual bool writeFile(const std::string& path, const std::string& bytes) = 0;
};

}  // namespace morvane
