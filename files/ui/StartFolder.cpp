#include "files/ui/StartFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <string>

namespace velmira::files::ui {

QString startFolder(const std::string& nomconfig) {
  if (!nomconfig.empty()) {
    const QString folder = QFileInfo(QString::fromStdString(nomconfig)).absolutePath();
    if (QDir(folder).exists()) return folder;
  }
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QDir(documents).exists() ? documents : QDir::homePath();
}

}  // namespace velmira::files::ui
