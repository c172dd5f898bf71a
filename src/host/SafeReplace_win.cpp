#include "host/SafeReplace_win.h"

#include <windows.h>

#include "host/Compat_win.h"
#include "host/SafeReplace.h"

namespace morvane {

namespace {

class Win32FileSteps final : public FileSteps {
 public:
  bool create(const std::string& path) override {
    file_ = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                        nullptr);
    return file_ != INVALID_HANDLE_VALUE;
  }

  bool write(const char* data, std::size_t size) override {
    DWORD wrote = 0;
    return WriteFile(file_, data, static_cast<DWORD>(size), &wrote, nullptr) && wrote == size;
  }

  bool close() override {
    const bool flushed = FlushFileBuffers(file_) != 0;
    const bool closed = CloseHandle(file_) != 0;
    file_ = INVALID_HANDLE_VALUE;
    return flushed && closed;
  }

  bool exists(const std::string& path) override {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  bool readOnly(const std::string& path) override {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
  }

  // Windows 95, 98 and ME export MoveFileExA only as a stub that fails.
  bool replacesInOneStep() override { return !isWindows9x(); }

  bool replace(const std::string& from, const std::string& to) override {
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  }

  bool rename(const std::string& from, const std::string& to) override {
    return MoveFileA(from.c_str(), to.c_str()) != 0;
  }

  bool remove(const std::string& path) override { return DeleteFileA(path.c_str()) != 0; }

 private:
  HANDLE file_ = INVALID_HANDLE_VALUE;
};

}  // namespace

bool replaceFileOnDisk(const std::string& path, const std::string& bytes) {
  Win32FileSteps files;
  return replaceFile(files, path, bytes, static_cast<unsigned>(GetCurrentProcessId()));
}

}  // namespace morvane
