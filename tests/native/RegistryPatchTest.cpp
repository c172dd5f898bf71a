#include <gtest/gtest.h>

#include "driver_settings/Apply.h"
#include "driver_settings/RegistryPatch.h"
#include "host/RecordingHost.h"

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
  const std::vector<std::string> expected = {
      "GetWindowsDirectoryA 145", "write C:\\WINDOWS\\scrap.reg",
      "start hidden regedit C:\\WINDOWS\\scrap.reg", "Sleep 500", "enter"};
  EXPECT_EQ(host.calls, expected);
  EXPECT_EQ(host.files["C:\\WINDOWS\\scrap.reg"], registryPatch(settings));

  // A second Apply leaves one file holding the second run's lines.
  settings.setNumber(Field::pageFlipping, 0);
  Command1_Click(settings, host);
  EXPECT_EQ(host.files.size(), 1u);
  EXPECT_EQ(host.files["C:\\WINDOWS\\scrap.reg"], registryPatch(settings));
}

TEST(Apply, CarriesOnPastEveryFailure) {
  RecordingHost host;
  host.windowsDirectoryFails = true;
  host.unwritablePaths.insert("\\scrap.reg");
  host.startFails = true;
  MemorySettings settings;
  Command1_Click(settings, host);
  const std::vector<std::string> expected = {"GetWindowsDirectoryA 145", "write \\scrap.reg",
                                             "start hidden regedit \\scrap.reg", "Sleep 500",
                                             "enter"};
  EXPECT_EQ(host.calls, expected);
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
