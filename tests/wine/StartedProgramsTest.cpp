// What the built morvane.exe starts, and what it presses, when programs have been planted where
// Windows looks for the ones it means, and when another program or another Morvane is about.
// Copies of standin.exe play every part and log to one file (see standin_win.cpp).
#include <gtest/gtest.h>

#include <algorithm>

#include "WineTestSupport.h"
#include "driver_settings/Apply.h"
#include "host/Host_win.h"

namespace morvane_test {
namespace {

const std::string kHeader = "Morvane Config File - Halvorsk";
const std::string kRoot = "C:\\morvane started";
const std::string kGameDir = "C:\\Program Files\\My Game";

// Lines 4 to 9 with the given perspective level; the rest as in the command-line tests.
std::string settingFile(int level, const std::string& app) {
  return kHeader + "\r\n" + std::string(50, '-') + "\r\n\r\n1\r\n0\r\n2\r\n" +
         std::to_string(level) + "\r\n128\r\n1\r\nStarted\r\n" + app + "\r\n";
}

std::string appliedValues(int level) {
  return "u32SubDivide=dword:15\nu32TexPerspLevel=sz:" + std::to_string(level) +
         "\nu32Quad2Linear=dword:128\nDoNotWaitAfter3DOps=dword:1\nPageFlipping=dword:0\n"
         "UseFastColorFill=dword:0\n";
}

bool startsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

class StartedPrograms : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(useRealImporter());
    CreateDirectoryA(kRoot.c_str(), nullptr);
    log_ = kRoot + "\\standin.log";
    DeleteFileA(log_.c_str());
    SetEnvironmentVariableA("MORVANE_STANDIN_LOG", log_.c_str());
    SetEnvironmentVariableA("MORVANE_STANDIN_IMPORTER", nullptr);
    deleteDriverKeys();
  }

  void TearDown() override {
    endProcessesNamed("morvane.exe");
    endProcessesNamed("foreign.exe");
    EXPECT_TRUE(useRealImporter());
    for (const std::string& planted : planted_)
      DeleteFileA(planted.c_str());
    RemoveDirectoryA(kGameDir.c_str());
    SetEnvironmentVariableA("MORVANE_STANDIN_LOG", nullptr);
    SetEnvironmentVariableA("MORVANE_STANDIN_IMPORTER", nullptr);
  }

  // Puts a copy of the stand-in at `path`, removed again after the test.
  void plant(const std::string& path) {
    ASSERT_TRUE(CopyFileA((binDir() + "standin.exe").c_str(), path.c_str(), FALSE)) << path;
    planted_.push_back(path);
  }

  void importerActs(const char* how) {
    ASSERT_TRUE(useStandInImporter());
    SetEnvironmentVariableA("MORVANE_STANDIN_IMPORTER", how);
  }

  // Writes `content` as a setting file and runs `exe` on it, as a shortcut does, to its end.
  void run(const std::string& content, const std::string& exe = binDir() + "morvane.exe",
           const char* currentDirectory = nullptr) {
    const std::string file = kRoot + "\\started.mvs";
    ASSERT_TRUE(writeFileBytes(file, content));
    ASSERT_TRUE(runToEnd("\"" + exe + "\" \"" + file + "\"", 30000, {}, nullptr, currentDirectory))
        << "morvane.exe did not end by itself";
  }

  std::vector<std::string> logLines() const {
    std::vector<std::string> lines;
    const std::string bytes = readFileBytes(log_);
    if (bytes == "<missing>")
      return lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
      lines.push_back(bytes.substr(start, end - start));
    return lines;
  }

  // The lines logged by copies with this file name, without the name.
  std::vector<std::string> linesOf(const std::string& name) const {
    std::vector<std::string> mine;
    for (const std::string& line : logLines()) {
      if (startsWith(line, name + " "))
        mine.push_back(line.substr(name.size() + 1));
    }
    return mine;
  }

  std::string log_;
  std::vector<std::string> planted_;
};

TEST_F(StartedPrograms, PlantedRegeditBesideMorvaneOrInTheCurrentFolderNeverRuns) {
  const std::string folder = kRoot + "\\with planted";
  const std::string current = kRoot + "\\current";
  CreateDirectoryA(folder.c_str(), nullptr);
  CreateDirectoryA(current.c_str(), nullptr);
  ASSERT_TRUE(
      CopyFileA((binDir() + "morvane.exe").c_str(), (folder + "\\morvane.exe").c_str(), FALSE));
  planted_.push_back(folder + "\\morvane.exe");
  plant(folder + "\\regedit.exe");
  plant(current + "\\regedit.exe");
  run(settingFile(3, ""), folder + "\\morvane.exe", current.c_str());
  // The Windows directory's own editor imported the patch; nothing planted ran.
  waitFor([] { return driverValues() == appliedValues(3); }, 10000);
  EXPECT_EQ(driverValues(), appliedValues(3));
  EXPECT_EQ(logLines(), std::vector<std::string>{});
}

// A host whose Windows directory holds blanks, as Terminal Server's per-user one does.
class PerUserWindowsHost : public morvane::Win32Host {
 public:
  explicit PerUserWindowsHost(std::string directory) : directory_(std::move(directory)) {}
  unsigned GetWindowsDirectoryA(char* buffer, unsigned capacity) override {
    if (directory_.size() >= capacity)
      return static_cast<unsigned>(directory_.size() + 1);
    lstrcpyA(buffer, directory_.c_str());
    return static_cast<unsigned>(directory_.size());
  }

 private:
  std::string directory_;
};

TEST_F(StartedPrograms, WindowsDirectoryWithBlanksImportsTheWholePatchPath) {
  const std::string windows = kRoot + "\\Documents and Settings";
  CreateDirectoryA(windows.c_str(), nullptr);
  ASSERT_TRUE(CopyFileA((windowsDirectory() + "\\regedit.exe").c_str(),
                        (windows + "\\regedit.exe").c_str(), FALSE));
  planted_.push_back(windows + "\\regedit.exe");
  planted_.push_back(windows + "\\scrap.reg");
  PerUserWindowsHost host(windows);
  morvane::MemorySettings settings;
  settings.setNumber(morvane::Field::pageFlipping, 1);
  morvane::Command1_Click(settings, host);
  const std::string want =
      "u32SubDivide=dword:0\nu32TexPerspLevel=sz:10\nu32Quad2Linear=dword:0\n"
      "DoNotWaitAfter3DOps=dword:0\nPageFlipping=dword:1\nUseFastColorFill=dword:0\n";
  waitFor([&] { return driverValues() == want; }, 10000);
  EXPECT_EQ(driverValues(), want);
  endProcessesNamed("regedit.exe");  // one that was handed a broken path may wait on a message
}

TEST_F(StartedPrograms, ApplicationWithBlanksStartsTheRealProgramFromItsFolder) {
  const struct {
    std::string app;
    std::string arguments;
  } cases[] = {
      {kGameDir + "\\game.exe -nosound", " -nosound"},
      {"\"" + kGameDir + "\\game.exe\" -path C:\\mods\\x", " -path C:\\mods\\x"},
  };
  CreateDirectoryA(kGameDir.c_str(), nullptr);
  plant(kGameDir + "\\game.exe");
  plant("C:\\Program.exe");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.app);
    DeleteFileA(log_.c_str());
    run(settingFile(3, c.app));
    waitFor([&] { return !logLines().empty(); }, 10000);
    const std::string started =
        kGameDir + "\\game.exe|" + kGameDir + "|\"" + kGameDir + "\\game.exe\"" + c.arguments;
    EXPECT_EQ(logLines(), std::vector<std::string>{"game.exe ran " + started});
  }
}

TEST_F(StartedPrograms, SettingFileNamingMorvaneItselfEndsAfterOneStart) {
  importerActs("quiet");
  const std::string self = binDir() + "morvane.exe \"" + kRoot + "\\started.mvs\"";
  run(settingFile(3, self));
  Sleep(2500);  // a second Morvane would have started, and imported, by now
  EXPECT_EQ(processesNamed("morvane.exe").size(), 0u);
  EXPECT_EQ(linesOf("regedit.exe").size(), 1u);
}

TEST_F(StartedPrograms, HeaderOnlyFileStartsNothing) {
  importerActs("quiet");
  run(kHeader + "\r\n");
  Sleep(2500);
  EXPECT_EQ(processesNamed("morvane.exe").size(), 0u);
  // The importer ran on the zeros of an empty file, and nothing else did.
  EXPECT_EQ(logLines().size(), 1u);
  EXPECT_EQ(linesOf("regedit.exe").size(), 1u);
}

TEST_F(StartedPrograms, EnterReachesTheImportersQuestionExactlyOnce) {
  importerActs("dialog");
  run(settingFile(3, ""));
  waitFor([&] { return logLines().size() >= 3; }, 10000);
  const std::vector<std::string> lines = linesOf("regedit.exe");
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end()),
            (std::vector<std::string>{"enter", "enters 1"}));
}

TEST_F(StartedPrograms, ForeignFocusedWindowGetsNoEnter) {
  importerActs("quiet");
  plant(kRoot + "\\foreign.exe");
  DWORD foreign = 0;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::string line = "\"" + kRoot + "\\foreign.exe\" dialog 8000";
  ASSERT_TRUE(CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  foreign = process.dwProcessId;
  CloseHandle(process.hThread);
  // Its question is up and in front before Morvane starts.
  ASSERT_TRUE(waitFor(
      [&] {
        HWND box = findWindowOf(foreign, "#32770", "Stand-in question");
        return box && GetForegroundWindow() == box;
      },
      10000));
  run(settingFile(3, ""));
  WaitForSingleObject(process.hProcess, 15000);
  CloseHandle(process.hProcess);
  const std::vector<std::string> lines = linesOf("foreign.exe");
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end()),
            std::vector<std::string>{"enters 0"});
}

TEST_F(StartedPrograms, TwoMorvanesAtOnceEachImportTheirOwnPatchBeforeTheirGame) {
  importerActs("import");
  plant(kRoot + "\\game.exe");
  const int levels[] = {3, 7};
  std::vector<HANDLE> runs;
  for (int level : levels) {
    const std::string file = kRoot + "\\level" + std::to_string(level) + ".mvs";
    ASSERT_TRUE(writeFileBytes(
        file, settingFile(level, kRoot + "\\game.exe level" + std::to_string(level))));
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string line = "\"" + binDir() + "morvane.exe\" \"" + file + "\"";
    ASSERT_TRUE(CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
    CloseHandle(process.hThread);
    runs.push_back(process.hProcess);
  }
  for (HANDLE started : runs) {
    EXPECT_EQ(WaitForSingleObject(started, 30000), WAIT_OBJECT_0);
    CloseHandle(started);
  }
  waitFor([&] { return linesOf("game.exe").size() == 2; }, 10000);

  // The two imports did not overlap, each read a patch of its own, and each game started after
  // its own values were in.
  std::vector<std::string> lines, imports;
  waitFor(
      [&] {
        lines = logLines();
        imports.clear();
        for (const std::string& line : lines) {
          if (startsWith(line, "regedit.exe read ") || startsWith(line, "regedit.exe imported "))
            imports.push_back(line.substr(12));
        }
        return imports.size() >= 4;
      },
      10000);
  ASSERT_EQ(imports.size(), 4u) << ::testing::PrintToString(lines);
  EXPECT_EQ(imports[0], "read " + imports[0].substr(5));
  EXPECT_EQ(imports[1], "imported " + imports[0].substr(5));
  EXPECT_EQ(imports[2], "read " + imports[2].substr(5));
  EXPECT_EQ(imports[3], "imported " + imports[2].substr(5));
  EXPECT_NE(imports[0], imports[2]) << ::testing::PrintToString(lines);
  for (int level : levels) {
    SCOPED_TRACE(level);
    const std::string value = std::to_string(level);
    const auto imported = std::find(lines.begin(), lines.end(), "regedit.exe imported " + value);
    const auto game = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
      const std::string tail = " level" + value;
      return startsWith(line, "game.exe ran ") && line.size() > tail.size() &&
             line.compare(line.size() - tail.size(), tail.size(), tail) == 0;
    });
    ASSERT_NE(imported, lines.end());
    ASSERT_NE(game, lines.end());
    EXPECT_LT(imported - lines.begin(), game - lines.begin());
  }
  EXPECT_EQ(driverValues(), appliedValues(std::stoi(imports[2].substr(5))));
}

}  // namespace
}  // namespace morvane_test
