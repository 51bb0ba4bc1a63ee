#include "platform/qt/ZoomSetting.h"

#include <QSettings>

#include "platform/core/ScreenFit.h"

namespace velmira::qtp {

namespace {
constexpr char kZoomKey[] = "affichage/zoom";
QSettings settings() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("velmira"), QStringLiteral("velmira"));
}
}  // namespace

int storedZoom() { return validZoom(settings().value(QLatin1String(kZoomKey), kZoomLeast).toInt()); }

void storeZoom(int percent) {
  QSettings s = settings();
  s.setValue(QLatin1String(kZoomKey), validZoom(percent));
  s.sync();
}

}  // namespace velmira::qtp
