#include "setting_files/LineCutter.h"

#include <algorithm>
#include <cstring>

namespace morvane {

bool LineCutter::take(const char* data, std::size_t size) {
  const char* const end = data + size;
  while (data < end && lines_.size() < maxLines_) {
    const void* found = std::memchr(data, '\n', static_cast<std::size_t>(end - data));
    const char* stop = found ? static_cast<const char*>(found) : end;
    if (stop > data) {
      // Keep one character past the cut: a CR there belongs to the line's end, not its text.
      const std::size_t room = maxLength_ + 1 - std::min(current_.size(), maxLength_ + 1);
      current_.append(data, std::min(room, static_cast<std::size_t>(stop - data)));
      lastWasCr_ = stop[-1] == '\r';
      pending_ = true;
    }
    data = stop;
    if (found) {
      endLine();
      ++data;
    }
  }
  return lines_.size() < maxLines_;
}

void LineCutter::finish() {
  if (pending_ && lines_.size() < maxLines_)
    endLine();
}

void LineCutter::endLine() {
  if (current_.size() > maxLength_) {
    current_.resize(maxLength_);
  } else if (lastWasCr_) {
    current_.pop_back();
  }
  lines_.push_back(current_);
  current_.clear();
  pending_ = false;
  lastWasCr_ = false;
}

}  // namespace morvane
