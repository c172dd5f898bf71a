// A host for tests: answers from plain members and records, in order, every call made to it.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/Host.h"

namespace morvane {

class RecordingHost : public Host {
 public:
  // What the host answers.
  std::string windowsDirectory = "C:\\WINDOWS";
  bool windowsDirectoryFails = false;
  std::string commandLineText = "morvane.exe";  // whole, program name first
  std::map<std::string, std::string> files;
  std::size_t readPiece = 4096;  // a read hands a file over in pieces of this size
  std::set<std::string> unwritablePaths;
  bool startFails = false;
  ProcessId nextProcess = 100;  // each start that succeeds takes the next id
  // The process whose window has the keyboard focus when Enter is asked for.
  ProcessId focusedProcess = 0;
  std::set<std::string> existingFiles;  // beside the keys of `files`
  std::string exePath = "C:\\Morvane\\morvane.exe";
  // Full paths for names that are not full already; any other name is its own full path.
  std::map<std::string, std::string> fullPaths;
  bool lockTimesOut = false;
  bool importerKeepsRunning = false;
  // Each file dialog takes the next answer; an exhausted list, or an empty answer, cancels.
  std::vector<std::string> dialogAnswers;

  // What was asked of it.
  std::vector<std::string> calls;
  std::vector<FileDialogRequest> dialogRequests;
  std::vector<std::string> messages;
  bool ended = false;

  unsigned GetWindowsDirectoryA(char* buffer, unsigned capacity) override;
  void Sleep(unsigned milliseconds) override;
  bool startProgram(const std::string& application, const std::string& commandLine, WindowMode mode,
                    ProcessId* started) override;
  bool waitForProgram(ProcessId process, unsigned milliseconds) override;
  bool sendEnter(ProcessId process) override;
  bool lockApplies(unsigned milliseconds) override;
  void unlockApplies() override;
  bool changeDirectory(const std::string& directory) override;
  void messageBox(const std::string& text) override;
  bool fileDialog(const FileDialogRequest& request, std::string& chosen) override;
  std::string commandLine() override;
  void endProcess() override;
  bool fileExists(const std::string& path) override;
  std::string ownExePath() override;
  std::string fullPath(const std::string& path) override;
  bool readFile(const std::string& path, ByteSink& sink) override;
  bool writeFile(const std::string& path, const std::string& bytes) override;
};

// What an ordinary Apply asks of a RecordingHost with its default answers, in order: the turn
// is taken before the patch is written, the importer is started by its full path, gets its Enter
// after the wait, and the turn is given back once the importer has ended.
extern const std::vector<std::string> kOrdinaryApplyCalls;

}  // namespace morvane
