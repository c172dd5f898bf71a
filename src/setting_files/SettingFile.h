// Setting files (.mvs): eleven lines of single-byte text, CR LF after each.
//   1 the header, 2 fifty hyphens, 3 empty, 4..9 the six driver options as integers,
//   10 the setting's name, 11 the application's command line.
#pragma once

#include <cstddef>
#include <string>

#include "driver_settings/DriverSettings.h"
#include "host/Host.h"

namespace morvane {

extern const char* const settingFileHeader;
extern const char* const invalidSettingFileMessage;
extern const std::size_t settingFileLineCount;  // 11
// A line is read up to this many characters and the rest of it is skipped, so that a file of any
// size is read in bounded memory. No real line reaches it: Windows starts no command line of
// 32,767 characters or more (the application's line), and a setting's name is a few words.
extern const std::size_t longestSettingLine;  // 32,767

// The eleven lines for the current values.
std::string writeSettingFile(const DriverSettings& settings);

// Reads the file at path into settings, one line per item; only the first eleven lines are read,
// each cut at longestSettingLine. A first line other than the header (letter case counts) brings
// up the one message this program ever shows, and the rest is read all the same. A missing
// number line writes the last number read again (the empty number, 0, before any); a missing
// text line reads as the empty text. A value that does not convert or that its field refuses
// leaves that field as it was.
void readSettingFile(const std::string& path, DriverSettings& settings, Host& host);

}  // namespace morvane
