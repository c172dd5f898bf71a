// The host's hold on processes: the importer an Apply waits for, the turn that Applies of
// different Morvane processes take, and this process's own exe.
#include <vector>

#include "host/Host_win.h"

namespace morvane {

namespace {

// One name for every Morvane of a session (Terminal Server sessions each have their own
// Windows directory, and so their own patch). No backslash: Windows 95 and NT 4 take none.
const char* const kApplyTurnName = "Morvane.Apply";

}  // namespace

Win32Host::~Win32Host() {
  for (const auto& process : held_)
    CloseHandle(process.second);
  if (applyTurn_)
    CloseHandle(applyTurn_);
}

bool Win32Host::waitForProgram(ProcessId process, unsigned milliseconds) {
  const auto it = held_.find(process);
  if (it == held_.end())
    return false;
  const bool ended = WaitForSingleObject(it->second, milliseconds) == WAIT_OBJECT_0;
  CloseHandle(it->second);
  held_.erase(it);
  return ended;
}

bool Win32Host::lockApplies(unsigned milliseconds) {
  if (!applyTurn_)
    applyTurn_ = CreateMutexA(nullptr, FALSE, kApplyTurnName);
  if (!applyTurn_)
    return false;
  const DWORD result = WaitForSingleObject(applyTurn_, milliseconds);
  // An abandoned turn is a Morvane that ended while it held it: the turn is ours now.
  return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

void Win32Host::unlockApplies() {
  if (applyTurn_)
    ReleaseMutex(applyTurn_);
}

std::string Win32Host::ownExePath() {
  // A cut-off name is not told apart from a whole one by the result on every Windows: a name
  // that fills the buffer is taken as cut off and asked for again with more room.
  for (DWORD size = MAX_PATH + 1; size <= 32768; size *= 2) {
    std::vector<char> name(size, '\0');
    const DWORD length = GetModuleFileNameA(nullptr, name.data(), size);
    if (length == 0)
      return std::string();
    if (length < size - 1)
      return std::string(name.data(), length);
  }
  return std::string();
}

}  // namespace morvane
