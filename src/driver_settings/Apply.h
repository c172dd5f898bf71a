#pragma once

#include "driver_settings/DriverSettings.h"
#include "host/Host.h"

namespace morvane {

// "Apply": writes the registry patch to scrap.reg in the Windows directory, has the registry
// editor import it with a hidden window, waits half a second and presses Enter for the user.
// Each step that fails is skipped; nothing is reported.
void Command1_Click(DriverSettings& settings, Host& host);

// The patch file's path for a Windows directory ("" gives "\scrap.reg", the current drive's root).
std::string patchPath(const std::string& windowsDirectory);

}  // namespace morvane
