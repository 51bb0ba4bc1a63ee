// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/FileNames.h"

#include <dirent.h>
#include <sys/stat.h>

#include <memory>

#include "platform/core/RecordFile.h"
#include "platform/core/SafeFile.h"

namespace velmira::fileio {

bool isUtf8(std::string_view bytes) {
  std::size_t i = 0;
  char32_t c = 0;
  while (i < bytes.size())
    if (!records::nextCodePoint(bytes, i, c)) return false;
  return true;
}

std::string shownPath(std::string_view path) {
  if (isUtf8(path)) return std::string(path);
  std::string shown;
  shown.reserve(path.size() + path.size() / 2);
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t end = std::min(path.find('/', start), path.size());
    const std::string_view part = path.substr(start, end - start);
    shown += isUtf8(part) ? std::string(part) : records::fromCp1252(part);
    if (end == path.size()) break;
    shown += '/';
    start = end + 1;
  }
  return shown;
}

std::string fieldPath(std::string_view text, std::string_view native) {
  return !native.empty() && text == shownPath(native) ? std::string(native) : std::string(text);
}

std::vector<std::string> folderFiles(const std::string& folder, std::string_view extension, std::size_t limit) {
  std::vector<std::string> names;
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
  if (!dir) return names;
  const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + '/';
  std::size_t seen = 0;
  while (const dirent* entry = ::readdir(dir.get())) {
    if (++seen > limit) break;
    const std::string_view name = entry->d_name;
    if (name.empty() || name.front() == '.' || !hasExtension(name, extension)) continue;
    if (entry->d_type != DT_REG && entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN) continue;
    struct stat info {};
    if (entry->d_type != DT_REG && (::stat((prefix + entry->d_name).c_str(), &info) != 0 || !S_ISREG(info.st_mode)))
      continue;
    names.emplace_back(name);
  }
  return names;
}

}  // namespace velmira::fileio
