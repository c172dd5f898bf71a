#include <gtest/gtest.h>

#include <map>
#include <set>

#include "host/SafeReplace.h"

namespace morvane {
namespace {

const std::string kOld = "the old, longer content of the file";
const std::string kNew = "new content";

// Files in memory; each step can be told to fail, the write after a number of bytes, or the
// n-th step of any kind. Paths past the system's limit are refused as Windows refuses them.
class FakeSteps : public FileSteps {
 public:
  std::map<std::string, std::string> files;
  std::set<std::string> readOnlyFiles;
  bool oneStep = true;
  bool failCreate = false, failClose = false, failMove = false;
  std::size_t writeLimit = static_cast<std::size_t>(-1);
  int failAtStep = 0;  // 1 for the first step, 0 for none
  int steps = 0;
  bool failedRemove = false;
  std::string target = "C:\\a.mvs";
  bool lostOld = false;  // the only copy of the old content was removed too early

  bool create(const std::string& path) override {
    if (failCreate || fails() || tooLong(path) || files.count(path))
      return false;
    open_ = path;
    files[path].clear();
    return true;
  }
  bool write(const char* data, std::size_t size) override {
    if (fails())
      return false;
    std::string& file = files[open_];
    const std::size_t room = writeLimit > file.size() ? writeLimit - file.size() : 0;
    file.append(data, std::min(size, room));  // a full disk takes what fits, then fails
    return size <= room;
  }
  bool close() override { return !fails() && !failClose; }
  bool exists(const std::string& path) override { return files.count(path) != 0; }
  bool readOnly(const std::string& path) override { return readOnlyFiles.count(path) != 0; }
  bool replacesInOneStep() override { return oneStep; }
  bool replace(const std::string& from, const std::string& to) override {
    if (failMove || fails() || !files.count(from))
      return false;
    files[to] = files[from];
    files.erase(from);
    return true;
  }
  bool rename(const std::string& from, const std::string& to) override {
    if (failMove || fails() || tooLong(to) || files.count(to) || !files.count(from))
      return false;
    files[to] = files[from];
    files.erase(from);
    return true;
  }
  bool remove(const std::string& path) override {
    if (fails()) {
      failedRemove = true;
      return false;
    }
    int copies = 0;
    for (const auto& file : files)
      copies += file.second == kOld;
    const auto replaced = files.find(target);
    const bool newInPlace = replaced != files.end() && replaced->second == kNew;
    lostOld = lostOld || (files[path] == kOld && copies == 1 && !newInPlace);
    files.erase(path);
    return true;
  }

 private:
  bool fails() { return ++steps == failAtStep; }
  static bool tooLong(const std::string& path) { return path.size() > 259; }
  std::string open_;
};

// The one-step replace, and the way of the systems without one.
const bool kWays[] = {true, false};

TEST(SafeReplace, ReplacesCompletelyOrLeavesTheOldFileAlone) {
  const std::string longName = "C:\\" + std::string(252, 'd') + ".mvs";
  ASSERT_EQ(longName.size(), 259u);
  const struct {
    const char* what;
    void (*arrange)(FakeSteps&);
    bool ok;
    std::string path;
  } cases[] = {
      {"success", [](FakeSteps&) {}, true, "C:\\a.mvs"},
      {"cannot create", [](FakeSteps& f) { f.failCreate = true; }, false, "C:\\a.mvs"},
      {"disk full after 5 bytes", [](FakeSteps& f) { f.writeLimit = 5; }, false, "C:\\a.mvs"},
      {"flush fails", [](FakeSteps& f) { f.failClose = true; }, false, "C:\\a.mvs"},
      {"cannot replace", [](FakeSteps& f) { f.failMove = true; }, false, "C:\\a.mvs"},
      {"read-only target", [](FakeSteps& f) { f.readOnlyFiles.insert("C:\\a.mvs"); }, false,
       "C:\\a.mvs"},
      {"a path of the longest length Windows allows", [](FakeSteps&) {}, true, longName},
      {"a one-character name", [](FakeSteps&) {}, true, "C:\\a"},
  };
  for (bool oneStep : kWays) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.what) + (oneStep ? ", one-step replace" : ", moved aside"));
      FakeSteps steps;
      steps.oneStep = oneStep;
      steps.target = c.path;
      steps.files[c.path] = kOld;
      c.arrange(steps);
      EXPECT_EQ(replaceFile(steps, c.path, kNew, 7), c.ok);
      EXPECT_EQ(steps.files[c.path], c.ok ? kNew : kOld);
      EXPECT_EQ(steps.files.size(), 1u) << "a temporary file was left behind";
      EXPECT_FALSE(steps.lostOld);
    }
  }
}

TEST(SafeReplace, AFaultAtAnyStepNeverLosesTheOldContent) {
  for (bool oneStep : kWays) {
    for (int step = 1;; ++step) {
      SCOPED_TRACE(testing::Message()
                   << (oneStep ? "one-step replace" : "moved aside") << ", fault at step " << step);
      FakeSteps steps;
      steps.oneStep = oneStep;
      steps.files["C:\\a.mvs"] = kOld;
      steps.files["C:\\~7"] = "someone else's";  // the first name tried is taken
      steps.failAtStep = step;
      const bool ok = replaceFile(steps, "C:\\a.mvs", kNew, 7);
      EXPECT_FALSE(steps.lostOld);
      EXPECT_EQ(steps.files["C:\\a.mvs"], ok ? kNew : kOld);
      EXPECT_EQ(steps.files["C:\\~7"], "someone else's");
      // Only removing the old copy after the new one is in place may leave a file behind.
      EXPECT_EQ(steps.files.size(), steps.failedRemove && ok ? 3u : 2u);
      if (steps.steps < step) {
        EXPECT_TRUE(ok);  // every step has been faulted in turn
        break;
      }
    }
  }
}

TEST(SafeReplace, TemporaryNamesAreNoLongerThanTheTargetsOwn) {
  const char* const paths[] = {"C:\\dir\\quake.mvs",
                               "C:\\a",
                               "a",
                               "C:ab",
                               "D:\\games\\a very long setting file name.mvs",
                               "C:/x/yz"};
  for (const char* path : paths) {
    const std::string target = path;
    const std::size_t folder = target.find_last_of("\\/:") + 1;
    std::set<std::string> seen;
    for (unsigned attempt = 0; attempt < 40; ++attempt) {
      SCOPED_TRACE(testing::Message() << target << ", attempt " << attempt);
      const std::string name = temporaryNameBeside(target, 0xfffffff0u, attempt);
      EXPECT_EQ(name.substr(0, folder), target.substr(0, folder));
      EXPECT_LE(name.size(), target.size());
      EXPECT_LE(name.size() - folder, 8u) << "not an 8.3 name";
      seen.insert(name);
    }
    // Even a one-character name has a choice of 36.
    EXPECT_GE(seen.size(), 36u) << target << ": names repeat";
  }
}

}  // namespace
}  // namespace morvane
