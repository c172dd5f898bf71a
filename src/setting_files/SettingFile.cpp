#include "setting_files/SettingFile.h"

#include <string_view>

#include "driver_settings/Number.h"

namespace morvane {

const char* const settingFileHeader = "Morvane Config File - Halvorsk";
const char* const invalidSettingFileMessage = "This is not a valid Morvane Config File";

namespace {

const char* const kSeparator = "--------------------------------------------------";

// Hands out a file's lines one at a time. A line ends at LF, with one CR before it dropped; the
// last line needs no end (a CR left at the very end goes too). A read past the end fails and leaves
// the caller's holder alone.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

  bool next(std::string& holder) {
    if (pos_ >= bytes_.size())
      return false;
    std::size_t end = bytes_.find('\n', pos_);
    std::size_t next = end + 1;
    if (end == std::string_view::npos)
      end = next = bytes_.size();
    std::string_view line = bytes_.substr(pos_, end - pos_);
    if (!line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    holder.assign(line.data(), line.size());
    pos_ = next;
    return true;
  }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
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
  std::string bytes;
  host.readFile(path, bytes);  // a file that cannot be read reads as one with no lines
  LineReader reader(bytes);

  std::string textHolder;
  std::string numberHolder;  // the empty number, which converts to 0
  reader.next(textHolder);
  if (textHolder != settingFileHeader)
    host.messageBox(invalidSettingFileMessage);
  reader.next(textHolder);  // the hyphens
  reader.next(textHolder);  // the empty line

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
      reader.next(textHolder);
      settings.setText(info.field, textHolder);
    }
  }
}

}  // namespace morvane
