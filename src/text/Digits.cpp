#include "text/Digits.h"

namespace morvane {

std::string printInteger(long value) {
  char digits[24];
  char* end = digits + sizeof digits;
  char* p = end;
  unsigned long magnitude =
      value < 0 ? 0ul - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
  do {
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0)
    *--p = '-';
  return std::string(p, end);
}

std::string printHex8(unsigned long value) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text(8, '0');
  for (int i = 7; i >= 0; --i, value >>= 4)
    text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
  return text;
}

}  // namespace morvane
