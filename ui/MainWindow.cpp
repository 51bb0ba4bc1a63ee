#include "ui/MainWindow.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "platform/qt/Fonts.h"
#include "files/ui/ExerciseMenu.h"
#include "files/ui/TextPane.h"
#include "table/ui/TableFrame.h"
#include "ui/BenchPage.h"
#include "ui/BenchPicture.h"
#include "ui/ButtonIcons.h"
#include "ui/CalibreFrame.h"
#include "ui/CellOptionsFrame.h"
#include "ui/Colours.h"
#include "ui/DisplayLabel.h"
#include "ui/EntryField.h"
#include "ui/FormulaBox.h"
#include "ui/HintLine.h"
#include "ui/KnobWidget.h"
#include "ui/RadioMark.h"
#include "ui/SolutePickerWidget.h"
#include "ui/TabStrip.h"
#include "ui/drawing/SolutionPanels.h"

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
  pal.setColor(QPalette::Window, kWindowBackground);
  setPalette(pal);
  resize(kWindowWidth, kWindowHeight);
  buildLayout();
  buildBenchControls();
  buildPlaceholders();
  buildTable();
  connectControls();
  registerHints();
  Form_Load();
}

MainWindow::~MainWindow() {
  // The controls go first: they read the workbench and the table, which
  // are destroyed before QWidget's destructor would delete them.
  hide();
  qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

QRadioButton* MainWindow::option4(int i) const { return voltFrames_[i / 4]->button(i % 4); }
QRadioButton* MainWindow::option5(int i) const { return ampFrames_[i / 4]->button(i % 4); }
QRadioButton* MainWindow::option2() const { return frame1_->option2(); }
QRadioButton* MainWindow::option3() const { return frame1_->option3(); }

void MainWindow::buildLayout() {
  commands_ = new CommandButtons(this);

  onglets_ = new TabStrip(this);
  onglets_->setObjectName(QStringLiteral("Onglets"));
  onglets_->place(QPoint(8, 56), QSize(409, 489));
  static const char* const pageNames[3] = {"Picture3", "Picture1", "Frame2"};
  for (int b = 1; b <= 3; ++b) {
    auto* p = new BenchPage(b, onglets_);
    p->setObjectName(QString::fromUtf8(pageNames[b - 1]));
    p->hide();
    pages_[b - 1] = p;
  }
  onglets_->setPages(pages_[0], pages_[1], pages_[2]);

  frame1_ = new CellOptionsFrame(this);
  frame1_->move(424, 56);
  text1_[2] = frame1_->distance();
  text1_[3] = frame1_->area();

  info_ = new HintLine(this);
  info_->setObjectName(QStringLiteral("info"));
  info_->setGeometry(520, 288, 233, 33);
}

void MainWindow::buildBenchControls() {
  const QFont entryFont = qtp::mapFont(QStringLiteral("Arial"), 9.75);
  // Upper part of the solution pages.
  for (int k = 0; k < 2; ++k) {
    BenchPage* page = pages_[k];
    ions1_[k] = new FormulaBox(k, page);
    command3_[k] = new QPushButton(qtp::symbolDownArrow(), page);
    command3_[k]->setFont(qtp::mapFont(QStringLiteral("Symbol"), 10));
    command3_[k]->setGeometry(QRect(QPoint(0, 0), kListButtonSize));
    command3_[k]->setFocusPolicy(Qt::NoFocus);
    text1_[k] = new EntryField(k, page);
    text1_[k]->setFont(entryFont);
    text1_[k]->resize(73, 21);
  }
  for (int i = 4; i <= 5; ++i) {
    text1_[i] = new EntryField(i, pages_[2]);
    text1_[i]->setFont(entryFont);
    text1_[i]->resize(57, 21);
  }
  picture2_ = new SolutePickerWidget(wb_, pages_[0]);
  picture2_->setObjectName(QStringLiteral("Picture2"));

  // Live controls of the benches: element of bench b as in the arrays.
  for (int b = 1; b <= 3; ++b) {
    BenchPage* page = pages_[b - 1];
    afficheur_[b - 1] = new DisplayLabel(DisplayLabel::Kind::Meter, page);
    afficheur_[2 * b + 1] = new DisplayLabel(DisplayLabel::Kind::Meter, page);
    afficheur_[2 * b + 2] = new DisplayLabel(DisplayLabel::Kind::Meter, page);
    ecrangbf_[b - 1] = new DisplayLabel(DisplayLabel::Kind::GeneratorScreen, page);
    for (int i = 2 * b - 2; i <= 2 * b - 1; ++i) bouton1_[i] = new KnobWidget(i, wb_, page);
    for (int i = 6 * b - 6; i <= 6 * b - 1; ++i) {
      auto* o = new RadioMark(QString(), QPointF(5.5, 9), page);
      o->setAutoExclusive(false);  // the workbench decides which one is selected
      o->setAutoFillBackground(true);
      o->setMouseTracking(true);
      o->setFocusPolicy(Qt::StrongFocus);
      o->resize(17, 17);
      option6_[i] = o;
    }
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
  frame9_ = new QFrame(pages_[2]);
  frame9_->setObjectName(QStringLiteral("Frame9"));
  frame9_->setAutoFillBackground(true);
  QPalette pal = frame9_->palette();
  pal.setColor(QPalette::Window, kPageBackground);
  pal.setColor(QPalette::WindowText, Qt::black);
  frame9_->setPalette(pal);
  label9_ = new QLabel(QString::fromUtf8(model::kPrecipitateNotice.data(),
                                         static_cast<int>(model::kPrecipitateNotice.size())),
                       frame9_);
  label9_->setObjectName(QStringLiteral("Label9"));
  label9_->setTextFormat(Qt::PlainText);
  label9_->setWordWrap(true);
  label9_->setAlignment(Qt::AlignCenter);
  label9_->setFont(qtp::mapFont(QStringLiteral("Arial"), 9.75, true));
  frame9_->hide();

  // Paint handlers of the three pages.
  for (int k = 0; k < 2; ++k) {
    pages_[k]->setPaintHandler([this, k](qtp::Surface& s) {
      const SolutionPagePlaces places = paintSolutionPage(s, k + 1, ions1_[k]->size(), text1_[k]->size());
      ions1_[k]->move(places.ions1);
      command3_[k]->move(places.command3);
      text1_[k]->move(places.text1);
    });
  }
  pages_[2]->setPaintHandler([this](qtp::Surface& s) {
    paintedSolute1_ = wb_.soluteOf(1);
    paintedSolute2_ = wb_.soluteOf(2);
    paintedMelange_ = wb_.melangepossible();
    const MixturePagePlaces places = paintMixturePage(s, paintedMelange_, paintedSolute1_, paintedSolute2_,
                                                      text1_[4]->size(), text1_[5]->size());
    text1_[4]->move(places.text4);
    text1_[5]->move(places.text5);
    text1_[4]->setVisible(places.entriesVisible);
    text1_[5]->setVisible(places.entriesVisible);
  });
}

void MainWindow::buildPlaceholders() {
  // The exercise text pane: its file name, its button and its text.
  textPane_ = new files::ui::TextPane(this, &messages_);
  exerciseMenu_ = new files::ui::ExerciseMenu(*textPane_, *this, messages_, appFolder_, this);
  connect(textPane_, &files::ui::TextPane::exerciseMenuRequested, exerciseMenu_, &files::ui::ExerciseMenu::popup);
}

void MainWindow::buildTable() {
  for (int k = 0; k < 2; ++k) {
    auto* b = new QToolButton(pages_[k]);
    b->setObjectName(k == 0 ? QStringLiteral("Command5") : QStringLiteral("Command6"));
    b->setText(QStringLiteral("Ajouter au tableau"));
    b->setToolTip(QStringLiteral("Ajouter la mesure dans le tableau de valeurs"));
    b->setIcon(commandIcon(CommandPicture::Record));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setFont(qtp::mapFont(QStringLiteral("Arial"), 8.25));
    b->setGeometry(262, 6, 132, 28);
    b->setFocusPolicy(Qt::StrongFocus);
    b->hide();
    recordButtons_[k] = b;
  }
}

}  // namespace velmira::ui
