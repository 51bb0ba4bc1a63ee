// Start-up, activation, size rule and closing of the main window.
#include <QCloseEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTextEdit>
#include <algorithm>

#include "files/ExerciseFile.h"
#include "files/TextQuestions.h"
#include "files/ui/ExerciseMenu.h"
#include "files/ui/TextPane.h"
#include "model/FlagFile.h"
#include "platform/core/ScreenFit.h"
#include "ui/BenchPanel.h"
#include "ui/HintLine.h"
#include "ui/MainWindow.h"
#include "ui/MixturePanel.h"
#include "ui/RecoveryKeeper.h"
#include "ui/TabStrip.h"
#include "ui/drawing/WindowBackground.h"

namespace velmira::ui {

namespace {

Message quitQuestion() { return msg::questionOkCancel("Quitter vraiment cette application ?", "Fermer"); }

}  // namespace

void MainWindow::startUp() {
  model::markRunning(flagFolder_.toStdString());
  if (QScreen* s = screen()) applyWindowSizeRule(s->geometry().size());
  hintLine_->setHint(backgroundHint());
  clipboardHint_ =
      QStringLiteral("L'image est copiée: vous pouvez la retrouver depuis toute autre application (coller)");
  // Coefficients and the welcome text, then default entries, knobs (with
  // updateVoltmeters), solutes, updateMeters.
  textPane_->showWelcome();
  wb_.startupDefaults();
  // Bench picture (which paints the strip, on tab 1 at start), mixture
  // level; each page draws its texts (and places its entries) when shown.
  drawBench();
  mixture_->updateBeakerLevel();
  if (tabStrip_->currentTab() != 1) {
    tabStrip_->setCurrentTab(1);
    tabStrip_->paintStrip();
  }
  for (Bench b : kAllBenches) panel(b).redrawKnobs();
  updateFormulaBoxes();
  updateControls();
}

int MainWindow::textModified() const { return textPane_->textModified(); }

void MainWindow::applyWindowSizeRule(QSize screen) {
  if (screen.width() <= kWideScreen) return;
  sizing_ = true;
  if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
  // The rule sizes the whole window, frame included.
  const QRect frame = frameGeometry();
  const QRect client = geometry();
  const int dw = frame.width() - client.width();
  const int dh = frame.height() - client.height();
  setFixedSize(kWindowWidth - dw, kWindowHeight - dh);
  const QScreen* on = this->screen();
  const QRect whole = on ? on->geometry() : QRect(QPoint(0, 0), screen);
  const QRect free = on && on->geometry().size() == screen ? on->availableGeometry() : QRect(whole.topLeft(), screen);
  // Centred on the screen, but whole within its free area (a frame not yet
  // known counts as the usual one).
  const double ratio = devicePixelRatioF();
  const int frameW = dw > 0 ? dw : qRound(kFrameWidth / ratio);
  const int frameH = dh > 0 ? dh : qRound(kFrameHeight / ratio);
  const int x = std::max(
      free.left(), std::min(whole.x() + (screen.width() - kWindowWidth) / 2, free.right() + 1 - (width() + frameW)));
  const int y = std::max(
      free.top(), std::min(whole.y() + (screen.height() - kWindowHeight) / 2, free.bottom() + 1 - (height() + frameH)));
  move(x, y);
  sizing_ = false;
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
  if (textModified() == 1 && messages_.show(files::discardTextQuestion()) != Answer::Ok) return false;
  settleWork();
  // Unsaved work has its own question, which stands for the quit question.
  if (workModified()) return askUnsavedWork();
  return messages_.show(quitQuestion()) == Answer::Ok;
}

void MainWindow::onClosing() {
  model::markStopped(flagFolder_.toStdString());
  if (recovery_) recovery_->discard();
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
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    takeLauncherRequest();
  } else if (event->type() == QEvent::WindowStateChange && !sizing_ &&
             (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
    if (QScreen* s = screen()) applyWindowSizeRule(s->geometry().size());
  }
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (!shownOnce_ || framedOnce_ || sizing_ || !isWindow() || frameGeometry() == geometry()) return;
  framedOnce_ = true;
  if (QScreen* s = screen()) applyWindowSizeRule(s->geometry().size());
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The frame's size is known once the window is on screen.
  if (!shownOnce_) {
    shownOnce_ = true;
    if (QScreen* s = screen()) applyWindowSizeRule(s->geometry().size());
  }
}

void MainWindow::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  paintWindowBackground(p, textPane_->textEditor()->geometry(), textPane_->fileNameField()->y(), event->rect());
}

}  // namespace velmira::ui
