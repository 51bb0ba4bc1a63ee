// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MainWindow.h"

#include <QCoreApplication>
#include <QShortcut>

#include "files/ui/ExerciseMenu.h"
#include "files/ui/TextPane.h"
#include "table/Recording.h"
#include "ui/Accessibility.h"
#include "ui/BenchPicture.h"
#include "ui/Benches.h"
#include "ui/HintLine.h"
#include "ui/HintRouter.h"
#include "ui/PrintWindow.h"
#include "ui/ResultsBox.h"
#include "ui/TableTools.h"
#include "ui/WorkKeeper.h"
#include "ui/ZoomCommands.h"
#include "widgets/Colours.h"

namespace velmira::ui {

MainWindow::MainWindow(MessageService& messages, QString appFolder, QString flagFolder, QWidget* parent)
    : QWidget(parent),
      messages_(messages),
      appFolder_(std::move(appFolder)),
      flagFolder_(flagFolder.isEmpty() ? appFolder_ : std::move(flagFolder)) {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(QStringLiteral("Velmira"));
  setMouseTracking(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, widgets::kWindowBackground);
  setPalette(pal);
  resize(kWindowWidth, kWindowHeight);
  designSize_ = new DesignSize(*this);
  work_ = new WorkKeeper(wb_, table_, messages_, this);
  buildParts();
  connectControls();
  connectWork();
  registerHints();
  nameControls(*this);
  addZoomCommands(*this, *commands_->button(Command::Help), messages_,
                  [this] { return restartProgram && restartProgram(); });
  startUp();
  startHistory(true);
}

MainWindow::~MainWindow() {
  // The controls go first: they read the workbench and the table, which
  // are destroyed before QWidget's destructor would delete them.
  hide();
  qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void MainWindow::buildParts() {
  commands_ = new CommandButtons(this);
  benches_ = new Benches(wb_, messages_, *this, [this] { return commands_->button(Command::Table)->isChecked(); });
  hintLine_ = new HintLine(this);
  hintLine_->setObjectName(QStringLiteral("hintLine"));
  hintLine_->setGeometry(QRect(kHintPlace, QSize(233, 33)));
  // The exercise text pane: its file name, its button and its text.
  textPane_ = new files::ui::TextPane(this, &messages_);
  resultsBox_ = new ResultsBox(messages_, this);
  exerciseMenu_ = new files::ui::ExerciseMenu(*textPane_, *this, messages_, appFolder_, this);
  connect(textPane_, &files::ui::TextPane::exerciseMenuRequested, exerciseMenu_, &files::ui::ExerciseMenu::popup);
  benches_->buildRecordButtons();
  tableTools_ = new TableTools(table_, messages_, *this, [this] { return printHeading(work_->path(), pupilName()); });
  tableTools_->keepGraphIn([this] { return graphSettings(); },
                           [this](const graph::GraphSettings& s) {
                             work_->keepGraphSettings(
                                 s, QString::fromUtf8(QT_TRANSLATE_NOOP("velmira::steps", "Représentation graphique")));
                           });
}

void MainWindow::connectControls() {
  connect(benches_, &Benches::montageChosen, this,
          [this] { table::followMontage(table_, wb_.conductimeterMontage()); });
  connect(benches_, &Benches::stepMade, this, &MainWindow::noteWork);
  connect(tableTools_, &TableTools::stepMade, this, &MainWindow::noteWork);
  connect(benches_, &Benches::recordRequested, this, &MainWindow::recordBench);
  connect(benches_, &Benches::hint, hintLine_, &HintLine::setHint);
  for (auto keys : {Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter}) {
    auto* s = new QShortcut(QKeySequence(keys), this);
    connect(s, &QShortcut::activated, this, &MainWindow::recordShownBench);
  }
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, [this] { onCommand(Command::Help); });
  for (int c = 0; c < kCommandCount; ++c) {
    const auto cmd = static_cast<Command>(c);
    connect(commands_->button(cmd), &QToolButton::clicked, this, [this, cmd] { onCommand(cmd); });
  }
}

void MainWindow::registerHints() {
  hints_ = new HintRouter(*this, *hintLine_);
  hints_->watchAll();
  hints_->setHint(this, backgroundHint());
  benches_->registerHints(*hints_);
  hints_->setHint(textPane_->exerciseButton(), files::ui::TextPane::btexoHint());
  for (int c = 0; c < kCommandCount; ++c) {
    const auto cmd = static_cast<Command>(c);
    hints_->setHint(commands_->button(cmd), QCoreApplication::translate("velmira::ui", commandInfo(cmd).hint));
  }
  // The copy button leaves the message of a completed copy in place.
  hints_->keepOver(commands_->button(Command::Copy), clipboardHint_);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layoutRoom();
}

BenchPicture& MainWindow::benchPicture() {
  if (!benchPicture_) benchPicture_ = std::make_unique<BenchPicture>(*this);
  return *benchPicture_;
}

}  // namespace velmira::ui
