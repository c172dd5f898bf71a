#include "driver_settings/Number.h"

#include "text/Letters.h"

namespace morvane {
namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

bool toInt16(std::string_view text, std::int16_t& out) {
  text = trimBlanks(text);
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }

  // Anything above this is out of range whatever follows, so the magnitude stops growing here
  // and a line of a million digits cannot overflow.
  constexpr long kCap = 100000;
  long magnitude = 0;
  std::size_t digits = 0;
  for (; i < text.size() && isDigit(text[i]); ++i, ++digits) {
    if (magnitude < kCap)
      magnitude = magnitude * 10 + (text[i] - '0');
  }

  // Rounding needs only the first fractional digit and whether anything non-zero follows it.
  int firstFraction = 0;
  bool restNonZero = false;
  if (i < text.size() && text[i] == '.') {
    ++i;
    for (std::size_t k = 0; i < text.size() && isDigit(text[i]); ++i, ++k, ++digits) {
      if (k == 0) {
        firstFraction = text[i] - '0';
      } else if (text[i] != '0') {
        restNonZero = true;
      }
    }
  }
  if (digits == 0 || i != text.size())
    return false;

  const bool roundUp =
      firstFraction > 5 || (firstFraction == 5 && (restNonZero || magnitude % 2 == 1));
  if (roundUp)
    ++magnitude;

  const long value = negative ? -magnitude : magnitude;
  if (value < INT16_MIN || value > INT16_MAX)
    return false;
  out = static_cast<std::int16_t>(value);
  return true;
}

}  // namespace morvane
