// Integers printed as text, by hand rather than through the C library's formatted printing,
// which would more than double the size of this small exe's code. Plain string work with no
// knowledge of the program, at the bottom of the layers so that every one of them may use it.
#pragma once

#include <string>

namespace morvane {

// Plain decimal digits, a minus sign only when negative, no blanks.
std::string printInteger(long value);
// Eight upper-case hexadecimal digits, as the registry patch writes a dword.
std::string printHex8(unsigned long value);

}  // namespace morvane
