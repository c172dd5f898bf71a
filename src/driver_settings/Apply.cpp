#include "driver_settings/Apply.h"

#include "driver_settings/RegistryPatch.h"
#include "host/MODULE5.h"
#include "text/Letters.h"

namespace morvane {

namespace {

// Another Morvane's Apply keeps its turn for its 500 ms wait and its importer's bound below;
// a turn held much longer than that belongs to a process that hangs, and is not waited out.
const unsigned kTurnWaitMs = 10000;
// Only an importer that has ended has surely read its patch. One that stays (a message box the
// user has not closed yet) is let go after this, and the next Apply may overwrite the patch.
// The window does not answer meanwhile, so the bound stays short of the five seconds after
// which Windows shows a window as not responding; a thirteen-line import takes milliseconds.
const unsigned kImporterEndMs = 3000;

}  // namespace

std::string patchPath(const std::string& windowsDirectory) {
  return windowsDirectory + "\\scrap.reg";
}

std::string quotedIfBlank(const std::string& text) {
  return holdsBlank(text) ? "\"" + text + "\"" : text;
}

std::string importerCommandLine(const std::string& patch) {
  return "regedit " + quotedIfBlank(patch);
}

void Command1_Click(DriverSettings& settings, Host& host) {
  const std::string windows = WindowsDirectory(host);
  const std::string path = patchPath(windows);
  const bool ownTurn = host.lockApplies(kTurnWaitMs);
  ProcessId importer = 0;
  // The importer and the keystroke serve only the patch just written: on an older patch, or on
  // none, the registry would get values the user did not ask for this time.
  if (host.writeFile(path, registryPatch(settings))) {
    // By its full path: a bare "regedit" would be searched for in our own folder and the
    // current one (a game's, after Run App) before the Windows directory.
    host.startProgram(windows + "\\regedit.exe", importerCommandLine(path), WindowMode::hidden,
                      &importer);
  }
  host.Sleep(500);
  if (importer != 0) {
    host.sendEnter(importer);
    host.waitForProgram(importer, kImporterEndMs);
  }
  if (ownTurn)
    host.unlockApplies();
}

}  // namespace morvane
