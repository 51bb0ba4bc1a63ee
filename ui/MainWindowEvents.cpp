// The handlers of the main window's controls: entries, solute list, knobs,
// calibre and mode options, montage, command buttons.
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include "expr/ColumnFormula.h"
#include "expr/ui/CalculatorWindow.h"
#include "files/ui/OpenWindow.h"
#include "files/ui/SaveWindow.h"
#include "graph/ui/GraphWindow.h"
#include "model/EntryRules.h"
#include "platform/qt/Beep.h"
#include "platform/qt/Printing.h"
#include "table/Recording.h"
#include "table/ui/TableFrame.h"
#include "table/ui/TablePrint.h"
#include "ui/BenchPage.h"
#include "ui/BenchPicture.h"
#include "ui/CalibreFrame.h"
#include "ui/CellOptionsFrame.h"
#include "ui/CopyMenu.h"
#include "ui/EntryField.h"
#include "ui/FormulaBox.h"
#include "ui/HintLine.h"
#include "ui/KnobWidget.h"
#include "ui/MainWindow.h"
#include "ui/PrintWindow.h"
#include "ui/SolutePickerWidget.h"
#include "ui/TabStrip.h"
#include "ui/help/HelpWindow.h"

namespace velmira::ui {

void MainWindow::connectControls() {
  for (int i = 0; i < model::kEntries; ++i) {
    EntryField* e = entryFields_[i];
    connect(e, &EntryField::validationRequested, this, &MainWindow::onEntryLeft);
    // The field is the workbench's entry: what is typed is what is read.
    connect(e, &QLineEdit::textChanged, this, [this, i](const QString& t) { wb_.setEntryText(i, t.toStdString()); });
  }
  for (int k = 0; k < 2; ++k) {
    connect(formulaBoxes_[k], &FormulaBox::clicked, this, &MainWindow::onFormulaBoxClicked);
    connect(soluteListButtons_[k], &QPushButton::clicked, this, [this, k] { onFormulaBoxClicked(k); });
  }
  // The focus goes back to the solute box the list came from.
  connect(solutePicker_, &SolutePickerWidget::chosen, this, [this](int solution) {
    formulaBoxes_[solution]->setFocus(Qt::OtherFocusReason);
    updateFormulaBoxes();
    updateControls();
  });
  connect(solutePicker_, &SolutePickerWidget::closed, this,
          [this](int solution) { formulaBoxes_[solution]->setFocus(Qt::OtherFocusReason); });
  for (KnobWidget* k : knobs_) {
    connect(k, &KnobWidget::turned, this, [this] { updateControls(); });
    connect(k, &KnobWidget::focusHint, this, [this] {
      hintLine_->setHint(QStringLiteral("Utiliser les touches fléchées du clavier pour affiner le réglage"));
    });
  }
  for (int b = 0; b < 3; ++b) {
    connect(voltFrames_[b], &CalibreFrame::optionClicked, this, &MainWindow::onVoltmeterCalibreClicked);
    connect(ampFrames_[b], &CalibreFrame::optionClicked, this, &MainWindow::onAmmeterCalibreClicked);
  }
  for (int i = 0; i < model::kConductimeterRanges; ++i)
    connect(rangeButtons_[i], &QRadioButton::clicked, this, [this, i] { onRangeClicked(i); });
  connect(generatorMontageButton(), &QRadioButton::clicked, this, &MainWindow::onGeneratorMontageClicked);
  connect(conductimeterMontageButton(), &QRadioButton::clicked, this, &MainWindow::onConductimeterMontageClicked);
  // The benches switch from the keyboard as tabs do everywhere.
  const std::pair<QKeySequence, int> switches[] = {{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                                                   {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
                                                   {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
                                                   {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
                                                   {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}};
  for (const auto& [keys, step] : switches) {
    auto* s = new QShortcut(keys, this);
    connect(s, &QShortcut::activated, this, [this, step = step] { tabStrip_->selectNext(step); });
  }
  for (int k = 0; k < model::kBenches; ++k)
    connect(recordButtons_[k], &QToolButton::clicked, this, [this, k] { recordBench(k + 1); });
  for (auto keys : {Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter}) {
    auto* s = new QShortcut(QKeySequence(keys), this);
    connect(s, &QShortcut::activated, this, &MainWindow::recordShownBench);
  }
  for (int i : {model::Volume1, model::Volume2})
    connect(entryFields_[i], &EntryField::stepRequested, this, &MainWindow::stepVolume);
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, [this] { onCommand(Command::Help); });
  for (int c = 0; c < kCommandCount; ++c) {
    const auto cmd = static_cast<Command>(c);
    connect(commands_->button(cmd), &QToolButton::clicked, this, [this, cmd] { onCommand(cmd); });
  }
}

void MainWindow::onEntryLeft(int i) {
  if (validating_) return;
  validating_ = true;
  wb_.setEntryText(i, entryFields_[i]->text().toStdString());
  model::validateEntry(wb_, i, messages_);
  if (i == model::Volume1 || i == model::Volume2) updateBeakerLevel();
  updateControls();
  validating_ = false;
}

void MainWindow::stepVolume(int i, int steps, bool fine) {
  wb_.setEntryText(i, entryFields_[i]->text().toStdString());
  if (model::stepVolume(wb_, i, steps, fine)) qtp::beep();
  updateBeakerLevel();
  updateControls();
}

void MainWindow::onFormulaBoxClicked(int i) { solutePicker_->openFor(i, pages_[i], formulaBoxes_[i]->pos()); }

void MainWindow::onVoltmeterCalibreClicked(int i) {
  wb_.setVoltmeterCalibre(i, true);
  wb_.updateVoltmeters();
  updateControls();
}

void MainWindow::onAmmeterCalibreClicked(int i) {
  wb_.setAmmeterCalibre(i, true);
  wb_.updateMeters();
  updateControls();
}

void MainWindow::onRangeClicked(int i) {
  wb_.setConductimeterRange(i, true);
  wb_.updateMeters();
  updateControls();
}

void MainWindow::onGeneratorMontageClicked() {
  wb_.setGeneratorMontage(true);
  syncOptions();
  montageChanged();
}

void MainWindow::onConductimeterMontageClicked() {
  wb_.setConductimeterMontage(true);
  syncOptions();
  montageChanged();
}

table::ui::TableFrame* MainWindow::tableFrame() {
  if (!tableFrame_) buildTableFrame();
  return tableFrame_;
}

void MainWindow::buildTableFrame() {
  // The table of values takes the place of the cell options while shown.
  tableFrame_ = new table::ui::TableFrame(table_, messages_, this);
  tableFrame_->move(424, 56);
  tableFrame_->hide();
  connect(tableFrame_, &table::ui::TableFrame::hint, hintLine_, &HintLine::setHint);
  connect(tableFrame_, &table::ui::TableFrame::graphRequested, this, [this] {
    graph::ui::GraphWindow w(table_, messages_, this);
    w.setHeading(printHeading(configPath_));
    w.exec();
  });
  connect(tableFrame_, &table::ui::TableFrame::printRequested, this, [this] {
    QPrinter& printer = qtp::sharedPrinter();
    if (!qtp::askPrinter(printer, this)) return;
    const QString heading = printHeading(configPath_);
    table::ui::printTable(printer, table_, heading, heading);
  });
  connect(tableFrame_, &table::ui::TableFrame::calculateRequested, this, [this](int col, bool recalculate) {
    expr::ui::CalculatorWindow::openColumn(this, table_, col, recalculate, memory_, messages_);
    noteWork(recalculate ? QStringLiteral("Recalculer") : QStringLiteral("Calculer"));
  });
  connect(tableFrame_, &table::ui::TableFrame::formulaRequested, this,
          [this](int col) { messages_.show(expr::formulaMessage(table_, col)); });
  connect(tableFrame_, &table::ui::TableFrame::hideRequested, this, [this] {
    commands_->button(Command::Table)->setChecked(false);
    onTableToggled();
  });
  connectTableWork();
}

void MainWindow::onTableToggled() {
  const bool shown = commands_->button(Command::Table)->isChecked();
  tableFrame()->setVisible(shown);
  cellOptions_->setVisible(!shown);
  showRecordButtons();
}

void MainWindow::showRecordButtons() {
  const bool shown = commands_->button(Command::Table)->isChecked();
  for (int k = 0; k < model::kBenches; ++k) recordButtons_[k]->setVisible(shown && table::canRecord(wb_, k + 1));
}

void MainWindow::recordBench(int bench) {
  table::record(table_, wb_, bench, messages_);
  noteWork(QStringLiteral("Ajouter au tableau"));
}

void MainWindow::recordShownBench() {
  // What is being typed counts, as when the pointer leaves for the button.
  if (auto* e = qobject_cast<EntryField*>(focusWidget()); e && isAncestorOf(e)) onEntryLeft(e->index());
  const int bench = tabStrip_->currentTab();
  if (bench < 1 || bench > model::kBenches || recordButtons_[bench - 1]->isHidden()) return;
  recordBench(bench);
}

BenchPicture& MainWindow::benchPicture() {
  if (!benchPicture_) benchPicture_ = std::make_unique<BenchPicture>(*this);
  return *benchPicture_;
}

void MainWindow::onCommand(Command c) {
  switch (c) {
    case Command::Open: {
      files::ui::OpenWindow w(*this, messages_, appFolder_, this);
      w.move(pos() + QPoint(20, 20));
      w.exec();
      break;
    }
    case Command::Save: {
      files::ui::SaveWindow w(*this, messages_, appFolder_, this);
      w.move(pos() + QPoint(20, 20));
      w.exec();
      break;
    }
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
      expr::ui::CalculatorWindow::openCalculator(this, memory_);
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

}  // namespace velmira::ui
