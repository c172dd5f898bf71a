// Number conversion shared by setting files and the number box next to the second slider.
#pragma once

#include <cstdint>
#include <string_view>

namespace morvane {

// Converts "  -12.5  " style text: optional blanks, optional sign, digits with an optional
// fractional part, optional blanks. A fraction rounds to the nearest integer, ties to even,
// before the 16-bit signed range check. Anything else (empty text included) does not convert.
bool toInt16(std::string_view text, std::int16_t& out);

// Blanks are spaces and tabs.
std::string_view trimBlanks(std::string_view text);

}  // namespace morvane
