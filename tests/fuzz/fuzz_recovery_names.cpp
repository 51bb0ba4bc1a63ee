// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as the name of an entry of the recovery folder
// (any encoding, any length). Only a name as the program writes it reads as
// a copy's, and it names that pid back; the start-up scan of a folder holding
// such an entry offers only a copy of the program's own name. Any name is
// shown as UTF-8 (itself when it is), and a folder's listing gives it back as
// its bytes.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "files/RecoveryFiles.h"
#include "platform/core/FileNames.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace fs = std::filesystem;
  const std::string name(reinterpret_cast<const char*>(data), size);
  const auto pid = velmira::files::recoveryCopyNumber(name);
  if (pid && (*pid <= 0 || std::to_string(*pid) + ".C07" != name)) __builtin_trap();
  const std::string shown = velmira::fileio::shownPath(name);
  if (!velmira::fileio::isUtf8(shown) || (velmira::fileio::isUtf8(name) && shown != name)) __builtin_trap();

  if (name.empty() || name.size() > 255 || name == "." || name == ".." ||
      name.find_first_of(std::string("/\0", 2)) != std::string::npos)
    return 0;
  // A folder of this process's own, removed at its end.
  static const struct Scratch {
    fs::path path = fs::temp_directory_path() / ("velmira-fuzz-names-" + std::to_string(::getpid()));
    ~Scratch() {
      std::error_code ec;
      fs::remove_all(path, ec);
    }
  } scratch;
  const fs::path& folder = scratch.path;
  std::error_code ec;
  fs::remove_all(folder, ec);
  fs::create_directories(folder);
  std::ofstream(folder / name) << "VELMIRADATA";
  const auto listed = velmira::fileio::folderFiles(folder.string(), "");
  if (name[0] != '.' && (listed.size() != 1 || listed[0] != name)) __builtin_trap();
  const auto copies = velmira::files::leftCopies(folder.string(), [](const std::string&) { return false; });
  for (const auto& copy : copies)
    if (!pid || fs::path(copy.files.config).filename() != name) __builtin_trap();
  return 0;
}
