// The three buttons of the "Settings" tab that go through the file dialog. A cancelled dialog
// changes nothing.
#pragma once

#include "driver_settings/DriverSettings.h"
#include "host/Host.h"

namespace morvane {

void Command3_Click(DriverSettings& settings, Host& host);  // "Save Setting File"
void Command4_Click(DriverSettings& settings, Host& host);  // "Load Setting File"
void Command5_Click(DriverSettings& settings, Host& host);  // "..." picks the application

// A file dropped onto the window: a setting file (".mvs", any letter case) is loaded as "Load
// Setting File" loads the one chosen in its dialog; any other file becomes the application, as
// "..." makes the one chosen in its dialog.
void dropFile(const std::string& path, DriverSettings& settings, Host& host);

}  // namespace morvane
