#include "launch/Startup.h"

#include "launch/RunApp.h"
#include "setting_files/SettingFile.h"

namespace morvane {

std::string settingFilePathFromCommandLine(const std::string& commandLine) {
  // The two characters are dropped without looking at them, as a shortcut's quotes always are.
  if (commandLine.size() < 2)
    return std::string();
  return commandLine.substr(1, commandLine.size() - 2);
}

void Form_Load(DriverSettings& settings, Host& host) {
  const std::string commandLine = host.commandLine();
  if (commandLine.empty())
    return;
  readSettingFile(settingFilePathFromCommandLine(commandLine), settings, host);
  runApp(settings, host, RunFrom::settingFile);
  host.endProcess();
}

}  // namespace morvane
