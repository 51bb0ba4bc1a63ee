// The hint line: which text each control shows when the pointer moves over it.
#include <QApplication>
#include <QMouseEvent>

#include "files/ui/TextPane.h"
#include "ui/BenchPanel.h"
#include "ui/CellOptionsFrame.h"
#include "ui/HintLine.h"
#include "ui/MainWindow.h"
#include "ui/SolutePickerWidget.h"
#include "ui/TabStrip.h"

namespace velmira::ui {

void MainWindow::setHint(QWidget* w, const QString& text) {
  hints_.insert(w, text);
  w->setMouseTracking(true);
  w->installEventFilter(this);
}

void MainWindow::registerHints() {
  // Every control reports pointer moves, so that one without a hint of its
  // own hands the move to its container.
  for (QWidget* w : findChildren<QWidget*>()) {
    w->setMouseTracking(true);
    w->installEventFilter(this);
  }
  setHint(this, backgroundHint());
  setHint(tabStrip_, QStringLiteral("Cliquer sur un onglet pour l'afficher"));
  for (Bench b : kAllBenches)
    for (const auto& [w, text] : panel(b).hints()) setHint(w, text);
  setHint(solutePicker_, QStringLiteral("Choisir les ions en solution dans la liste"));
  setHint(cellOptions_, QStringLiteral("Vous pouvez modifier les paramètres de la cellule."));
  setHint(cellOptions_->cellPicture(), QStringLiteral("Schéma de la cellule de conductivité"));
  setHint(textPane_->exerciseButton(), files::ui::TextPane::btexoHint());
  for (int c = 0; c < kCommandCount; ++c) {
    const auto cmd = static_cast<Command>(c);
    setHint(commands_->button(cmd), QString::fromUtf8(commandInfo(cmd).hint));
  }
}

void MainWindow::showHintUnder(QWidget* w) {
  while (w && !hints_.contains(w)) w = w == this ? nullptr : w->parentWidget();
  if (!w) return;
  // The copy button leaves the message of a completed copy in place.
  if (w == commands_->button(Command::Copy) && hintLine_->hint() == clipboardHint_) return;
  hintLine_->setHint(hints_.value(w));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    auto* me = static_cast<QMouseEvent*>(event);
    // The deepest control under the pointer that has a hint; a control
    // without one shows its container's.
    // While a button is held the pressed control keeps the pointer.
    QWidget* under = me->buttons() == Qt::NoButton ? childAt(mapFromGlobal(me->globalPosition().toPoint())) : nullptr;
    if (!under) under = qobject_cast<QWidget*>(watched);
    if (under && under != this && !isAncestorOf(under)) under = qobject_cast<QWidget*>(watched);
    showHintUnder(under);
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace velmira::ui
