#pragma once

#include <string>

#include "driver_settings/DriverSettings.h"
#include "host/Host.h"

namespace morvane {

// "Apply": writes the registry patch to scrap.reg in the Windows directory, has the Windows
// directory's own registry editor import it with a hidden window, waits half a second and
// presses Enter for the user when the editor has the focus. Each step that fails is skipped;
// nothing is reported. Applies of different Morvane processes take turns, from writing the
// patch until its importer has ended, so that each importer reads its own patch.
void Command1_Click(DriverSettings& settings, Host& host);

// The patch file's path for a Windows directory ("" gives "\scrap.reg", the current drive's root).
std::string patchPath(const std::string& windowsDirectory);

// The registry editor's command line for a patch: `regedit <path>`, the path in double quotes
// when it holds a blank (a per-user Windows directory under "Documents and Settings").
std::string importerCommandLine(const std::string& patch);

// `text` in double quotes when it holds a blank or a tab, else as it stands.
std::string quotedIfBlank(const std::string& text);

}  // namespace morvane
