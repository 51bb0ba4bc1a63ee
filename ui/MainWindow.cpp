#include "ui/MainWindow.h"

#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include "files/ui/ExerciseMenu.h"
#include "files/ui/TextPane.h"
#include "ui/Accessibility.h"
#include "ui/BenchPage.h"
#include "ui/BenchPicture.h"
#include "ui/CellOptionsFrame.h"
#include "ui/EntryBinding.h"
#include "ui/EntryField.h"
#include "ui/FormulaBox.h"
#include "ui/HintLine.h"
#include "ui/HintRouter.h"
#include "ui/MixturePanel.h"
#include "ui/SolutePickerWidget.h"
#include "ui/SolutionPanel.h"
#include "ui/TabStrip.h"
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
  addZoomCommands(*this, *commandButton(Command::Help), messages_);
  startUp();
  startHistory(true);
}

MainWindow::~MainWindow() {
  // The controls go first: they read the workbench and the table, which
  // are destroyed before QWidget's destructor would delete them.
  hide();
  qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

BenchPanel& MainWindow::panel(Bench bench) const {
  switch (bench) {
    case Bench::Solution1:
      return *solution1_;
    case Bench::Solution2:
      return *solution2_;
    default:
      return *mixture_;
  }
}

SolutionPanel& MainWindow::solutionPanel(Bench bench) const {
  return bench == Bench::Solution2 ? *solution2_ : *solution1_;
}

void MainWindow::buildParts() {
  commands_ = new CommandButtons(this);
  tabStrip_ = new TabStrip(this);
  tabStrip_->setObjectName(QStringLiteral("benchTabs"));
  tabStrip_->place(QPoint(8, 56), QSize(409, 489));
  cellOptions_ = new CellOptionsFrame(this);
  cellOptions_->move(424, 56);
  hintLine_ = new HintLine(this);
  hintLine_->setObjectName(QStringLiteral("hintLine"));
  hintLine_->setGeometry(520, 288, 233, 33);

  solution1_ = new SolutionPanel(Bench::Solution1, wb_, tabStrip_);
  solution2_ = new SolutionPanel(Bench::Solution2, wb_, tabStrip_);
  mixture_ = new MixturePanel(wb_, tabStrip_);
  tabStrip_->setPages(solution1_->page(), solution2_->page(), mixture_->page());
  solutePicker_ = new SolutePickerWidget(wb_, solution1_->page());
  solutePicker_->setObjectName(QStringLiteral("soluteList"));

  // The exercise text pane: its file name, its button and its text.
  textPane_ = new files::ui::TextPane(this, &messages_);
  exerciseMenu_ = new files::ui::ExerciseMenu(*textPane_, *this, messages_, appFolder_, this);
  connect(textPane_, &files::ui::TextPane::exerciseMenuRequested, exerciseMenu_, &files::ui::ExerciseMenu::popup);
  for (Bench b : kAllBenches) panel(b).buildRecordButton();
}

std::array<EntryField*, model::kEntries> MainWindow::entryFields() const {
  return {solution1_->concentrationField(),
          solution2_->concentrationField(),
          cellOptions_->distance(),
          cellOptions_->area(),
          mixture_->volumeField(model::Volume1),
          mixture_->volumeField(model::Volume2)};
}

void MainWindow::connectControls() {
  entries_ = new EntryBinding(wb_, messages_, this);
  for (EntryField* e : entryFields()) entries_->bind(e);
  connect(entries_, &EntryBinding::entryChanged, this, [this](int entry) {
    if (entry == model::Volume1 || entry == model::Volume2) mixture_->updateBeakerLevel();
    updateControls();
  });
  connect(entries_, &EntryBinding::stepMade, this, &MainWindow::noteWork);
  for (SolutionPanel* p : {solution1_, solution2_}) {
    connect(p, &SolutionPanel::soluteListRequested, this, [this](int solution) {
      SolutionPanel& panel = solutionPanel(benchOfNumber(solution + 1));
      solutePicker_->openFor(solution, panel.page(), panel.formulaBox()->pos());
    });
  }
  // The focus goes back to the solute box the list came from.
  connect(solutePicker_, &SolutePickerWidget::chosen, this, [this](int solution) {
    solutionPanel(benchOfNumber(solution + 1)).formulaBox()->setFocus(Qt::OtherFocusReason);
    updateFormulaBoxes();
    updateControls();
    noteWork(QStringLiteral("Choisir un soluté"));
  });
  connect(solutePicker_, &SolutePickerWidget::closed, this, [this](int solution) {
    solutionPanel(benchOfNumber(solution + 1)).formulaBox()->setFocus(Qt::OtherFocusReason);
  });
  for (Bench b : kAllBenches) {
    BenchPanel* p = &panel(b);
    connect(p, &BenchPanel::readingsChanged, this, &MainWindow::updateControls);
    connect(p, &BenchPanel::stepMade, this, &MainWindow::noteWork);
    connect(p, &BenchPanel::recordRequested, this, &MainWindow::recordBench);
    connect(p, &BenchPanel::hint, hintLine_, &HintLine::setHint);
  }
  auto montage = [this](bool conductimeter) {
    if (conductimeter)
      wb_.setConductimeterMontage(true);
    else
      wb_.setGeneratorMontage(true);
    montageChanged();
    noteWork(QStringLiteral("Changer de montage"));
  };
  connect(cellOptions_->generatorMontageButton(), &QRadioButton::clicked, this, [montage] { montage(false); });
  connect(cellOptions_->conductimeterMontageButton(), &QRadioButton::clicked, this, [montage] { montage(true); });
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
  hints_->setHint(tabStrip_, QStringLiteral("Cliquer sur un onglet pour l'afficher"));
  for (Bench b : kAllBenches)
    for (const auto& [w, text] : panel(b).hints()) hints_->setHint(w, text);
  hints_->setHint(solutePicker_, QStringLiteral("Choisir les ions en solution dans la liste"));
  hints_->setHint(cellOptions_, QStringLiteral("Vous pouvez modifier les paramètres de la cellule."));
  hints_->setHint(cellOptions_->cellPicture(), QStringLiteral("Schéma de la cellule de conductivité"));
  hints_->setHint(textPane_->exerciseButton(), files::ui::TextPane::btexoHint());
  for (int c = 0; c < kCommandCount; ++c) {
    const auto cmd = static_cast<Command>(c);
    hints_->setHint(commands_->button(cmd), QString::fromUtf8(commandInfo(cmd).hint));
  }
  // The copy button leaves the message of a completed copy in place.
  hints_->keepOver(commands_->button(Command::Copy), clipboardHint_);
}

BenchPicture& MainWindow::benchPicture() {
  if (!benchPicture_) benchPicture_ = std::make_unique<BenchPicture>(*this);
  return *benchPicture_;
}

}  // namespace velmira::ui
