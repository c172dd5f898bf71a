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
  std::string commandLineText;
  std::map<std::string, std::string> files;
  std::size_t readPiece = 4096;  // a read hands a file over in pieces of this size
  std::set<std::string> unwritablePaths;
  bool startFails = false;
  // Each file dialog takes the next answer; an exhausted list, or an empty answer, cancels.
  std::vector<std::string> dialogAnswers;

  // What was asked of it.
  std::vector<std::string> calls;
  std::vector<FileDialogRequest> dialogRequests;
  std::vector<std::string> messages;
  bool ended = false;

  unsigned GetWindowsDirectoryA(char* buffer, unsigned capacity) override;
  void Sleep(unsigned milliseconds) override;
  bool startProgram(const std::string& commandLine, WindowMode mode) override;
  bool sendEnter() override;
  bool changeDirectory(const std::string& directory) override;
  void messageBox(const std::string& text) override;
  bool fileDialog(const FileDialogRequest& request, std::string& chosen) override;
  std::string commandLine() override;
  void endProcess() override;
  bool readFile(const std::string& path, ByteSink& sink) override;
  bool writeFile(const std::string& path, const std::string& bytes) override;
};

}  // namespace morvane
