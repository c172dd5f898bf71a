#include "setting_files/FileCommands.h"

#include "setting_files/SettingFile.h"
#include "text/Letters.h"

namespace morvane {
namespace {

// Every command sets all three inputs, so nothing carries over from the previous one; no
// default extension, so a name typed without one is used as typed.
bool ask(Host& host, const char* title, const char* initialName, DialogForm form,
         std::string& chosen) {
  FileDialogRequest request;
  request.title = title;
  request.initialName = initialName;
  request.defaultExtension = "";
  request.form = form;
  return host.fileDialog(request, chosen);
}

}  // namespace

void Command3_Click(DriverSettings& settings, Host& host) {
  std::string path;
  if (!ask(host, "Save Settings", "*.mvs", DialogForm::save, path))
    return;
  host.writeFile(path, writeSettingFile(settings));
}

void Command4_Click(DriverSettings& settings, Host& host) {
  std::string path;
  if (!ask(host, "Open Settings", "*.mvs", DialogForm::open, path))
    return;
  readSettingFile(path, settings, host);
}

void Command5_Click(DriverSettings& settings, Host& host) {
  std::string path;
  if (!ask(host, "Select Application...", "*.exe", DialogForm::open, path))
    return;
  settings.setText(Field::applicationPath, path);
}

void dropFile(const std::string& path, DriverSettings& settings, Host& host) {
  if (path.empty())
    return;
  if (endsWithIgnoringCase(path, ".mvs")) {
    readSettingFile(path, settings, host);
  } else {
    settings.setText(Field::applicationPath, path);
  }
}

}  // namespace morvane
