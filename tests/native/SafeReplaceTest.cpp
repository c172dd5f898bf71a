#include <gtest/gtest.h>

#include <map>

#include "host/SafeReplace.h"

namespace morvane {
namespace {

// Files in memory; each step can be told to fail, the write after a number of bytes.
class FakeSteps : public FileSteps {
 public:
  std::map<std::string, std::string> files;
  bool failCreate = false, failClose = false, failMove = false;
  std::size_t writeLimit = static_cast<std::size_t>(-1);

  bool create(const std::string& path) override {
    if (failCreate)
      return false;
    open_ = path;
    files[path].clear();
    return true;
  }
  bool write(const char* data, std::size_t size) override {
    std::string& file = files[open_];
    const std::size_t room = writeLimit > file.size() ? writeLimit - file.size() : 0;
    file.append(data, std::min(size, room));  // a full disk takes what fits, then fails
    return size <= room;
  }
  bool close() override { return !failClose; }
  bool moveOver(const std::string& from, const std::string& to) override {
    if (failMove)
      return false;
    files[to] = files[from];
    files.erase(from);
    return true;
  }
  void remove(const std::string& path) override { files.erase(path); }

 private:
  std::string open_;
};

TEST(SafeReplace, ReplacesCompletelyOrLeavesTheOldFileAlone) {
  const struct {
    const char* what;
    void (*arrange)(FakeSteps&);
    bool ok;
  } cases[] = {
      {"success", [](FakeSteps&) {}, true},
      {"cannot create", [](FakeSteps& f) { f.failCreate = true; }, false},
      {"disk full after 5 bytes", [](FakeSteps& f) { f.writeLimit = 5; }, false},
      {"flush fails", [](FakeSteps& f) { f.failClose = true; }, false},
      {"cannot replace (read-only target)", [](FakeSteps& f) { f.failMove = true; }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakeSteps steps;
    steps.files["C:\\a.mvs"] = "the old, longer content of the file";
    c.arrange(steps);
    EXPECT_EQ(replaceFile(steps, "C:\\a.mvs", "new content", ".7.tmp"), c.ok);
    EXPECT_EQ(steps.files["C:\\a.mvs"],
              c.ok ? "new content" : "the old, longer content of the file");
    EXPECT_EQ(steps.files.size(), 1u) << "a temporary file was left behind";
  }
}

}  // namespace
}  // namespace morvane
