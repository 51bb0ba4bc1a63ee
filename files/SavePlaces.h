// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the save windows start, and the folder no save may go into: the
// application folder holds the shipped files.
#include <string>

#include "platform/core/Messages.h"

namespace velmira::files {

struct SavePlace {
  std::string folder;
  std::string name;  // the file name offered, empty for none
};

// The folder of `currentFile` (the work's file, empty for none) when it lies
// outside `appFolder`, else the folder last saved into during this run, else
// `documents`. A shipped file (inside `appFolder`) is offered under its
// own name in `documents`.
SavePlace savePlace(const std::string& currentFile, const std::string& appFolder, const std::string& documents);

// True when `path` lies inside `folder` (links followed as far as they exist).
bool insideFolder(const std::string& path, const std::string& folder);

// A file was saved at `path`.
void noteSaved(const std::string& path);

// The refusal of a save into the application folder.
Message appFolderRefused();

}  // namespace velmira::files
