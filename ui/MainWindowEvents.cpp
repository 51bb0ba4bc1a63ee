// The handlers of the main window's controls: entries, solute list, knobs,
// calibre and mode options, montage, command buttons.
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include "expr/ColumnFormula.h"
#include "expr/ui/Machine.h"
#include "files/ui/OpenWindow.h"
#include "graph/ui/GraphWindow.h"
#include "files/ui/SaveWindow.h"
#include "model/EntryRules.h"
#include "platform/qt/Beep.h"
#include "platform/qt/Printing.h"
#include "table/Recording.h"
#include "table/ui/TableFrame.h"
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
    EntryField* e = text1_[i];
    connect(e, &EntryField::validationRequested, this, &MainWindow::Text1_LostFocus);
    // The field is the workbench's entry: what is typed is what is read.
    connect(e, &QLineEdit::textChanged, this,
            [this, i](const QString& t) { wb_.setEntryText(i, t.toStdString()); });
  }
  for (int k = 0; k < 2; ++k) {
    connect(ions1_[k], &FormulaBox::clicked, this, &MainWindow::ions1_Click);
    connect(command3_[k], &QPushButton::clicked, this, [this, k] { ions1_Click(k); });
  }
  // The focus goes back to the solute box the list came from.
  connect(picture2_, &SolutePickerWidget::chosen, this, [this](int solution) {
    ions1_[solution]->setFocus(Qt::OtherFocusReason);
    quelion();
    majcontroles();
  });
  connect(picture2_, &SolutePickerWidget::closed, this,
          [this](int solution) { ions1_[solution]->setFocus(Qt::OtherFocusReason); });
  for (KnobWidget* k : bouton1_) {
    connect(k, &KnobWidget::turned, this, [this] { majcontroles(); });
    connect(k, &KnobWidget::focusHint, this, [this] {
      info_->setHint(QStringLiteral("Utiliser les touches fléchées du clavier pour affiner le réglage"));
    });
  }
  for (int b = 0; b < 3; ++b) {
    connect(voltFrames_[b], &CalibreFrame::optionClicked, this, &MainWindow::Option4_Click);
    connect(ampFrames_[b], &CalibreFrame::optionClicked, this, &MainWindow::Option5_Click);
  }
  for (int i = 0; i < model::kConductimeterRanges; ++i)
    connect(option6_[i], &QRadioButton::clicked, this, [this, i] { Option6_Click(i); });
  connect(option2(), &QRadioButton::clicked, this, &MainWindow::Option2_Click);
  connect(option3(), &QRadioButton::clicked, this, &MainWindow::Option3_Click);
  // The benches switch from the keyboard as tabs do everywhere.
  const std::pair<QKeySequence, int> switches[] = {
      {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},      {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1}, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
      {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}};
  for (const auto& [keys, step] : switches) {
    auto* s = new QShortcut(keys, this);
    connect(s, &QShortcut::activated, this, [this, step = step] { onglets_->selectNext(step); });
  }
  for (int k = 0; k < model::kBenches; ++k)
    connect(recordButtons_[k], &QToolButton::clicked, this, [this, k] { recordBench(k + 1); });
  for (auto keys : {Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter}) {
    auto* s = new QShortcut(QKeySequence(keys), this);
    connect(s, &QShortcut::activated, this, &MainWindow::recordShownBench);
  }
  for (int i : {model::Volume1, model::Volume2})
    connect(text1_[i], &EntryField::stepRequested, this, &MainWindow::stepVolume);
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, [this] { onCommand(Command::Help); });
  for (int c = 0; c < kCommandCount; ++c) {
    const auto cmd = static_cast<Command>(c);
    connect(commands_->button(cmd), &QToolButton::clicked, this, [this, cmd] { onCommand(cmd); });
  }
}

void MainWindow::Text1_LostFocus(int i) {
  if (validating_) return;
  validating_ = true;
  wb_.setEntryText(i, text1_[i]->text().toStdString());
  model::validateEntry(wb_, i, messages_);
  if (i == model::Volume1 || i == model::Volume2) niveaubecher();
  majcontroles();
  validating_ = false;
}

void MainWindow::stepVolume(int i, int steps, bool fine) {
  wb_.setEntryText(i, text1_[i]->text().toStdString());
  if (model::stepVolume(wb_, i, steps, fine)) qtp::beep();
  niveaubecher();
  majcontroles();
}

void MainWindow::ions1_Click(int i) {
  picture2_->openFor(i, pages_[i], ions1_[i]->pos());
}

void MainWindow::Option4_Click(int i) {
  wb_.setVoltmeterCalibre(i, true);
  wb_.majvolt();
  majcontroles();
}

void MainWindow::Option5_Click(int i) {
  wb_.setAmmeterCalibre(i, true);
  wb_.majaff();
  majcontroles();
}

void MainWindow::Option6_Click(int i) {
  wb_.setConductimeterRange(i, true);
  wb_.majaff();
  majcontroles();
}

void MainWindow::Option2_Click() {
  wb_.setGeneratorMontage(true);
  syncOptions();
  montageChanged();
}

void MainWindow::Option3_Click() {
  wb_.setConductimeterMontage(true);
  syncOptions();
  montageChanged();
}

table::ui::TableFrame* MainWindow::frame10() {
  if (!frame10_) buildTableFrame();
  return frame10_;
}

void MainWindow::buildTableFrame() {
  // The table of values takes the place of the cell options while shown.
  frame10_ = new table::ui::TableFrame(table_, messages_, this);
  frame10_->move(424, 56);
  frame10_->hide();
  connect(frame10_, &table::ui::TableFrame::hint, info_, &HintLine::setHint);
  connect(frame10_, &table::ui::TableFrame::graphRequested, this, [this] {
    GraphWindow w(table_, messages_, this);
    w.exec();
  });
  connect(frame10_, &table::ui::TableFrame::calculateRequested, this, [this](int col, bool recalculate) {
    Machine::openColumn(this, table_, col, recalculate, memoire_, messages_);
  });
  connect(frame10_, &table::ui::TableFrame::formulaRequested, this,
          [this](int col) { messages_.show(expr::formulaMessage(table_, col)); });
  connect(frame10_, &table::ui::TableFrame::hideRequested, this, [this] {
    commands_->button(Command::Table)->setChecked(false);
    Check1_Click();
  });
}

void MainWindow::Check1_Click() {
  const bool shown = commands_->button(Command::Table)->isChecked();
  frame10()->setVisible(shown);
  frame1_->setVisible(!shown);
  showRecordButtons();
}

void MainWindow::showRecordButtons() {
  const bool shown = commands_->button(Command::Table)->isChecked();
  for (int k = 0; k < model::kBenches; ++k) recordButtons_[k]->setVisible(shown && table::canRecord(wb_, k + 1));
}

void MainWindow::recordBench(int bench) { table::record(table_, wb_, bench, messages_); }

void MainWindow::recordShownBench() {
  // What is being typed counts, as when the pointer leaves for the button.
  if (auto* e = qobject_cast<EntryField*>(focusWidget()); e && isAncestorOf(e)) Text1_LostFocus(e->index());
  const int bench = onglets_->ongletcourant();
  if (bench < 1 || bench > model::kBenches || recordButtons_[bench - 1]->isHidden()) return;
  recordBench(bench);
}

BenchPicture& MainWindow::pictampon() {
  if (!pictampon_) pictampon_ = std::make_unique<BenchPicture>(*this);
  return *pictampon_;
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
      if (!menucopie_) menucopie_ = new CopyMenu(*this);
      QToolButton* b = commands_->button(Command::Copy);
      menucopie_->popup(b->mapToGlobal(QPoint(0, b->height())));
      break;
    }
    case Command::Print: {
      PrintWindow w(*this, messages_, qtp::sharedPrinter(), this);
      w.exec();
      break;
    }
    case Command::Table:
      Check1_Click();
      break;
    case Command::Calculator:
      Machine::openCalculator(this, memoire_);
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
