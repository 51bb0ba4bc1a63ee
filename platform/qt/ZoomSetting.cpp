// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/ZoomSetting.h"

#include <QStandardPaths>
#include <string>

#include "platform/core/ZoomFile.h"

namespace velmira::qtp {

namespace {
std::string settingsPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString() + "/" +
         fileio::kSettingsFile;
}
}  // namespace

int storedZoom() { return fileio::readZoom(settingsPath()); }

bool storeZoom(int percent, fileio::SaveFailure* failure) {
  return fileio::writeZoom(settingsPath(), percent, failure);
}

}  // namespace velmira::qtp
