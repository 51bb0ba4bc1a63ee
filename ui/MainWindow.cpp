#include "ui/MainWindow.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "files/ui/ExerciseMenu.h"
#include "files/ui/TextPane.h"
#include "platform/qt/Fonts.h"
#include "table/ui/TableFrame.h"
#include "ui/Accessibility.h"
#include "ui/BenchPage.h"
#include "ui/BenchPicture.h"
#include "ui/CalibreFrame.h"
#include "ui/CellOptionsFrame.h"
#include "ui/DisplayLabel.h"
#include "ui/EntryField.h"
#include "ui/FormulaBox.h"
#include "ui/HintLine.h"
#include "ui/KnobWidget.h"
#include "ui/SolutePickerWidget.h"
#include "ui/TabStrip.h"
#include "ui/ZoomCommands.h"
#include "ui/drawing/SolutionPanels.h"
#include "widgets/ButtonIcons.h"
#include "widgets/Colours.h"
#include "widgets/RadioMark.h"
#include "widgets/SelectorGroup.h"

namespace velmira::ui {

MainWindow::MainWindow(MessageService& messages, QString appFolder, QString flagFolder, QWidget* parent)
    : QWidget(parent),
      messages_(messages),
      appFolder_(std::move(appFolder)),
      flagFolder_(flagFolder.isEmpty() ? appFolder_ : std::move(flagFolder)) {
  setObjectName(QStringLiteral("feuilleP"));
  setWindowTitle(QStringLiteral("Velmira"));
  setMouseTracking(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, widgets::kWindowBackground);
  setPalette(pal);
  resize(kWindowWidth, kWindowHeight);
  buildLayout();
  buildBenchControls();
  buildPlaceholders();
  buildTable();
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

QRadioButton* MainWindow::voltmeterCalibreButton(int i) const { return voltFrames_[i / 4]->button(i % 4); }
DisplayLabel* MainWindow::meterDisplay(model::Meter meter, int bench) const {
  for (std::size_t slot = 0; slot < model::kMeterSlots.size(); ++slot)
    if (model::kMeterSlots[slot].meter == meter && model::kMeterSlots[slot].bench == bench) return meterDisplays_[slot];
  return nullptr;
}
QRadioButton* MainWindow::ammeterCalibreButton(int i) const { return ampFrames_[i / 4]->button(i % 4); }
QRadioButton* MainWindow::generatorMontageButton() const { return cellOptions_->generatorMontageButton(); }
QRadioButton* MainWindow::conductimeterMontageButton() const { return cellOptions_->conductimeterMontageButton(); }

void MainWindow::buildLayout() {
  commands_ = new CommandButtons(this);

  tabStrip_ = new TabStrip(this);
  tabStrip_->setObjectName(QStringLiteral("Onglets"));
  tabStrip_->place(QPoint(8, 56), QSize(409, 489));
  static const char* const pageNames[3] = {"Picture3", "Picture1", "Frame2"};
  for (int b = 1; b <= 3; ++b) {
    auto* p = new BenchPage(b, tabStrip_);
    p->setObjectName(QString::fromUtf8(pageNames[b - 1]));
    p->hide();
    pages_[b - 1] = p;
  }
  tabStrip_->setPages(pages_[0], pages_[1], pages_[2]);

  cellOptions_ = new CellOptionsFrame(this);
  cellOptions_->move(424, 56);
  entryFields_[2] = cellOptions_->distance();
  entryFields_[3] = cellOptions_->area();

  hintLine_ = new HintLine(this);
  hintLine_->setObjectName(QStringLiteral("info"));
  hintLine_->setGeometry(520, 288, 233, 33);
}

void MainWindow::buildBenchControls() {
  const QFont entryFont = qtp::mapFont(QStringLiteral("Arial"), 9.75);
  // Upper part of the solution pages.
  for (int k = 0; k < 2; ++k) {
    BenchPage* page = pages_[k];
    formulaBoxes_[k] = new FormulaBox(k, page);
    soluteListButtons_[k] = new QPushButton(qtp::symbolDownArrow(), page);
    soluteListButtons_[k]->setFont(qtp::mapFont(QStringLiteral("Symbol"), 10));
    soluteListButtons_[k]->setGeometry(QRect(QPoint(0, 0), kListButtonSize));
    soluteListButtons_[k]->setFocusPolicy(Qt::NoFocus);
    entryFields_[k] = new EntryField(k, page);
    entryFields_[k]->setFont(entryFont);
    entryFields_[k]->resize(73, 21);
  }
  for (int i = 4; i <= 5; ++i) {
    entryFields_[i] = new EntryField(i, pages_[2]);
    entryFields_[i]->setFont(entryFont);
    entryFields_[i]->resize(57, 21);
  }
  solutePicker_ = new SolutePickerWidget(wb_, pages_[0]);
  solutePicker_->setObjectName(QStringLiteral("Picture2"));

  // Live controls of the benches: element of bench b as in the arrays.
  for (int b = 1; b <= 3; ++b) {
    BenchPage* page = pages_[b - 1];
    meterDisplays_[b - 1] = new DisplayLabel(DisplayLabel::Kind::Meter, page);
    meterDisplays_[2 * b + 1] = new DisplayLabel(DisplayLabel::Kind::Meter, page);
    meterDisplays_[2 * b + 2] = new DisplayLabel(DisplayLabel::Kind::Meter, page);
    generatorScreens_[b - 1] = new DisplayLabel(DisplayLabel::Kind::GeneratorScreen, page);
    for (int i = 2 * b - 2; i <= 2 * b - 1; ++i) knobs_[i] = new KnobWidget(i, wb_, page);
    for (int i = 6 * b - 6; i <= 6 * b - 1; ++i) {
      auto* o = new widgets::RadioMark(QString(), QPointF(5.5, 9), page);
      o->setAutoExclusive(false);  // the workbench decides which one is selected
      o->setAutoFillBackground(true);
      o->setMouseTracking(true);
      o->setFocusPolicy(Qt::StrongFocus);
      o->resize(17, 17);
      rangeButtons_[i] = o;
    }
    new widgets::SelectorGroup({rangeButtons_.begin() + 6 * b - 6, rangeButtons_.begin() + 6 * b}, page);
    voltFrames_[b - 1] = new CalibreFrame(CalibreFrame::Meter::Voltmeter, 4 * (b - 1), page);
    ampFrames_[b - 1] = new CalibreFrame(CalibreFrame::Meter::Ammeter, 4 * (b - 1), page);
  }
  static const char* const voltNames[3] = {"Frame3", "Frame5", "Frame6"};
  static const char* const ampNames[3] = {"Frame4", "Frame7", "Frame8"};
  for (int b = 0; b < 3; ++b) {
    voltFrames_[b]->setObjectName(QString::fromUtf8(voltNames[b]));
    ampFrames_[b]->setObjectName(QString::fromUtf8(ampNames[b]));
  }

  // The precipitate overlay of the mixture page.
  precipitateFrame_ = new QFrame(pages_[2]);
  precipitateFrame_->setObjectName(QStringLiteral("Frame9"));
  precipitateFrame_->setAutoFillBackground(true);
  QPalette pal = precipitateFrame_->palette();
  pal.setColor(QPalette::Window, widgets::kPageBackground);
  pal.setColor(QPalette::WindowText, Qt::black);
  precipitateFrame_->setPalette(pal);
  precipitateLabel_ = new QLabel(
      QString::fromUtf8(model::kPrecipitateNotice.data(), static_cast<int>(model::kPrecipitateNotice.size())),
      precipitateFrame_);
  precipitateLabel_->setObjectName(QStringLiteral("Label9"));
  precipitateLabel_->setTextFormat(Qt::PlainText);
  precipitateLabel_->setWordWrap(true);
  precipitateLabel_->setAlignment(Qt::AlignCenter);
  precipitateLabel_->setFont(qtp::mapFont(QStringLiteral("Arial"), 9.75, true));
  precipitateFrame_->hide();

  // Paint handlers of the three pages.
  for (int k = 0; k < 2; ++k) {
    pages_[k]->setPaintHandler([this, k](qtp::Surface& s) {
      const SolutionPagePlaces places = paintSolutionPage(s, k + 1, formulaBoxes_[k]->size(), entryFields_[k]->size());
      formulaBoxes_[k]->move(places.formulaBox);
      soluteListButtons_[k]->move(places.soluteListButton);
      entryFields_[k]->move(places.entryField);
    });
  }
  pages_[2]->setPaintHandler([this](qtp::Surface& s) {
    paintedSolute1_ = wb_.soluteOf(1);
    paintedSolute2_ = wb_.soluteOf(2);
    paintedMixturePossible_ = wb_.mixturePossible();
    const MixturePagePlaces places = paintMixturePage(s, paintedMixturePossible_, paintedSolute1_, paintedSolute2_,
                                                      entryFields_[4]->size(), entryFields_[5]->size());
    entryFields_[4]->move(places.text4);
    entryFields_[5]->move(places.text5);
    entryFields_[4]->setVisible(places.entriesVisible);
    entryFields_[5]->setVisible(places.entriesVisible);
  });
}

void MainWindow::buildPlaceholders() {
  // The exercise text pane: its file name, its button and its text.
  textPane_ = new files::ui::TextPane(this, &messages_);
  exerciseMenu_ = new files::ui::ExerciseMenu(*textPane_, *this, messages_, appFolder_, this);
  connect(textPane_, &files::ui::TextPane::exerciseMenuRequested, exerciseMenu_, &files::ui::ExerciseMenu::popup);
}

void MainWindow::buildTable() {
  static const char* const names[model::kBenches] = {"Command5", "Command6", "recordMixture"};
  for (int k = 0; k < model::kBenches; ++k) {
    auto* b = new QToolButton(pages_[k]);
    b->setObjectName(QString::fromUtf8(names[k]));
    b->setText(QStringLiteral("A&jouter au tableau"));
    b->setToolTip(QStringLiteral("Ajouter la mesure dans le tableau de valeurs"));
    b->setIcon(widgets::commandIcon(widgets::CommandPicture::Record));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setFont(qtp::mapFont(QStringLiteral("Arial"), 8.25));
    b->setGeometry(262, 6, 132, 28);
    b->setFocusPolicy(Qt::StrongFocus);
    b->hide();
    recordButtons_[k] = b;
  }
}

}  // namespace velmira::ui
