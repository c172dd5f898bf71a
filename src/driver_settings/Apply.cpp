#include "driver_settings/Apply.h"

#include "driver_settings/RegistryPatch.h"
#include "host/MODULE5.h"

namespace morvane {

std::string patchPath(const std::string& windowsDirectory) {
  return windowsDirectory + "\\scrap.reg";
}

void Command1_Click(DriverSettings& settings, Host& host) {
  const std::string path = patchPath(WindowsDirectory(host));
  host.writeFile(path, registryPatch(settings));
  // Even when the patch could not be written the importer still runs: there may be an older
  // patch there, and the user sees no difference either way.
  host.startProgram("regedit " + path, WindowMode::hidden);
  host.Sleep(500);
  host.sendEnter();
}

}  // namespace morvane
