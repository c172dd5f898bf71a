#pragma once

#include <string>

#include "driver_settings/DriverSettings.h"

namespace morvane {

// The thirteen-line REGEDIT4 text that hands the six driver options to the registry editor,
// every line ended by CR LF. Reads each field as its line comes up.
std::string registryPatch(const DriverSettings& settings);

}  // namespace morvane
