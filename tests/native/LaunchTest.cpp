#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "driver_settings/RegistryPatch.h"
#include "launch/RunApp.h"
#include "launch/Startup.h"
#include "setting_files/SettingFile.h"

namespace morvane {
namespace {

std::vector<std::string> applyThen(std::vector<std::string> rest) {
  std::vector<std::string> all = kOrdinaryApplyCalls;
  all.insert(all.end(), rest.begin(), rest.end());
  return all;
}

// The files that exist for the Run App cases, a planted C:\Program.exe among them.
void addFiles(RecordingHost& host) {
  host.existingFiles = {"C:\\Games\\Quake\\quake.exe",
                        "C:\\quake.exe",
                        "C:\\Games\\q.exe",
                        "C:\\Program.exe",
                        "C:\\Program Files\\My Game\\game.exe",
                        "\\game.exe",
                        "C:\\Morvane\\morvane.exe"};
}

TEST(RunApp, AppliesThenStartsFromTheApplicationsDirectory) {
  const struct {
    const char* app;
    std::vector<std::string> after;
  } cases[] = {
      {"C:\\Games\\Quake\\quake.exe",
       {"exists C:\\Games\\Quake\\quake.exe", "cd C:\\Games\\Quake",
        "start normal C:\\Games\\Quake\\quake.exe"}},
      // A root folder is the root, not the drive's current folder.
      {"C:\\quake.exe", {"exists C:\\quake.exe", "cd C:\\", "start normal C:\\quake.exe"}},
      {"\\game.exe", {"exists \\game.exe", "cd \\", "start normal \\game.exe"}},
      // Arguments holding a backslash leave the folder alone.
      {"C:\\Games\\q.exe -path D:\\x",
       {"exists C:\\Games\\q.exe -path D:\\x", "exists C:\\Games\\q.exe -path",
        "exists C:\\Games\\q.exe", "cd C:\\Games", "start normal C:\\Games\\q.exe -path D:\\x"}},
      // The longest existing prefix wins over a planted C:\Program.exe, and starts quoted.
      {"C:\\Program Files\\My Game\\game.exe -nosound",
       {"exists C:\\Program Files\\My Game\\game.exe -nosound",
        "exists C:\\Program Files\\My Game\\game.exe", "cd C:\\Program Files\\My Game",
        "start normal \"C:\\Program Files\\My Game\\game.exe\" -nosound"}},
      {"C:\\Program Files\\My Game\\game.exe",
       {"exists C:\\Program Files\\My Game\\game.exe", "cd C:\\Program Files\\My Game",
        "start normal \"C:\\Program Files\\My Game\\game.exe\""}},
      // A quoted program part is taken as it is quoted, with no file looked for.
      {"\"C:\\Program Files\\My Game\\game.exe\" -nosound",
       {"cd C:\\Program Files\\My Game",
        "start normal \"C:\\Program Files\\My Game\\game.exe\" -nosound"}},
      {"\"C:\\Program Files\\My Game\\game.exe",
       {"cd C:\\Program Files\\My Game", "start normal \"C:\\Program Files\\My Game\\game.exe"}},
      // No prefix names a file: the text starts as it stands, from before its last backslash.
      {"C:\\Games\\", {"exists C:\\Games\\", "cd C:\\Games", "start normal C:\\Games\\"}},
      {"C:\\Games\\r.exe -path D:\\x",
       {"exists C:\\Games\\r.exe -path D:\\x", "exists C:\\Games\\r.exe -path",
        "exists C:\\Games\\r.exe",
        "cd C:\\Games\\r.exe -path D:", "start normal C:\\Games\\r.exe -path D:\\x"}},
      // No backslash: the current directory stays.
      {"quake.exe -dedicated",
       {"exists quake.exe -dedicated", "exists quake.exe", "start normal quake.exe -dedicated"}},
      // From the window, even Morvane itself with a setting file is the user's own choice.
      {"C:\\Morvane\\morvane.exe \"C:\\x.mvs\"",
       {"exists C:\\Morvane\\morvane.exe \"C:\\x.mvs\"", "exists C:\\Morvane\\morvane.exe",
        "cd C:\\Morvane", "start normal C:\\Morvane\\morvane.exe \"C:\\x.mvs\""}},
      {"", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.app);
    RecordingHost host;
    addFiles(host);
    MemorySettings settings;
    settings.setText(Field::applicationPath, c.app);
    Command6_Click(settings, host);
    EXPECT_EQ(host.calls, applyThen(c.after));
  }
}

TEST(FormLoad, ArgumentsFollowTheProgramNameAndItsBlanks) {
  const struct {
    const char* whole;
    const char* arguments;
  } cases[] = {
      {"\"C:\\Program Files\\Morvane\\morvane.exe\" \"C:\\Games\\q.mvs\"",
       "\"C:\\Games\\q.mvs\""},  // quoted, with blanks
      {"\"C:\\Program Files\\Morvane\\morvane.exe \"C:\\q.mvs\"", "C:\\q.mvs\""},  // quotes pair up
      {"\"C:\\Program Files\\Morvane\\morvane.exe", ""},  // unterminated quote
      {"\"morvane.exe\"\"C:\\q.mvs\"", "\"C:\\q.mvs\""},  // nothing in between
      {"morvane.exe\t\"C:\\q.mvs\"", "\"C:\\q.mvs\""},    // tab separator
      {"morvane.exe  \t C:\\q.mvs  ", "C:\\q.mvs  "},     // trailing blanks stay
      {"morvane.exe", ""},                                // no arguments
      {"morvane.exe   ", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.whole);
    EXPECT_EQ(argumentsOf(c.whole), c.arguments);
  }
}

TEST(FormLoad, EmptyCommandLineLeavesTheWindowToTheUser) {
  RecordingHost host;
  MemorySettings settings;
  Form_Load(settings, host);
  EXPECT_EQ(host.calls, std::vector<std::string>{"commandLine"});
}

TEST(FormLoad, CommandLineLoadsAppliesStartsAndEnds) {
  const std::string file = std::string(settingFileHeader) + "\r\n" + std::string(50, '-') +
                           "\r\n\r\n1\r\n0\r\n0\r\n3\r\n128\r\n1\r\nQuake\r\n";
  const struct {
    const char* commandLine;
    const char* app;  // line 11 of the file
    const char* readPath;
    bool message;
    std::vector<std::string> after;
  } cases[] = {
      {"\"C:\\Program Files\\Morvane\\morvane.exe\" \"C:\\Games\\q.mvs\"",
       "C:\\Games\\Quake\\quake.exe",
       "C:\\Games\\q.mvs",
       false,
       {"exists C:\\Games\\Quake\\quake.exe", "cd C:\\Games\\Quake",
        "start normal C:\\Games\\Quake\\quake.exe", "end"}},
      {"morvane.exe \"C:\\Games\\q.mvs\"", "", "C:\\Games\\q.mvs", false, {"end"}},
      {"morvane.exe C:\\Games\\q.mvs", "C:\\x.exe", ":\\Games\\q.mv", true, {"end"}},
      {"morvane.exe x", "C:\\x.exe", "", true, {"end"}},
      // Morvane itself with a setting file, however spelled, is not started again: each such
      // start would be one more hidden Morvane, importing and starting the next.
      {"morvane.exe \"C:\\Games\\q.mvs\"",
       "C:\\Morvane\\morvane.exe \"C:\\Games\\q.mvs\"",
       "C:\\Games\\q.mvs",
       false,
       {"exists C:\\Morvane\\morvane.exe \"C:\\Games\\q.mvs\"", "exists C:\\Morvane\\morvane.exe",
        "full C:\\Morvane\\morvane.exe", "own exe", "full C:\\Morvane\\morvane.exe", "end"}},
      {"morvane.exe \"C:\\Games\\q.mvs\"",
       "\"C:\\MORVANE~1\\MORVANE.EXE\" x",
       "C:\\Games\\q.mvs",
       false,
       {"full C:\\MORVANE~1\\MORVANE.EXE", "own exe", "full C:\\Morvane\\morvane.exe", "end"}},
      // Without an argument it would only show its window, and another exe is another program.
      {"morvane.exe \"C:\\Games\\q.mvs\"",
       "C:\\Morvane\\morvane.exe",
       "C:\\Games\\q.mvs",
       false,
       {"exists C:\\Morvane\\morvane.exe", "cd C:\\Morvane",
        "start normal C:\\Morvane\\morvane.exe", "end"}},
      {"morvane.exe \"C:\\Games\\q.mvs\"",
       "C:\\Games\\q.exe \"C:\\Games\\q.mvs\"",
       "C:\\Games\\q.mvs",
       false,
       {"exists C:\\Games\\q.exe \"C:\\Games\\q.mvs\"", "exists C:\\Games\\q.exe",
        "full C:\\Games\\q.exe", "own exe", "full C:\\Morvane\\morvane.exe", "cd C:\\Games",
        "start normal C:\\Games\\q.exe \"C:\\Games\\q.mvs\"", "end"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.commandLine) + " starting " + c.app);
    RecordingHost host;
    addFiles(host);
    host.fullPaths["C:\\MORVANE~1\\MORVANE.EXE"] = "C:\\Morvane\\morvane.exe";
    host.commandLineText = c.commandLine;
    host.files["C:\\Games\\q.mvs"] = file + c.app + "\r\n";
    MemorySettings settings;
    Form_Load(settings, host);
    std::vector<std::string> want = {"commandLine", std::string("read ") + c.readPath};
    if (c.message)
      want.push_back("message This is not a valid Morvane Config File");
    for (const std::string& call : applyThen(c.after))
      want.push_back(call);
    EXPECT_EQ(host.calls, want);
    // What Apply wrote is what was loaded: the file's values, or zeros for a missing file.
    MemorySettings expected;
    if (!c.message) {
      expected.setNumber(Field::doNotWaitAfter3DOps, 1);
      expected.setNumber(Field::texPerspLevel, 3);
      expected.setNumber(Field::quad2Linear, 128);
      expected.setNumber(Field::subDivideBoost, 1);
    } else {
      expected.setNumber(Field::texPerspLevel, 0);
    }
    EXPECT_EQ(host.files["C:\\WINDOWS\\scrap.reg"], registryPatch(expected));
    EXPECT_EQ(settings.number(Field::quad2Linear), expected.number(Field::quad2Linear));
  }
}

}  // namespace
}  // namespace morvane
