#include "host/MODULE5.h"

#include <vector>

namespace morvane {

namespace {

// The first buffer's size, room for any ordinary Windows directory and its final NUL; a longer
// one costs a second call.
constexpr std::size_t kFirstBufferSize = 145;

}  // namespace

std::string WindowsDirectory(Host& host) {
  std::vector<char> buffer(kFirstBufferSize, '\0');
  unsigned length = host.GetWindowsDirectoryA(buffer.data(), static_cast<unsigned>(buffer.size()));
  if (length >= buffer.size()) {
    // Too long for the first buffer: the call said how much it needs, so ask once more with that.
    buffer.assign(length, '\0');
    length = host.GetWindowsDirectoryA(buffer.data(), static_cast<unsigned>(buffer.size()));
    if (length >= buffer.size())
      return std::string();
  }
  return std::string(buffer.data(), length);
}

}  // namespace morvane
