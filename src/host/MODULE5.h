#pragma once

#include <string>

#include "host/Host.h"

namespace morvane {

// The Windows directory, whole, without a trailing backslash added or removed; empty when it
// cannot be found.
std::string WindowsDirectory(Host& host);

}  // namespace morvane
