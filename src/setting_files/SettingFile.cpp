#include "setting_files/SettingFile.h"

#include <string_view>
#include <vector>

#include "driver_settings/Number.h"
#include "setting_files/LineCutter.h"
#include "text/Digits.h"

namespace morvane {

const char* const settingFileHeader = "Morvane Config File - Halvorsk";
const char* const invalidSettingFileMessage = "This is not a valid Morvane Config File";
const std::size_t settingFileLineCount = 11;
const std::size_t longestSettingLine = 32767;

namespace {

const char* const kSeparator = "--------------------------------------------------";

// Hands out the lines read, one at a time. A read past the last one fails and leaves the
// caller's holder alone.
class LineReader {
 public:
  explicit LineReader(const std::vector<std::string>& lines) : lines_(lines) {}

  bool next(std::string& holder) {
    if (next_ >= lines_.size())
      return false;
    holder = lines_[next_++];
    return true;
  }

 private:
  const std::vector<std::string>& lines_;
  std::size_t next_ = 0;
};

}  // namespace

std::string writeSettingFile(const DriverSettings& settings) {
  std::string text = std::string(settingFileHeader) + "\r\n" + kSeparator + "\r\n\r\n";
  for (const FieldInfo& info : kFields) {
    text += isNumber(info.field) ? printInteger(settings.number(info.field))
                                 : settings.text(info.field);
    text += "\r\n";
  }
  return text;
}

void readSettingFile(const std::string& path, DriverSettings& settings, Host& host) {
  // A file that cannot be opened reads as one with no lines; one whose reading fails part way
  // ends there, and a line that the failure cut short is not taken.
  LineCutter cutter(settingFileLineCount, longestSettingLine);
  if (host.readFile(path, cutter))
    cutter.finish();
  LineReader reader(cutter.lines());

  // A text line missing from the file reads as the empty text. Carrying the last text read
  // forward instead would turn the header, or the setting's name, into the application, which
  // a command-line start then runs.
  std::string textHolder;
  auto readText = [&reader, &textHolder] {
    if (!reader.next(textHolder))
      textHolder.clear();
  };
  std::string numberHolder;  // the empty number, which converts to 0
  readText();
  if (textHolder != settingFileHeader)
    host.messageBox(invalidSettingFileMessage);
  readText();  // the hyphens
  readText();  // the empty line

  for (const FieldInfo& info : kFields) {
    if (isNumber(info.field)) {
      reader.next(numberHolder);
      const std::string_view number = trimBlanks(numberHolder);
      if (number.empty()) {
        settings.setNumber(info.field, 0);
      } else {
        setNumberFromText(settings, info.field, std::string(number));
      }
    } else {
      readText();
      settings.setText(info.field, textHolder);
    }
  }
}

}  // namespace morvane
