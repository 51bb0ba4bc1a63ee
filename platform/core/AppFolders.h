// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program finds its application folder (the files it ships: help,
// getting-started activities, exercises) and where it keeps the flag file it
// shares with the launcher.
#include <string>

namespace velmira::fileio {

struct AppFolders {
  std::string data;  // the application folder
  std::string flag;  // the folder of the flag file
};

// Installed, the program lies in <prefix>/bin and its files in
// <prefix>/share/velmira; run from the build tree, its files lie beside it.
// Installed, the flag file always goes in `userDataFolder` (created when
// missing): the installed folder belongs to the package, whoever runs the
// program. Run from its own folder, the flag file lies there when the user
// can write there, else in `userDataFolder`.
AppFolders appFolders(const std::string& executableFolder, const std::string& userDataFolder);

// The application folder alone (as `appFolders` finds it), nothing created.
std::string dataFolder(const std::string& executableFolder);

}  // namespace velmira::fileio
