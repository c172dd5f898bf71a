#include "launch/RunApp.h"

#include "driver_settings/Apply.h"
#include "text/Letters.h"

namespace morvane {

namespace {

bool holdsMoreThanBlanks(const std::string& text) {
  return text.find_first_not_of(kBlanks) != std::string::npos;
}

// The longest prefix of `text` ending at a blank or at the end that names an existing file, or
// "" when none does. Tried from the longest down, so that the first file found is the answer.
std::string longestExistingPrefix(const std::string& text, Host& host) {
  for (std::size_t end = text.size(); end > 0; --end) {
    const bool endsAtBlank = end == text.size() || isBlank(text[end]);
    if (endsAtBlank && !isBlank(text[end - 1]) && host.fileExists(text.substr(0, end)))
      return text.substr(0, end);
  }
  return std::string();
}

std::string folderOf(const std::string& program) {
  const std::size_t slash = program.rfind('\\');
  if (slash == std::string::npos)
    return std::string();  // a bare name starts from the current folder
  std::string folder = program.substr(0, slash);
  // "C:" alone would be the drive's current folder, and "" no folder at all: both mean a root.
  if (folder.empty() || (folder.size() == 2 && folder[1] == ':'))
    folder += '\\';
  return folder;
}

bool isOwnExe(const std::string& program, Host& host) {
  const std::string candidate = host.fullPath(program);
  return equalIgnoringCase(candidate, host.fullPath(host.ownExePath()));
}

}  // namespace

ApplicationStart readApplication(const std::string& text, Host& host) {
  ApplicationStart start;
  start.commandLine = text;
  std::string rest;
  if (!text.empty() && text[0] == '"') {
    const std::size_t close = text.find('"', 1);
    start.program = text.substr(1, close == std::string::npos ? std::string::npos : close - 1);
    if (close != std::string::npos)
      rest = text.substr(close + 1);
  } else {
    start.program = longestExistingPrefix(text, host);
    if (start.program.empty()) {
      start.program = text;  // started as it stands, as Windows reads it
    } else {
      rest = text.substr(start.program.size());
      start.commandLine = quotedIfBlank(start.program) + rest;
    }
  }
  start.directory = folderOf(start.program);
  start.withArguments = holdsMoreThanBlanks(rest);
  return start;
}

void runApp(DriverSettings& settings, Host& host, RunFrom from) {
  Command1_Click(settings, host);
  const std::string text = settings.text(Field::applicationPath);
  if (text.empty())
    return;
  const ApplicationStart application = readApplication(text, host);
  if (from == RunFrom::settingFile && application.withArguments &&
      isOwnExe(application.program, host)) {
    return;
  }
  if (!application.directory.empty())
    host.changeDirectory(application.directory);
  host.startProgram(std::string(), application.commandLine, WindowMode::normalFocus, nullptr);
}

void Command6_Click(DriverSettings& settings, Host& host) {
  runApp(settings, host, RunFrom::window);
}

}  // namespace morvane
