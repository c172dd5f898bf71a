// The Windows directory, asked of the host the way the program has always asked for it: into a
// fixed buffer first, and only when that is too small, once more into one of the size needed.
#pragma once

#include <string>

#include "host/Host.h"

namespace morvane {

// The Windows directory, whole, without a trailing backslash added or removed; empty when it
// cannot be found.
std::string WindowsDirectory(Host& host);

}  // namespace morvane
