#pragma once

#include "driver_settings/DriverSettings.h"
#include "host/Host.h"

namespace morvane {

// Runs once the main window holds its initial values and before it is shown. With an empty
// command line it returns at once and the window is used as usual. Otherwise the command line
// is a setting file's path inside one character at each end (double quotes): that file is
// loaded, applied, its application started (unless it is this exe with arguments again), and
// the process ends without showing the window.
void Form_Load(DriverSettings& settings, Host& host);

// The command line without its first and last character ("" when it is shorter than that).
std::string settingFilePathFromCommandLine(const std::string& commandLine);

}  // namespace morvane
