// Blanks and letter case, as the program's texts and Windows' file names use them. Plain string
// work with no knowledge of the program, at the bottom of the layers beside the digits.
#pragma once

#include <string_view>

namespace morvane {

// Blanks are spaces and tabs: what separates a number from its surroundings and a program from
// its arguments.
constexpr std::string_view kBlanks = " \t";
inline bool isBlank(char c) {
  return c == ' ' || c == '\t';
}
inline bool holdsBlank(std::string_view text) {
  return text.find_first_of(kBlanks) != std::string_view::npos;
}

// Equal but for the case of the letters A to Z, as Windows compares file names.
bool equalIgnoringCase(std::string_view a, std::string_view b);
// Whether `text` ends in `ending`, letter case aside.
bool endsWithIgnoringCase(std::string_view text, std::string_view ending);

}  // namespace morvane
