#include <gtest/gtest.h>

#include <algorithm>

#include "setting_files/LineCutter.h"

namespace morvane {
namespace {

using Lines = std::vector<std::string>;

struct CutCase {
  const char* what;
  std::string bytes;
  Lines want;
  bool wantsMore;  // after the whole file was offered
};

TEST(LineCutter, KeepsTheFirstLinesCutAtTheLengthWhateverThePieces) {
  // Three lines of at most five characters.
  const CutCase cases[] = {
      {"CR LF ends", "ab\r\ncd\r\n", {"ab", "cd"}, true},
      {"bare LF and no final end", "ab\ncd", {"ab", "cd"}, true},
      {"CR at the very end goes", "ab\r", {"ab"}, true},
      {"a lone CR is an empty line", "\r", {""}, true},
      {"CR inside a line stays", "a\rb\n", {"a\rb"}, true},
      {"empty lines", "\r\n\n", {"", ""}, true},
      {"NUL is a character", std::string("a\0b\n", 4), {std::string("a\0b", 3)}, true},
      {"empty file", "", {}, true},
      {"long line cut, its rest skipped", "1234567890\r\nab\n", {"12345", "ab"}, true},
      {"exactly the length", "12345\r\n", {"12345"}, true},
      {"one over the length, then CR", "123456\r\n", {"12345"}, true},
      {"long unended line with a CR last", "1234567\r", {"12345"}, true},
      {"CR just past the cut ends the line", "12345\r", {"12345"}, true},
      {"no line end in a long file", std::string(100000, 'x'), {"xxxxx"}, true},
      {"nothing after the third line", "a\nb\nc\nd\ne", {"a", "b", "c"}, false},
      {"third line ended by the file's end", "a\nb\nc", {"a", "b", "c"}, true},
  };
  for (const CutCase& c : cases) {
    for (std::size_t piece :
         {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{7}, c.bytes.size() + 1}) {
      SCOPED_TRACE(std::string(c.what) + ", pieces of " + std::to_string(piece));
      LineCutter cutter(3, 5);
      bool more = true;
      for (std::size_t at = 0; more && at < c.bytes.size(); at += piece)
        more = cutter.take(c.bytes.data() + at, std::min(piece, c.bytes.size() - at));
      EXPECT_EQ(more, c.wantsMore);
      cutter.finish();
      EXPECT_EQ(cutter.lines(), c.want);
    }
  }
}

}  // namespace
}  // namespace morvane
