// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SavePlaces.h"

#include <filesystem>
#include <system_error>

namespace velmira::files {

namespace fs = std::filesystem;

namespace {

std::string& lastFolder() {
  static std::string folder;
  return folder;
}

fs::path resolved(const std::string& path) {
  std::error_code ec;
  fs::path p = fs::weakly_canonical(fs::absolute(path, ec), ec);
  return ec ? fs::path(path).lexically_normal() : p;
}

}  // namespace

bool insideFolder(const std::string& path, const std::string& folder) {
  if (path.empty() || folder.empty()) return false;
  const fs::path p = resolved(path);
  const fs::path f = resolved(folder);
  auto pi = p.begin();
  for (auto fi = f.begin(); fi != f.end(); ++fi, ++pi) {
    if (fi->empty()) continue;  // a trailing separator
    if (pi == p.end() || *pi != *fi) return false;
  }
  return true;
}

SavePlace savePlace(const std::string& currentFile, const std::string& appFolder, const std::string& documents) {
  if (!currentFile.empty()) {
    const fs::path file(currentFile);
    if (insideFolder(currentFile, appFolder)) return {documents, file.filename().string()};
    std::error_code ec;
    if (fs::is_directory(file.parent_path(), ec)) return {file.parent_path().string(), file.filename().string()};
  }
  if (!lastFolder().empty()) return {lastFolder(), {}};
  return {documents, {}};
}

void noteSaved(const std::string& path) { lastFolder() = fs::path(path).parent_path().string(); }

Message appFolderRefused() {
  return msg::exclamationOk(
      VELMIRA_TEXT("velmira::msg",
                   "Ce dossier contient les fichiers livrés avec Velmira : on ne peut pas y enregistrer. "
                   "Choisissez un autre dossier, par exemple vos documents."),
      VELMIRA_TEXT("velmira::msg", "Enregistrer"));
}

}  // namespace velmira::files
