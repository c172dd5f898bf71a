#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "driver_settings/Apply.h"
#include "driver_settings/RegistryPatch.h"

namespace morvane {
namespace {

std::string patch(const char* subDivide, const char* persp, const char* quad, const char* wait,
                  const char* flip, const char* fill) {
  return std::string(
             "REGEDIT4\r\n"
             "\r\n"
             "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ATI Technologies\\3D]\r\n"
             "\r\n"
             "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ATI Technologies\\3D\\ATID3D]\r\n"
             "\"u32SubDivide\"=dword:") +
         subDivide + "\r\n\"u32TexPerspLevel\"=\"" + persp +
         "\"\r\n\"u32Quad2Linear\"=dword:" + quad +
         "\r\n"
         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ATI Technologies\\DDHAL]\r\n"
         "\r\n"
         "\"DoNotWaitAfter3DOps\"=dword:" +
         wait + "\r\n\"PageFlipping\"=dword:" + flip + "\r\n\"UseFastColorFill\"=dword:" + fill +
         "\r\n";
}

void setChecks(MemorySettings& settings, std::int16_t state) {
  for (Field f : {Field::doNotWaitAfter3DOps, Field::pageFlipping, Field::useFastColorFill,
                  Field::subDivideBoost}) {
    ASSERT_TRUE(settings.setNumber(f, state));
  }
}

TEST(RegistryPatch, InitialSettings) {
  MemorySettings settings;
  EXPECT_EQ(registryPatch(settings),
            patch("00000000", "10", "00000000", "00000000", "00000000", "00000000"));
}

TEST(RegistryPatch, AllChecked) {
  MemorySettings settings;
  setChecks(settings, 1);
  EXPECT_EQ(registryPatch(settings),
            patch("0000000F", "10", "00000000", "00000001", "00000001", "00000001"));
}

TEST(RegistryPatch, GrayedIsWrittenAsUnchecked) {
  MemorySettings grayed, unchecked;
  setChecks(grayed, 2);
  EXPECT_EQ(registryPatch(grayed), registryPatch(unchecked));
}

TEST(RegistryPatch, SlidersPrintedDecimalAndHex) {
  const struct {
    int persp, quad;
    const char* perspText;
    const char* quadText;
  } cases[] = {{0, 128, "0", "00000080"}, {7, 256, "7", "00000100"}, {10, 255, "10", "000000FF"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.quad);
    MemorySettings settings;
    settings.setNumber(Field::texPerspLevel, static_cast<std::int16_t>(c.persp));
    settings.setNumber(Field::quad2Linear, static_cast<std::int16_t>(c.quad));
    EXPECT_EQ(registryPatch(settings),
              patch("00000000", c.perspText, c.quadText, "00000000", "00000000", "00000000"));
  }
}

TEST(Apply, WritesThePatchStartsTheImporterHiddenWaitsAndPressesEnter) {
  RecordingHost host;
  MemorySettings settings;
  settings.setNumber(Field::pageFlipping, 1);
  Command1_Click(settings, host);
  EXPECT_EQ(host.calls, kOrdinaryApplyCalls);
  EXPECT_EQ(host.files["C:\\WINDOWS\\scrap.reg"], registryPatch(settings));

  // A second Apply leaves one file holding the second run's lines.
  settings.setNumber(Field::pageFlipping, 0);
  Command1_Click(settings, host);
  EXPECT_EQ(host.files.size(), 1u);
  EXPECT_EQ(host.files["C:\\WINDOWS\\scrap.reg"], registryPatch(settings));
}

TEST(Apply, EachFailureSkipsOnlyTheStepsThatServeIt) {
  const struct {
    const char* what;
    const char* windows;  // nullptr: the Windows directory cannot be found
    bool unwritable, startFails, lockTimesOut, importerStays;
    std::vector<std::string> calls;
  } cases[] = {
      {"a Windows directory with blanks: the patch path is quoted",
       "C:\\Documents and Settings\\user\\WINDOWS",
       false,
       false,
       false,
       false,
       {"GetWindowsDirectoryA 145", "lock 10000",
        "write C:\\Documents and Settings\\user\\WINDOWS\\scrap.reg",
        "start hidden [C:\\Documents and Settings\\user\\WINDOWS\\regedit.exe] regedit "
        "\"C:\\Documents and Settings\\user\\WINDOWS\\scrap.reg\"",
        "Sleep 500", "enter 100", "wait 100 3000", "unlock"}},
      {"no Windows directory: both at the current drive's root",
       nullptr,
       false,
       false,
       false,
       false,
       {"GetWindowsDirectoryA 145", "lock 10000", "write \\scrap.reg",
        "start hidden [\\regedit.exe] regedit \\scrap.reg", "Sleep 500", "enter 100",
        "wait 100 3000", "unlock"}},
      {"patch not written: no importer on an older patch, no keystroke",
       "C:\\WINDOWS",
       true,
       false,
       false,
       false,
       {"GetWindowsDirectoryA 145", "lock 10000", "write C:\\WINDOWS\\scrap.reg", "Sleep 500",
        "unlock"}},
      {"importer not started: no keystroke",
       "C:\\WINDOWS",
       false,
       true,
       false,
       false,
       {"GetWindowsDirectoryA 145", "lock 10000", "write C:\\WINDOWS\\scrap.reg",
        "start hidden [C:\\WINDOWS\\regedit.exe] regedit C:\\WINDOWS\\scrap.reg", "Sleep 500",
        "unlock"}},
      {"every step fails",
       nullptr,
       true,
       true,
       true,
       false,
       {"GetWindowsDirectoryA 145", "lock 10000", "write \\scrap.reg", "Sleep 500"}},
      {"the turn never comes: Apply goes on, and gives back no turn it did not get",
       "C:\\WINDOWS",
       false,
       false,
       true,
       false,
       {"GetWindowsDirectoryA 145", "lock 10000", "write C:\\WINDOWS\\scrap.reg",
        "start hidden [C:\\WINDOWS\\regedit.exe] regedit C:\\WINDOWS\\scrap.reg", "Sleep 500",
        "enter 100", "wait 100 3000"}},
      {"an importer that stays is let go after the bound",
       "C:\\WINDOWS",
       false,
       false,
       false,
       true,
       {"GetWindowsDirectoryA 145", "lock 10000", "write C:\\WINDOWS\\scrap.reg",
        "start hidden [C:\\WINDOWS\\regedit.exe] regedit C:\\WINDOWS\\scrap.reg", "Sleep 500",
        "enter 100", "wait 100 3000", "unlock"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RecordingHost host;
    host.windowsDirectoryFails = c.windows == nullptr;
    if (c.windows)
      host.windowsDirectory = c.windows;
    if (c.unwritable)
      host.unwritablePaths.insert(patchPath(c.windows ? c.windows : ""));
    host.startFails = c.startFails;
    host.lockTimesOut = c.lockTimesOut;
    host.importerKeepsRunning = c.importerStays;
    MemorySettings settings;
    Command1_Click(settings, host);
    EXPECT_EQ(host.calls, c.calls);
  }
}

TEST(Apply, WindowsDirectoryLongerThanTheFirstBufferComesBackWhole) {
  for (std::size_t length : {144u, 145u, 146u, 300u}) {
    SCOPED_TRACE(length);
    RecordingHost host;
    host.windowsDirectory = "C:\\" + std::string(length - 3, 'w');
    MemorySettings settings;
    Command1_Click(settings, host);
    EXPECT_EQ(host.files.count(host.windowsDirectory + "\\scrap.reg"), 1u);
  }
}

}  // namespace
}  // namespace morvane
