// Saving over a setting file with the real host: the old file is replaced completely, or, when
// the save fails part way, left exactly as it was with nothing beside it. Both ways are run: the
// one-step replace of the NT family, and the move-aside of Windows 95, 98 and ME, chosen here by
// the platform id the host believes in.
#include <gtest/gtest.h>

#include "WineTestSupport.h"
#include "host/Compat_win.h"
#include "host/Host_win.h"

namespace morvane_test {
namespace {

const std::string kDir = "C:\\morvane safe save";

int filesIn(const std::string& dir) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((dir + "\\*").c_str(), &found);
  int count = 0;
  if (search == INVALID_HANDLE_VALUE)
    return 0;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      ++count;
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return count;
}

TEST(SafeSave, ReplacesWholeOrLeavesTheOldFile) {
  CreateDirectoryA(kDir.c_str(), nullptr);
  const std::string path = kDir + "\\quake.mvs";
  // A name that brings the whole path to 256 characters, a few short of what Windows allows.
  const std::string longPath = kDir + "\\" + std::string(256 - kDir.size() - 5, 'l') + ".mvs";
  ASSERT_EQ(longPath.size(), 256u);
  const std::string old = "old content that is longer than the new one\r\n";
  const struct {
    const char* what;
    std::string existing;
    std::string target;
    bool readOnly;
    bool ok;
  } cases[] = {
      {"over an existing file", path, path, false, true},
      {"read-only target", path, path, true, false},
      {"folder that vanished", path, kDir + "\\gone\\quake.mvs", false, false},
      {"a 256-character path", longPath, longPath, false, true},
  };
  const DWORD platforms[] = {VER_PLATFORM_WIN32_NT, VER_PLATFORM_WIN32_WINDOWS};
  const morvane::CompatFunctions saved = morvane::compatFunctions();
  for (DWORD platform : platforms) {
    morvane::compatFunctions().platformId = platform;
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << c.what << ", platform id " << platform);
      SetFileAttributesA(c.existing.c_str(), FILE_ATTRIBUTE_NORMAL);
      ASSERT_TRUE(writeFileBytes(c.existing, old));
      if (c.readOnly)
        SetFileAttributesA(c.existing.c_str(), FILE_ATTRIBUTE_READONLY);
      morvane::Win32Host host;
      EXPECT_EQ(host.writeFile(c.target, "new\r\n"), c.ok);
      EXPECT_EQ(readFileBytes(c.existing), c.ok ? "new\r\n" : old);
      EXPECT_EQ(filesIn(kDir), 1) << "a temporary file was left behind";
      SetFileAttributesA(c.existing.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(c.existing.c_str());
    }
  }
  morvane::compatFunctions() = saved;
}

}  // namespace
}  // namespace morvane_test
