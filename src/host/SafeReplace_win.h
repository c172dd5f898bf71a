// The safe replacement of a file on Win32 disks.
#pragma once

#include <string>

namespace morvane {

bool replaceFileOnDisk(const std::string& path, const std::string& bytes);

}  // namespace morvane
