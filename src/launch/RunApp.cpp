#include "launch/RunApp.h"

#include "driver_settings/Apply.h"

namespace morvane {

bool applicationDirectory(const std::string& applicationPath, std::string& directory) {
  const std::size_t slash = applicationPath.rfind('\\');
  if (slash == std::string::npos)
    return false;
  directory = applicationPath.substr(0, slash);
  return true;
}

void Command6_Click(DriverSettings& settings, Host& host) {
  Command1_Click(settings, host);
  const std::string application = settings.text(Field::applicationPath);
  if (application.empty())
    return;
  // A bare program name has no directory of its own: it starts from the current one.
  std::string directory;
  if (applicationDirectory(application, directory))
    host.changeDirectory(directory);
  host.startProgram(std::string(), application, WindowMode::normalFocus, nullptr);
}

}  // namespace morvane
