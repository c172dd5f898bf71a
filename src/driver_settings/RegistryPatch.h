#pragma once

#include <string>

#include "driver_settings/DriverSettings.h"

namespace morvane {

// The thirteen-line REGEDIT4 text that hands the six driver options to the registry editor,
// every line ended by CR LF. Reads the six driver fields once each, in the order of kFields,
// and puts each value on its own line of the patch, whose order differs.
std::string registryPatch(const DriverSettings& settings);

}  // namespace morvane
