// Splits a file handed over piece by piece into its first lines, each cut at a fixed length, so
// that a file of any size is read in bounded memory.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "host/Host.h"

namespace morvane {

// A line ends at LF, with one CR right before it dropped; the last line needs no end (a CR left
// at the very end goes too). Of a line longer than maxLength only its first maxLength characters
// are kept; the rest of it is skipped up to its end.
class LineCutter final : public ByteSink {
 public:
  LineCutter(std::size_t maxLines, std::size_t maxLength)
      : maxLines_(maxLines), maxLength_(maxLength) {}

  // False once maxLines lines are complete: nothing after them is wanted.
  bool take(const char* data, std::size_t size) override;
  // The end of the file: a last line without an end counts as a line.
  void finish();

  const std::vector<std::string>& lines() const { return lines_; }

 private:
  void endLine();

  std::size_t maxLines_;
  std::size_t maxLength_;
  std::vector<std::string> lines_;
  std::string current_;   // at most maxLength_ + 1 characters: the extra one may be a final CR
  bool pending_ = false;  // characters of an unended line have been taken
  bool lastWasCr_ = false;
};

}  // namespace morvane
