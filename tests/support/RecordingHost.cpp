#include "RecordingHost.h"

#include <algorithm>
#include <cstring>

namespace morvane {

const std::vector<std::string> kOrdinaryApplyCalls = {
    "GetWindowsDirectoryA 145",
    "lock 10000",
    "write C:\\WINDOWS\\scrap.reg",
    "start hidden [C:\\WINDOWS\\regedit.exe] regedit C:\\WINDOWS\\scrap.reg",
    "Sleep 500",
    "enter 100",
    "wait 100 3000",
    "unlock"};

unsigned RecordingHost::GetWindowsDirectoryA(char* buffer, unsigned capacity) {
  calls.push_back("GetWindowsDirectoryA " + std::to_string(capacity));
  if (windowsDirectoryFails)
    return 0;
  const unsigned length = static_cast<unsigned>(windowsDirectory.size());
  if (length >= capacity)
    return length + 1;
  std::memcpy(buffer, windowsDirectory.c_str(), length + 1);
  return length;
}

void RecordingHost::Sleep(unsigned milliseconds) {
  calls.push_back("Sleep " + std::to_string(milliseconds));
}

bool RecordingHost::startProgram(const std::string& application, const std::string& commandLine,
                                 WindowMode mode, ProcessId* started) {
  std::string call = mode == WindowMode::hidden ? "start hidden " : "start normal ";
  if (!application.empty())
    call += "[" + application + "] ";
  calls.push_back(call + commandLine);
  if (started)
    *started = startFails ? 0 : nextProcess;
  if (startFails)
    return false;
  ++nextProcess;
  return true;
}

bool RecordingHost::waitForProgram(ProcessId process, unsigned milliseconds) {
  calls.push_back("wait " + std::to_string(process) + " " + std::to_string(milliseconds));
  return !importerKeepsRunning;
}

bool RecordingHost::sendEnter(ProcessId process) {
  calls.push_back("enter " + std::to_string(process));
  return process != 0 && process == focusedProcess;
}

bool RecordingHost::lockApplies(unsigned milliseconds) {
  calls.push_back("lock " + std::to_string(milliseconds));
  return !lockTimesOut;
}

void RecordingHost::unlockApplies() {
  calls.push_back("unlock");
}

bool RecordingHost::changeDirectory(const std::string& directory) {
  calls.push_back("cd " + directory);
  return true;
}

void RecordingHost::messageBox(const std::string& text) {
  calls.push_back("message " + text);
  messages.push_back(text);
}

bool RecordingHost::fileDialog(const FileDialogRequest& request, std::string& chosen) {
  calls.push_back("dialog " + request.title);
  dialogRequests.push_back(request);
  if (dialogAnswers.empty())
    return false;
  chosen = dialogAnswers.front();
  dialogAnswers.erase(dialogAnswers.begin());
  return !chosen.empty();
}

std::string RecordingHost::commandLine() {
  calls.push_back("commandLine");
  return commandLineText;
}

void RecordingHost::endProcess() {
  calls.push_back("end");
  ended = true;
}

bool RecordingHost::fileExists(const std::string& path) {
  calls.push_back("exists " + path);
  return files.count(path) != 0 || existingFiles.count(path) != 0;
}

std::string RecordingHost::ownExePath() {
  calls.push_back("own exe");
  return exePath;
}

std::string RecordingHost::fullPath(const std::string& path) {
  calls.push_back("full " + path);
  auto it = fullPaths.find(path);
  return it == fullPaths.end() ? path : it->second;
}

bool RecordingHost::readFile(const std::string& path, ByteSink& sink) {
  calls.push_back("read " + path);
  auto it = files.find(path);
  if (it == files.end())
    return false;
  const std::string& bytes = it->second;
  for (std::size_t at = 0; at < bytes.size(); at += readPiece) {
    if (!sink.take(bytes.data() + at, std::min(readPiece, bytes.size() - at)))
      break;
  }
  return true;
}

bool RecordingHost::writeFile(const std::string& path, const std::string& bytes) {
  calls.push_back("write " + path);
  if (unwritablePaths.count(path) != 0)
    return false;
  files[path] = bytes;
  return true;
}

}  // namespace morvane
