#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "setting_files/FileCommands.h"
#include "setting_files/SettingFile.h"

namespace morvane {
namespace {

const std::string kHead = "Morvane Config File - Halvorsk\r\n" + std::string(50, '-') + "\r\n\r\n";
const char* const kPath = "C:\\x.mvs";

struct Values {
  int numbers[6];
  std::string name, app;
};

Values valuesOf(const DriverSettings& s) {
  Values v;
  for (int i = 0; i < 6; ++i)
    v.numbers[i] = s.number(kFields[i].field);
  v.name = s.text(Field::settingName);
  v.app = s.text(Field::applicationPath);
  return v;
}

void expectValues(const DriverSettings& s, const Values& want) {
  const Values got = valuesOf(s);
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(got.numbers[i], want.numbers[i]) << kFields[i].name;
  EXPECT_EQ(got.name, want.name);
  EXPECT_EQ(got.app, want.app);
}

// Reads `content` into settings that start from a distinct, non-initial state.
MemorySettings readFrom(const std::string& content, RecordingHost& host) {
  MemorySettings settings;
  const int start[] = {1, 1, 1, 5, 99, 1};
  for (int i = 0; i < 6; ++i)
    settings.setNumber(kFields[i].field, start[i]);
  settings.setText(Field::settingName, "old name");
  settings.setText(Field::applicationPath, "old app");
  host.files[kPath] = content;
  readSettingFile(kPath, settings, host);
  return settings;
}

TEST(SettingFile, WritesElevenLines) {
  MemorySettings settings;
  settings.setNumber(Field::doNotWaitAfter3DOps, 2);
  settings.setNumber(Field::quad2Linear, 256);
  settings.setText(Field::applicationPath, "C:\\Games\\quake.exe");
  EXPECT_EQ(writeSettingFile(settings),
            kHead +
                "2\r\n0\r\n0\r\n10\r\n256\r\n0\r\nYour Changed Settings\r\n"
                "C:\\Games\\quake.exe\r\n");
}

TEST(SettingFile, RoundTripRestoresAllEightIncludingAwkwardTexts) {
  const Values cases[] = {
      {{2, 1, 0, 3, 128, 1}, "Quake", "C:\\Games\\Quake\\quake.exe"},
      {{0, 2, 2, 0, 256, 2}, "  lead, \"quoted\", trail  ", " C:\\a b\\x.exe -game \"c, d\" "},
      {{1, 0, 1, 10, 0, 0}, "", ""},
  };
  for (const Values& c : cases) {
    SCOPED_TRACE(c.name);
    MemorySettings source;
    for (int i = 0; i < 6; ++i)
      ASSERT_TRUE(source.setNumber(kFields[i].field, c.numbers[i]));
    source.setText(Field::settingName, c.name);
    source.setText(Field::applicationPath, c.app);
    RecordingHost host;
    const MemorySettings loaded = readFrom(writeSettingFile(source), host);
    EXPECT_TRUE(host.messages.empty());
    expectValues(loaded, c);
  }
}

struct ReadCase {
  const char* what;
  std::string content;
  bool message;
  Values want;
};

TEST(SettingFile, ReadsDamagedAndShortFilesByTheHolderRules) {
  const std::string body = "1\r\n2\r\n0\r\n7\r\n200\r\n1\r\nName\r\nC:\\app.exe\r\n";
  const ReadCase cases[] = {
      {"bare LF and no final line end",
       kHead.substr(0, 30) + "\n" + std::string(50, '-') +
           "\n\n1\n2\n0\n7\n200\n1\nName\nC:\\app.exe",
       false,
       {{1, 2, 0, 7, 200, 1}, "Name", "C:\\app.exe"}},
      {"blanks around numbers",
       kHead + " 1 \r\n\t2\r\n0\r\n 7\r\n200 \r\n1\r\nN\r\nA\r\n",
       false,
       {{1, 2, 0, 7, 200, 1}, "N", "A"}},
      {"only four lines", kHead + "2\r\n", false, {{2, 2, 2, 2, 2, 2}, "", ""}},
      {"four lines, out of range for the checks",
       kHead + "7\r\n",
       false,
       {{1, 1, 1, 7, 7, 1}, "", ""}},
      {"text where a number belongs",
       kHead + "1\r\nabc\r\n0\r\n7\r\n200\r\n1\r\nN\r\nA\r\n",
       false,
       {{1, 1, 0, 7, 200, 1}, "N", "A"}},
      {"eleven on line 7",
       kHead + "1\r\n2\r\n0\r\n11\r\n200\r\n1\r\nN\r\nA\r\n",
       false,
       {{1, 2, 0, 5, 200, 1}, "N", "A"}},
      {"empty number lines give 0",
       kHead + "\r\n\r\n\r\n\r\n\r\n\r\nN\r\nA\r\n",
       false,
       {{0, 0, 0, 0, 0, 0}, "N", "A"}},
      // A missing text line reads as the empty text, so a short file names no program.
      {"fraction rounds half to even, ends after line 10",
       kHead + "0.5\r\n1.5\r\n0\r\n2.5\r\n3.5\r\n0\r\nN\r\n",
       false,
       {{0, 2, 0, 2, 4, 0}, "N", ""}},
      {"header only", kHead.substr(0, 32), false, {{0, 0, 0, 0, 0, 0}, "", ""}},
      {"header and hyphens only", kHead.substr(0, 84), false, {{0, 0, 0, 0, 0, 0}, "", ""}},
      {"header in other letter case",
       "MORVANE CONFIG FILE - HALVORSK\r\n" + kHead.substr(32) + body,
       true,
       {{1, 2, 0, 7, 200, 1}, "Name", "C:\\app.exe"}},
      {"empty file", "", true, {{0, 0, 0, 0, 0, 0}, "", ""}},
      {"lines past the longest are cut, and nothing after line 11 is read",
       kHead + "1\r\n2\r\n0\r\n7\r\n200\r\n1\r\n" + std::string(40000, 'n') + "\r\n" +
           std::string(longestSettingLine, 'a') + "z\r\nmore\r\n",
       false,
       {{1, 2, 0, 7, 200, 1},
        std::string(longestSettingLine, 'n'),
        std::string(longestSettingLine, 'a')}},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.what);
    RecordingHost host;
    const MemorySettings loaded = readFrom(c.content, host);
    EXPECT_EQ(host.messages.size(), c.message ? 1u : 0u);
    expectValues(loaded, c.want);
  }
}

TEST(SettingFile, MissingFileShowsTheMessageAndClearsEverything) {
  RecordingHost host;
  MemorySettings settings;
  settings.setNumber(Field::quad2Linear, 9);
  readSettingFile("C:\\nowhere.mvs", settings, host);
  ASSERT_EQ(host.messages, std::vector<std::string>{"This is not a valid Morvane Config File"});
  expectValues(settings, {{0, 0, 0, 0, 0, 0}, "", ""});
}

TEST(FileCommands, DialogInputsAndWhatIsDoneWithTheName) {
  RecordingHost host;
  MemorySettings settings;
  settings.setNumber(Field::pageFlipping, 2);
  host.dialogAnswers = {"C:\\saved", "C:\\saved", "C:\\Games\\q.exe"};
  Command3_Click(settings, host);
  ASSERT_EQ(host.files.count("C:\\saved"), 1u);  // no extension added
  EXPECT_EQ(host.files["C:\\saved"], writeSettingFile(settings));

  MemorySettings loaded;
  Command4_Click(loaded, host);
  EXPECT_EQ(loaded.number(Field::pageFlipping), 2);
  Command5_Click(loaded, host);
  EXPECT_EQ(loaded.text(Field::applicationPath), "C:\\Games\\q.exe");

  const struct {
    const char* title;
    const char* initial;
    DialogForm form;
  } want[] = {{"Save Settings", "*.mvs", DialogForm::save},
              {"Open Settings", "*.mvs", DialogForm::open},
              {"Select Application...", "*.exe", DialogForm::open}};
  ASSERT_EQ(host.dialogRequests.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(want[i].title);
    EXPECT_EQ(host.dialogRequests[i].title, want[i].title);
    EXPECT_EQ(host.dialogRequests[i].initialName, want[i].initial);
    EXPECT_EQ(host.dialogRequests[i].defaultExtension, "");
    EXPECT_EQ(host.dialogRequests[i].form, want[i].form);
  }
}

TEST(FileCommands, CancelledDialogsChangeNothing) {
  RecordingHost host;  // no answers: every dialog is cancelled
  MemorySettings settings;
  settings.setNumber(Field::quad2Linear, 77);
  settings.setText(Field::applicationPath, "C:\\keep.exe");
  Command3_Click(settings, host);
  Command4_Click(settings, host);
  Command5_Click(settings, host);
  EXPECT_TRUE(host.files.empty());
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(settings.number(Field::quad2Linear), 77);
  EXPECT_EQ(settings.text(Field::applicationPath), "C:\\keep.exe");
}

TEST(FileCommands, DroppedSettingFileLoadsAndAnyOtherFileBecomesTheApplication) {
  const std::string file = kHead + "1\r\n2\r\n0\r\n4\r\n200\r\n1\r\nDropped\r\nC:\\d\\d.exe\r\n";
  const struct {
    const char* dropped;
    bool loads;  // otherwise the path becomes the application and nothing else changes
  } cases[] = {
      {"C:\\Games\\quake.mvs", true},  {"C:\\Games\\QUAKE.MVS", true},
      {"C:\\Games\\quake.exe", false}, {"C:\\Games\\quake.mvs.lnk", false},
      {"C:\\Games\\mvs", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dropped);
    RecordingHost host;
    host.files[c.dropped] = file;
    MemorySettings settings;
    settings.setText(Field::applicationPath, "C:\\before.exe");
    dropFile(c.dropped, settings, host);
    EXPECT_TRUE(host.messages.empty());
    if (c.loads) {
      expectValues(settings, {{1, 2, 0, 4, 200, 1}, "Dropped", "C:\\d\\d.exe"});
    } else {
      expectValues(settings, {{0, 0, 0, 10, 0, 0}, "Your Changed Settings", c.dropped});
      EXPECT_EQ(host.calls, std::vector<std::string>{});  // not even read
    }
  }
}

}  // namespace
}  // namespace morvane
