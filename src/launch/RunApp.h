#pragma once

#include <string>

#include "driver_settings/DriverSettings.h"
#include "host/Host.h"

namespace morvane {

// "Run App": Apply, then start the application box's text from the application's own
// directory, with a normal focused window, never waiting for it.
void Command6_Click(DriverSettings& settings, Host& host);

// Everything before the last backslash of the whole text (arguments included); false when the
// text holds no backslash.
bool applicationDirectory(const std::string& applicationPath, std::string& directory);

}  // namespace morvane
