// Integer printing and number conversion shared by the registry patch, setting files and the
// number box next to the second slider.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace morvane {

// Plain decimal digits, a minus sign only when negative, no blanks.
std::string printInteger(long value);
// Eight upper-case hexadecimal digits, as the registry patch writes a dword.
std::string printHex8(unsigned long value);

// Converts "  -12.5  " style text: optional blanks, optional sign, digits with an optional
// fractional part, optional blanks. A fraction rounds to the nearest integer, ties to even,
// before the 16-bit signed range check. Anything else (empty text included) does not convert.
bool toInt16(std::string_view text, std::int16_t& out);

// Blanks are spaces and tabs.
std::string_view trimBlanks(std::string_view text);

}  // namespace morvane
