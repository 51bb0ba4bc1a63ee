// SPDX-License-Identifier: GPL-3.0-or-later
#include "expr/ui/ProgressWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "expr/ColumnFormula.h"
#include "platform/qt/Beep.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/WaitCursor.h"
#include "table/Table.h"

namespace velmira::expr::ui {

namespace {
constexpr qint64 kFrameMs = 16;
}  // namespace

ProgressWindow::ProgressWindow(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("progressWindow"));
  setStyleSheet(QStringLiteral("#progressWindow { background: #f4f6f9; border: 1px solid #7a8699; }"));
  auto* label =
      new QLabel(QCoreApplication::translate("velmira::expr::ui", "Patience\u00A0: calculs en cours..."), this);
  label->setFont(qtp::mapFont(QStringLiteral("Verdana"), 10, true));
  pbar_ = new QProgressBar(this);
  pbar_->setObjectName(QStringLiteral("progress"));
  pbar_->setTextVisible(false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 14, 18, 16);
  layout->setSpacing(10);
  layout->addWidget(label);
  layout->addWidget(pbar_);
  setFixedSize(340, 84);
}

int fillColumnWithProgress(QWidget* parent, table::Table& table, int col, const std::string& formula, Angle angle,
                           bool scientific) {
  ProgressWindow avancalc(parent);
  avancalc.pbar()->setRange(0, table.rows() - 1);
  if (parent) avancalc.move(parent->window()->geometry().center() - avancalc.rect().center());
  avancalc.show();
  // Paints the window and what the calculator uncovered; no input meanwhile.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  const qtp::WaitCursor wait;
  // The bar follows every line; it is painted at most once a frame.
  QProgressBar* bar = avancalc.pbar();
  bar->setUpdatesEnabled(false);
  QElapsedTimer frame;
  frame.start();
  const auto progress = [&](int line) {
    bar->setValue(line);
    if (frame.elapsed() < kFrameMs) return;
    bar->setUpdatesEnabled(true);
    bar->repaint();
    bar->setUpdatesEnabled(false);
    frame.restart();
  };
  const int failures = expr::fillColumn(table, col, formula, angle, scientific, progress, [] { qtp::beep(); });
  bar->setUpdatesEnabled(true);
  return failures;
}

}  // namespace velmira::expr::ui
