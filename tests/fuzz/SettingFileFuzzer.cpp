// libFuzzer target for the two places where text from outside enters the program: a setting file
// read by readSettingFile, and toInt16, which turns a setting file's number lines and the number
// box's text into values. Every input goes to both.
//
// Beyond "no crash, no hang, no leak", each run is checked against a model written the long way
// from what SettingFile.h and Number.h promise, so that a reader or a conversion that quietly
// takes a wrong value is caught too. Any difference prints what differed and aborts, which makes
// libFuzzer keep the input.

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "RecordingHost.h"
#include "driver_settings/DriverSettings.h"
#include "driver_settings/Number.h"
#include "setting_files/SettingFile.h"

namespace morvane {
namespace {

[[noreturn]] void fail(const char* format, ...) {
  std::fprintf(stderr, "\n*** invariant broken: ");
  va_list args;
  va_start(args, format);
  std::vfprintf(stderr, format, args);
  va_end(args);
  std::fprintf(stderr, "\n");
  std::abort();
}

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

bool allDigits(std::string_view text) {
  return text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string_view stripLeadingZeros(std::string_view digits) {
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string_view::npos ? std::string_view() : digits.substr(first);
}

std::string_view trimmed(std::string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && isBlank(text[begin]))
    ++begin;
  while (end > begin && isBlank(text[end - 1]))
    --end;
  return text.substr(begin, end - begin);
}

// The conversion as Number.h states it, done by splitting the text at its point and comparing
// the fraction with one half as a digit string, so that it shares no arithmetic with toInt16.
bool modelToInt16(std::string_view text, long& out) {
  text = trimmed(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const std::size_t point = text.find('.');
  std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (whole.empty() && fraction.empty())
    return false;  // no digit at all
  if (!allDigits(whole) || !allDigits(fraction))
    return false;

  whole = stripLeadingZeros(whole);
  if (whole.size() > 5)
    return false;  // 100000 or more: out of range either way
  long magnitude = whole.empty() ? 0 : std::stol(std::string(whole));

  int againstHalf = -1;  // how the fraction compares with .5
  if (!fraction.empty() && fraction.front() >= '5') {
    againstHalf = fraction.front() > '5' || !stripLeadingZeros(fraction.substr(1)).empty() ? 1 : 0;
  }
  if (againstHalf > 0 || (againstHalf == 0 && magnitude % 2 == 1))
    ++magnitude;

  const long value = negative ? -magnitude : magnitude;
  if (value < INT16_MIN || value > INT16_MAX)
    return false;
  out = value;
  return true;
}

void checkConversion(std::string_view text) {
  constexpr std::int16_t kUntouched = 0x5a5a;
  std::int16_t got = kUntouched;
  const bool converts = toInt16(text, got);
  if (!converts && got != kUntouched)
    fail("toInt16 failed but wrote %d", got);
  // A value that wrapped round or was cut off lands far from the text's own number; the right one
  // is that number rounded, so never more than a half away from it.
  if (converts) {
    const long double exact = std::strtold(std::string(text).c_str(), nullptr);
    if (std::fabs(exact - static_cast<long double>(got)) > 0.5L)
      fail("toInt16 gave %d, more than a half away from the text's %Lg", got, exact);
  }

  long want = 0;
  const bool modelConverts = modelToInt16(text, want);
  if (converts != modelConverts || (converts && got != want)) {
    fail("toInt16 of %zu bytes: got %s %d, model %s %ld", text.size(),
         converts ? "converts to" : "fails", got, modelConverts ? "converts to" : "fails", want);
  }

  // Plain integer text, checked once more against the C library.
  std::string_view plain = trimmed(text);
  const bool negative = !plain.empty() && plain.front() == '-';
  if (!plain.empty() && (plain.front() == '+' || plain.front() == '-'))
    plain.remove_prefix(1);
  if (plain.empty() || !allDigits(plain))
    return;
  const std::string_view significant = stripLeadingZeros(plain);
  bool inRange = false;
  long long exact = 0;
  if (significant.size() <= 18) {
    exact = std::strtoll(std::string(significant).c_str(), nullptr, 10);
    if (negative)
      exact = -exact;
    inRange = exact >= INT16_MIN && exact <= INT16_MAX;
  }
  if (converts != inRange || (converts && got != exact)) {
    fail("plain integer of %zu digits: toInt16 %s %d, integer %lld", plain.size(),
         converts ? "converts to" : "fails", got, exact);
  }
}

// A file's lines as SettingFile.h describes them, the first `limit` of them, each cut at
// longestSettingLine.
std::vector<std::string> linesOf(std::string_view bytes, std::size_t limit) {
  std::vector<std::string> lines;
  while (!bytes.empty() && lines.size() < limit) {
    const std::size_t lf = bytes.find('\n');
    std::string_view line = bytes.substr(0, lf);
    bytes.remove_prefix(lf == std::string_view::npos ? bytes.size() : lf + 1);
    if (!line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    lines.emplace_back(line.substr(0, longestSettingLine));
  }
  return lines;
}

bool isNumberLine(int line) {
  return line >= 4 && line <= 9;
}

// What a field's value comes from: its own line, or, when the file stops short of it, for a
// number the last number line read, and for a text nothing (the empty text).
std::string_view sourceFor(const std::vector<std::string>& lines, int fileLine) {
  const int count = static_cast<int>(lines.size());
  if (!isNumberLine(fileLine))
    return fileLine <= count ? std::string_view(lines[fileLine - 1]) : std::string_view();
  for (int line = std::min(fileLine, count); line >= 1; --line) {
    if (isNumberLine(line))
      return lines[line - 1];
  }
  return std::string_view();
}

void checkRead(std::string_view bytes) {
  const char* const path = "C:\\Games\\fuzz.mvs";
  RecordingHost host;
  host.files[path] = std::string(bytes);
  MemorySettings settings;
  readSettingFile(path, settings, host);

  const MemorySettings initial;
  const std::vector<std::string> lines = linesOf(bytes, 11);

  // At most one message, and only for a file whose first line is not the header.
  const bool badHeader = lines.empty() || lines.front() != settingFileHeader;
  if (host.messages.size() > 1)
    fail("%zu messages shown", host.messages.size());
  if (host.messages.size() != (badHeader ? 1u : 0u)) {
    fail("header %s but %zu messages", badHeader ? "bad" : "good", host.messages.size());
  }
  if (badHeader && host.messages.front() != invalidSettingFileMessage)
    fail("wrong message text");
  // Reading asks the host for the file and, at most, the message; it writes nothing.
  if (host.calls.empty() || host.calls.front() != std::string("read ") + path ||
      host.calls.size() != 1 + host.messages.size()) {
    fail("unexpected host calls (%zu)", host.calls.size());
  }
  if (host.files.size() != 1)
    fail("reading wrote a file");

  for (const FieldInfo& info : kFields) {
    const std::string_view source = sourceFor(lines, info.fileLine);
    if (!isNumber(info.field)) {
      if (settings.text(info.field) != source)
        fail("%s: text differs from the model", info.name);
      continue;
    }
    const std::int16_t got = settings.number(info.field);
    if (got != initial.number(info.field) && !accepts(info.field, got)) {
      fail("%s holds %d, neither its initial value nor one it accepts", info.name, got);
    }
    long want = initial.number(info.field);
    long converted = 0;
    if (trimmed(source).empty()) {
      want = 0;
    } else if (modelToInt16(source, converted) &&
               accepts(info.field, static_cast<int>(converted))) {
      want = converted;
    }
    if (got != want)
      fail("%s holds %d, the model says %ld", info.name, got, want);
  }

  // What was read survives being written and read again, without a message.
  RecordingHost again;
  again.files[path] = writeSettingFile(settings);
  MemorySettings reread;
  readSettingFile(path, reread, again);
  if (!again.messages.empty())
    fail("a written file reads back with a message");
  for (const FieldInfo& info : kFields) {
    const bool same = isNumber(info.field)
                          ? reread.number(info.field) == settings.number(info.field)
                          : reread.text(info.field) == settings.text(info.field);
    if (!same)
      fail("%s changes when written and read again", info.name);
  }
}

}  // namespace
}  // namespace morvane

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  morvane::checkRead(bytes);
  morvane::checkConversion(bytes);
  return 0;
}
