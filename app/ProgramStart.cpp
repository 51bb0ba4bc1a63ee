// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramStart.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QIconEngine>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QStandardPaths>
#include <algorithm>
#include <vector>

#include "platform/core/AppFolders.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Translations.h"
#include "ui/Accessibility.h"
#include "widgets/LegiblePalette.h"

namespace velmira::app {

namespace {

// The window icon from square pictures named "<prefix><size>.png", each read
// only when a size is asked for (the desktop may never ask).
class PictureFilesIcon : public QIconEngine {
 public:
  PictureFilesIcon(QString folder, QString prefix) : folder_(std::move(folder)), prefix_(std::move(prefix)) {
    for (const QString& name : QDir(folder_).entryList({prefix_ + QStringLiteral("*.png")})) {
      const int size = QStringView(name).sliced(prefix_.size()).chopped(4).toInt();
      if (size > 0) sizes_.push_back(size);
    }
    std::sort(sizes_.begin(), sizes_.end());
  }
  QIconEngine* clone() const override { return new PictureFilesIcon(*this); }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> out;
    for (int s : sizes_) out.push_back(QSize(s, s));
    return out;
  }
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int s = pick(std::min(size.width(), size.height()));
    return s > 0 ? size.boundedTo(QSize(s, s)) : QSize();
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int s = pick(std::min(size.width(), size.height()));
    if (s <= 0) return {};
    QPixmap p(folder_ + QLatin1Char('/') + prefix_ + QString::number(s) + QStringLiteral(".png"));
    return p.size().width() > size.width() || p.size().height() > size.height()
               ? p.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation)
               : p;
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }

 private:
  // The smallest picture at least `side` wide, else the largest.
  int pick(int side) const {
    for (int s : sizes_)
      if (s >= side) return s;
    return sizes_.empty() ? 0 : sizes_.back();
  }
  QString folder_, prefix_;
  std::vector<int> sizes_;
};

}  // namespace

ProgramFolders prepareProgram(QApplication& app) {
  QCoreApplication::setApplicationName(QStringLiteral("velmira"));
  // The desktop entry and the icon the desktop shows for the window.
  QGuiApplication::setDesktopFileName(QStringLiteral("fr.velmira.Velmira"));
  QApplication::setWindowIcon(QIcon(new PictureFilesIcon(QStringLiteral(":/icons"), QStringLiteral("velmira-"))));
  const auto folders =
      fileio::appFolders(QCoreApplication::applicationDirPath().toStdString(),
                         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
  qtp::installTranslations(app, QString::fromStdString(folders.data),
                           qtp::chooseLanguage(QLocale::system().uiLanguages()));
  ui::installAccessibility();
  widgets::applyLegiblePalette();
  qtp::useProgramFaces(QString::fromStdString(folders.data));
  return {QString::fromStdString(folders.data), QString::fromStdString(folders.flag)};
}

}  // namespace velmira::app
