#pragma once

#include <string>
#include <string_view>

#include "driver_settings/DriverSettings.h"
#include "host/Host.h"

namespace morvane {

// Runs once the main window holds its initial values and before it is shown. With no arguments
// on the command line it returns at once and the window is used as usual. Otherwise the
// arguments are a setting file's path inside one character at each end (double quotes): that
// file is loaded, applied, its application started (unless it is this exe with arguments again),
// and the process ends without showing the window.
void Form_Load(DriverSettings& settings, Host& host);

// The arguments part of a process's whole command line: what follows the program name (quoted
// or not), without the blanks that separate the two.
std::string argumentsOf(std::string_view fullCommandLine);

// The arguments without their first and last character ("" when shorter than that).
std::string settingFilePathFromCommandLine(const std::string& commandLine);

}  // namespace morvane
