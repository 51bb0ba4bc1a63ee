// The configuration files of the main window: the single writer and reader
// with the controls following a load, and the caption.
#include <QFileInfo>

#include "files/ConfigFile.h"
#include "files/ExerciseFile.h"
#include "files/ExerciseOpening.h"
#include "files/ui/ExerciseMenu.h"
#include "ui/KnobWidget.h"
#include "ui/MainWindow.h"
#include "ui/RecoveryKeeper.h"
#include "ui/TabStrip.h"

namespace velmira::ui {

void MainWindow::showCaption() {
  QString caption = QStringLiteral("Velmira");
  if (!configPath_.empty()) caption += QStringLiteral(" - ") + QString::fromStdString(configPath_);
  // The usual mark of unsaved work.
  if (workModified()) caption += QLatin1Char('*');
  setWindowTitle(caption);
}

bool MainWindow::saveConfiguration(const std::string& path) {
  settleWork();
  if (!files::writeConfiguration(path, wb_, table_, messages_, true, extension_)) return false;
  configPath_ = path;
  history_.markSaved();
  showCaption();
  if (recovery_) recovery_->schedule();
  return true;
}

bool MainWindow::loadConfiguration(const std::string& path) {
  auto configuration = files::readConfiguration(path, wb_, table_, messages_);
  if (!configuration) return false;
  configPath_ = path;
  extension_ = std::move(configuration->extension);
  // Knobs, bench picture, displays, entries, selections, beaker levels, solutes, the strip.
  followWork();
  startHistory(true);
  return true;
}

void MainWindow::openFile(const QString& path) {
  if (path.endsWith(QString::fromLatin1(files::kConfigExtension), Qt::CaseInsensitive)) {
    files::ui::openConfiguration(*this, messages_, path.toStdString());
    return;
  }
  if (files::gettingStartedActivity(path.toStdString())) {
    exerciseMenu_->openGettingStarted(QFileInfo(path).absoluteFilePath().toStdString());
    return;
  }
  if (path.endsWith(QString::fromLatin1(files::kExerciseExtension), Qt::CaseInsensitive)) {
    exerciseMenu_->openExercise(QFileInfo(path).absoluteFilePath().toStdString());
    return;
  }
  messages_.show(msg::notConfiguration());
}

}  // namespace velmira::ui
