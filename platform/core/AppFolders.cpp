// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/AppFolders.h"

#include <unistd.h>

#include <filesystem>

namespace velmira::fileio {

namespace {

// The installed application folder when the program lies in <prefix>/bin.
std::string installedFolder(const std::string& executableFolder) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path exe(executableFolder);
  const fs::path installed = exe.parent_path() / "share" / "velmira";
  return exe.filename() == "bin" && fs::is_directory(installed, ec) ? installed.lexically_normal().string()
                                                                    : std::string();
}

}  // namespace

std::string dataFolder(const std::string& executableFolder) {
  const std::string installed = installedFolder(executableFolder);
  return installed.empty() ? executableFolder : installed;
}

AppFolders appFolders(const std::string& executableFolder, const std::string& userDataFolder) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const std::string installed = installedFolder(executableFolder);
  const bool isInstalled = !installed.empty();
  AppFolders f;
  f.data = isInstalled ? installed : executableFolder;
  if (!isInstalled && ::access(f.data.c_str(), W_OK) == 0) {
    f.flag = f.data;
  } else {
    fs::create_directories(userDataFolder, ec);
    f.flag = userDataFolder;
  }
  return f;
}

}  // namespace velmira::fileio
