// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ui/StartFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <string>

#include "files/SavePlaces.h"

namespace velmira::files::ui {

QString startFolder(const std::string& configPath) {
  if (!configPath.empty()) {
    const QString folder = QFileInfo(QString::fromStdString(configPath)).absolutePath();
    if (QDir(folder).exists()) return folder;
  }
  return documentsFolder();
}

QString documentsFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QDir(documents).exists() ? documents : QDir::homePath();
}

QString saveStartPath(const QString& currentFile, const QString& appFolder, const QString& suffix,
                      const QString& fallbackName) {
  const SavePlace place =
      savePlace(currentFile.toStdString(), appFolder.toStdString(), documentsFolder().toStdString());
  QString name = QString::fromStdString(place.name);
  if (!name.isEmpty() && !suffix.isEmpty()) name = QFileInfo(name).completeBaseName() + suffix;
  if (name.isEmpty()) name = fallbackName;
  return QDir(QString::fromStdString(place.folder)).filePath(name);
}

bool refusedSave(const QString& path, const QString& appFolder, MessageService& messages) {
  if (!insideFolder(QFileInfo(path).absoluteFilePath().toStdString(), appFolder.toStdString())) return false;
  messages.show(appFolderRefused());
  return true;
}

}  // namespace velmira::files::ui
