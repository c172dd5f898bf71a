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
  // A new, empty file open for writing; fails when the name is taken.
  virtual bool create(const std::string& path) = 0;
  virtual bool write(const char* data, std::size_t size) = 0;
  virtual bool close() = 0;  // flushes to disk first; false when that fails
  virtual bool exists(const std::string& path) = 0;
  virtual bool readOnly(const std::string& path) = 0;
  // Whether the system replaces a file in one step. Where it does not (Windows 95, 98 and ME),
  // the old file is moved aside, the new one renamed in, and only then is the old one removed.
  virtual bool replacesInOneStep() = 0;
  virtual bool replace(const std::string& from, const std::string& to) = 0;
  virtual bool rename(const std::string& from, const std::string& to) = 0;  // `to` must be free
  virtual bool remove(const std::string& path) = 0;
};

// A name for a temporary file beside `path`, no longer than `path`'s own file name, so that any
// path that can be written can be written this way too. Short enough for a folder of 8.3 names.
// `attempt` picks one of many; none is ever `path` itself.
std::string temporaryNameBeside(const std::string& path, unsigned seed, unsigned attempt);

// `seed` tells this process's temporary names from another's (the process id).
bool replaceFile(FileSteps& files, const std::string& path, const std::string& bytes,
                 unsigned seed);

}  // namespace morvane
