#pragma once

#include <string>

#include "driver_settings/DriverSettings.h"
#include "host/Host.h"

namespace morvane {

// How the application box's text is started.
struct ApplicationStart {
  std::string program;         // the program part, without quotes
  std::string commandLine;     // what is started
  std::string directory;       // the program's folder; "" when the program part names none
  bool withArguments = false;  // something other than blanks follows the program part
};

// Reads the application box's text. The program part is the quoted part when the text starts
// with a double quote; otherwise it is the longest prefix, ending at a blank or at the end, that
// names an existing file (so "C:\Program Files\My Game\game.exe -x" never starts a
// "C:\Program.exe"), or the whole text when none does. A program part holding a blank is started
// in quotes; anything else starts as the text stands. The folder is everything before the
// program part's last backslash, a drive's or the current drive's root given as "C:\" or "\".
ApplicationStart readApplication(const std::string& text, Host& host);

enum class RunFrom { window, settingFile };

// "Run App": Apply, then start the application box's text from the application's own folder,
// with a normal focused window, never waiting for it. Run from a setting file, it does not
// start this very exe with arguments: such a file would start one hidden Morvane after another.
void runApp(DriverSettings& settings, Host& host, RunFrom from);

// The "Run App" button.
void Command6_Click(DriverSettings& settings, Host& host);

}  // namespace morvane
