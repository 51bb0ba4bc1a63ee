// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, activation and closing of the main window.
#include <QCloseEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTextEdit>

#include "files/ExerciseFile.h"
#include "files/TextQuestions.h"
#include "files/ui/ExerciseMenu.h"
#include "files/ui/TextPane.h"
#include "model/FlagFile.h"
#include "ui/Benches.h"
#include "ui/DesignSize.h"
#include "ui/HintLine.h"
#include "ui/MainWindow.h"
#include "ui/RecoveryKeeper.h"
#include "ui/WorkKeeper.h"
#include "ui/drawing/WindowBackground.h"

namespace velmira::ui {

namespace {

Message quitQuestion() {
  return msg::questionOkCancel(VELMIRA_TEXT("velmira::msg", "Quitter vraiment cette application ?"),
                               VELMIRA_TEXT("velmira::msg", "Fermer"));
}

}  // namespace

void MainWindow::startUp() {
  running_ = model::RunningMark(flagFolder_.toStdString());
  designSize_->applyOnScreen();
  hintLine_->setHint(backgroundHint());
  // Coefficients and the welcome text, then default entries, knobs (with
  // updateVoltmeters), solutes, updateMeters.
  textPane_->showWelcome();
  wb_.startupDefaults();
  benches_->showStart();
}

void MainWindow::takeLauncherRequest() {
  const std::string name = model::takeExercise(flagFolder_.toStdString());
  if (!name.empty()) openRequestedExercise(name);
}

void MainWindow::openRequestedExercise(const std::string& relativeName) {
  // As the exercise window opens it, from the application folder; its
  // correction may then be shown.
  exerciseMenu_->openExercise(files::referencedPath(appFolder_.toStdString(), relativeName), true);
}

bool MainWindow::mayClose() {
  // A pupil's text is saved with the work, under the work's question.
  if (!textIsWork() && textPane_->textModified() == 1 && messages_.show(files::discardTextQuestion()) != Answer::Ok)
    return false;
  settleWork();
  // Unsaved work has its own question, which stands for the quit question.
  if (workModified()) return askUnsavedWork();
  return messages_.show(quitQuestion()) == Answer::Ok;
}

void MainWindow::closeForRestart() {
  settleWork();
  onClosing();
}

void MainWindow::onClosing() {
  running_.stop();
  if (RecoveryKeeper* r = work_->recovery()) r->discard();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!mayClose()) {
    event->ignore();
    return;
  }
  onClosing();
  event->accept();
}

void MainWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) takeLauncherRequest();
}

void MainWindow::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  paintWindowBackground(p, textPane_->textEditor()->geometry(), textPane_->fileNameField()->y(), event->rect(), size());
}

}  // namespace velmira::ui
