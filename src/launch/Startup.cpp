#include "launch/Startup.h"

#include "launch/RunApp.h"
#include "setting_files/SettingFile.h"
#include "text/Letters.h"

namespace morvane {

std::string argumentsOf(std::string_view fullCommandLine) {
  std::size_t i = 0;
  const std::size_t size = fullCommandLine.size();
  if (i < size && fullCommandLine[i] == '"') {
    // A quoted program name ends at the closing quote, or with the line when there is none.
    const std::size_t close = fullCommandLine.find('"', 1);
    i = close == std::string_view::npos ? size : close + 1;
  } else {
    while (i < size && !isBlank(fullCommandLine[i]))
      ++i;
  }
  while (i < size && isBlank(fullCommandLine[i]))
    ++i;
  return std::string(fullCommandLine.substr(i));
}

std::string settingFilePathFromCommandLine(const std::string& commandLine) {
  // The two characters are dropped without looking at them, as a shortcut's quotes always are.
  if (commandLine.size() < 2)
    return std::string();
  return commandLine.substr(1, commandLine.size() - 2);
}

void Form_Load(DriverSettings& settings, Host& host) {
  const std::string commandLine = argumentsOf(host.commandLine());
  if (commandLine.empty())
    return;
  readSettingFile(settingFilePathFromCommandLine(commandLine), settings, host);
  runApp(settings, host, RunFrom::settingFile);
  host.endProcess();
}

}  // namespace morvane
