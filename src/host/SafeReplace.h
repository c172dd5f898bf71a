// Replacing a file so that it is never half-written: the new content goes to a file beside the
// old one, which it then takes the place of. A failure on the way leaves the old file exactly as
// it was and nothing else behind.
#pragma once

#include <cstddef>
#include <string>

namespace morvane {

// The few file operations the replacement needs, so that tests can make any of them fail.
class FileSteps {
 public:
  virtual ~FileSteps() = default;
  virtual bool create(const std::string& path) = 0;  // new, empty, open for writing
  virtual bool write(const char* data, std::size_t size) = 0;
  virtual bool close() = 0;  // flushes to disk first; false when that fails
  virtual bool moveOver(const std::string& from, const std::string& to) = 0;
  virtual void remove(const std::string& path) = 0;
};

// The temporary file is `path` + `suffix`.
bool replaceFile(FileSteps& files, const std::string& path, const std::string& bytes,
                 const std::string& suffix);

}  // namespace morvane
