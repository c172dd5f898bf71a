// Saving over a setting file with the real host: the old file is replaced completely, or, when
// the save fails part way, left exactly as it was with nothing beside it.
#include <gtest/gtest.h>

#include "WineTestSupport.h"
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
  const std::string old = "old content that is longer than the new one\r\n";
  const struct {
    const char* what;
    std::string target;
    bool readOnly;
    bool ok;
  } cases[] = {
      {"over an existing file", path, false, true},
      {"read-only target", path, true, false},
      {"folder that vanished", kDir + "\\gone\\quake.mvs", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_TRUE(writeFileBytes(path, old));
    if (c.readOnly)
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    morvane::Win32Host host;
    EXPECT_EQ(host.writeFile(c.target, "new\r\n"), c.ok);
    EXPECT_EQ(readFileBytes(path), c.ok ? "new\r\n" : old);
    EXPECT_EQ(filesIn(kDir), 1) << "a temporary file was left behind";
  }
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace morvane_test
