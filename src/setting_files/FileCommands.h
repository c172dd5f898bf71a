// The three buttons of the "Settings" tab that go through the file dialog. A cancelled dialog
// changes nothing.
#pragma once

#include "driver_settings/DriverSettings.h"
#include "host/Host.h"

namespace morvane {

void Command3_Click(DriverSettings& settings, Host& host);  // "Save Setting File"
void Command4_Click(DriverSettings& settings, Host& host);  // "Load Setting File"
void Command5_Click(DriverSettings& settings, Host& host);  // "..." picks the application

}  // namespace morvane
