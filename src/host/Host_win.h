// The host operations on Win32, ANSI throughout: both files the program writes are single-byte
// text in the system code page.
#pragma once

#include <windows.h>

#include <map>

#include "host/Host.h"

namespace morvane {

class Win32Host : public Host {
 public:
  Win32Host() = default;
  Win32Host(const Win32Host&) = delete;
  Win32Host& operator=(const Win32Host&) = delete;
  ~Win32Host() override;

  // The main window, as owner of the message box and the file dialogs; may stay null.
  void setOwner(HWND owner) { owner_ = owner; }

  // kernel32, in MODULE5_win.cpp.
  unsigned GetWindowsDirectoryA(char* buffer, unsigned capacity) override;
  void Sleep(unsigned milliseconds) override;

  bool startProgram(const std::string& application, const std::string& commandLine, WindowMode mode,
                    ProcessId* started) override;
  bool sendEnter(ProcessId process) override;
  bool changeDirectory(const std::string& directory) override;
  void messageBox(const std::string& text) override;
  bool fileDialog(const FileDialogRequest& request, std::string& chosen) override;
  std::string commandLine() override;
  void endProcess() override;
  bool fileExists(const std::string& path) override;
  std::string fullPath(const std::string& path) override;
  bool readFile(const std::string& path, ByteSink& sink) override;
  bool writeFile(const std::string& path, const std::string& bytes) override;

  // In Processes_win.cpp.
  bool waitForProgram(ProcessId process, unsigned milliseconds) override;
  bool lockApplies(unsigned milliseconds) override;
  void unlockApplies() override;
  std::string ownExePath() override;

 private:
  HWND owner_ = nullptr;
  std::map<ProcessId, HANDLE> held_;  // started processes not yet waited for
  HANDLE applyTurn_ = nullptr;        // the named mutex that Applies take turns on
};

}  // namespace morvane
