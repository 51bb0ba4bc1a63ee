// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/AppFolders.h"

#include <unistd.h>

#include <filesystem>

namespace velmira::fileio {

AppFolders appFolders(const std::string& executableFolder, const std::string& userDataFolder) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path exe(executableFolder);
  const fs::path installed = exe.parent_path() / "share" / "velmira";
  const bool isInstalled = exe.filename() == "bin" && fs::is_directory(installed, ec);
  AppFolders f;
  f.data = isInstalled ? installed.lexically_normal().string() : executableFolder;
  if (!isInstalled && ::access(f.data.c_str(), W_OK) == 0) {
    f.flag = f.data;
  } else {
    fs::create_directories(userDataFolder, ec);
    f.flag = userDataFolder;
  }
  return f;
}

}  // namespace velmira::fileio
