// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands, its table of values and the recordings into it.
#include <QCoreApplication>

#include "expr/ColumnFormula.h"
#include "files/ui/OpenWindow.h"
#include "platform/qt/Printing.h"
#include "table/Recording.h"
#include "table/ui/TableFrame.h"
#include "ui/Benches.h"
#include "ui/CellOptionsFrame.h"
#include "ui/CopyMenu.h"
#include "ui/HintLine.h"
#include "ui/MainWindow.h"
#include "ui/PrintWindow.h"
#include "ui/TableTools.h"
#include "ui/help/HelpWindow.h"

namespace velmira::ui {

table::ui::TableFrame* MainWindow::tableFrame() {
  if (!tableFrame_) buildTableFrame();
  return tableFrame_;
}

void MainWindow::buildTableFrame() {
  // The table of values takes the place of the cell options while shown.
  tableFrame_ = new table::ui::TableFrame(table_, messages_, this);
  tableFrame_->move(424, 56);
  tableFrame_->hide();
  layoutRoom();
  connect(tableFrame_, &table::ui::TableFrame::hint, hintLine_, &HintLine::setHint);
  tableTools_->serve(*tableFrame_);
  connect(tableFrame_, &table::ui::TableFrame::hideRequested, this, [this] {
    commands_->button(Command::Table)->setChecked(false);
    onTableToggled();
  });
  connectTableWork();
}

void MainWindow::onTableToggled() {
  const bool shown = commands_->button(Command::Table)->isChecked();
  tableFrame()->setVisible(shown);
  benches_->cellOptions()->setVisible(!shown);
  benches_->showRecordButtons();
}

void MainWindow::onCommand(Command c) {
  switch (c) {
    case Command::Open: {
      files::ui::OpenWindow w(*this, messages_, appFolder_, this);
      w.move(pos() + QPoint(20, 20));
      w.exec();
      break;
    }
    case Command::Save:
      saveWork();
      break;
    case Command::Copy: {
      if (!copyMenu_) copyMenu_ = new CopyMenu(*this);
      QToolButton* b = commands_->button(Command::Copy);
      copyMenu_->popup(b->mapToGlobal(QPoint(0, b->height())));
      break;
    }
    case Command::Print: {
      PrintWindow w(*this, messages_, qtp::sharedPrinter(), this);
      w.exec();
      break;
    }
    case Command::Table:
      onTableToggled();
      break;
    case Command::Calculator:
      tableTools_->openCalculator();
      break;
    case Command::Help:
      showHelp(this, appFolder_, messages_);
      break;
    case Command::Close:
      close();
      break;
    default:
      break;
  }
}

void MainWindow::recordBench(Bench bench) {
  bool leftUnknown = false;
  expr::recordWithFormulas(table_, wb_, benchNumber(bench), messages_, &leftUnknown);
  if (leftUnknown && !unknownNotRecordedSaid_) {
    unknownNotRecordedSaid_ = true;
    messages_.show(table::concealedNotRecorded());
  }
  noteWork(QString::fromUtf8(QT_TRANSLATE_NOOP("velmira::steps", "Ajouter au tableau")));
}

void MainWindow::recordShownBench() {
  if (const std::optional<Bench> b = benches_->benchToRecord(focusWidget())) recordBench(*b);
}

}  // namespace velmira::ui
