#include "files/ui/StartFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <string>

namespace velmira::files::ui {

QString startFolder(const std::string& configPath) {
  if (!configPath.empty()) {
    const QString folder = QFileInfo(QString::fromStdString(configPath)).absolutePath();
    if (QDir(folder).exists()) return folder;
  }
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QDir(documents).exists() ? documents : QDir::homePath();
}

}  // namespace velmira::files::ui
