// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/ui/GraphWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QRubberBand>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QWindow>
#include <algorithm>
#include <cstdlib>

#include "graph/LineFit.h"
#include "graph/ui/GraphFigure.h"
#include "graph/ui/LineReadingDialog.h"
#include "platform/core/Messages.h"
#include "platform/qt/Clipboard.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Printing.h"
#include "platform/qt/Translations.h"
#include "table/Table.h"
#include "table/TableText.h"
#include "widgets/Announcer.h"
#include "widgets/ButtonIcons.h"
#include "widgets/Colours.h"
#include "widgets/SelectorGroup.h"
#include "widgets/SurfaceWidget.h"
#include "widgets/TitleStrip.h"

namespace velmira::graph::ui {

namespace {

// The left panel and its decoration. The model's controls and its range take
// room under the options, so the scales and the pointer sections sit lower
// than the scales' separator would otherwise put them.
constexpr int kPanelWidth = 208;
constexpr int kSeparatorLeft = 10, kSeparatorRight = 198;
constexpr int kSeparators[] = {160, 324};
struct Heading {
  const char* text;
  int top;
};
constexpr Heading kHeadings[] = {{QT_TRANSLATE_NOOP("velmira::graph::ui::GraphWindow", "Grandeurs :"), 52},
                                 {QT_TRANSLATE_NOOP("velmira::graph::ui::GraphWindow", "Options :"), 172},
                                 {QT_TRANSLATE_NOOP("velmira::graph::ui::GraphWindow", "Échelles :"), 329}};
// The pointer's section follows the equation, which a two-line model makes taller.
const char* const kPointerHeading = QT_TRANSLATE_NOOP("velmira::graph::ui::GraphWindow", "Position du pointeur :");
constexpr QRect kEquationPlace(10, 407, kPanelWidth - 14, 65);
constexpr int kPointerHeadingBelow = 6, kPointerLinesBelow = 30, kPointerLineHeight = 16;
constexpr int kTitleHeight = 42;
constexpr QSize kDesignSize(800, 600);
// A drag shorter than this across the plot is a click.
constexpr int kMinDrag = 4;

// The combo boxes and their captions.
constexpr QRect kCombo1(90, 86, 108, 22);
constexpr QRect kCombo2(90, 120, 108, 22);
const char* const kAbscissaCaption = QT_TRANSLATE_NOOP("velmira::graph::ui::GraphWindow", "Abscisse\u00A0:  ");
const char* const kOrdinateCaption = QT_TRANSLATE_NOOP("velmira::graph::ui::GraphWindow", "Ordonnée\u00A0:  ");

QFont headingFont() { return qtp::mapFont(QStringLiteral("Arial"), 12, true); }
QFont panelFont() { return qtp::mapFont(QStringLiteral("Arial"), 8); }
// The scale text's longest line fits the panel's width at this size.
QFont scaleFont() { return qtp::mapFont(QStringLiteral("Arial"), 7.5); }

}  // namespace

GraphWindow::GraphWindow(const table::Table& table, MessageService& messages, QWidget* mainWindow)
    : QDialog(mainWindow), table_(table), messages_(messages) {
  setObjectName(QStringLiteral("graphWindow"));
  setModal(true);
  setMouseTracking(true);
  setWindowTitle(tr("Représentation graphique — Velmira"));  // named by its job
  QSize size = kDesignSize;
  if (mainWindow) size = mainWindow->size();
  // Never smaller than the panel beside the 500 × 500 plot and its texts.
  const QMarginsF m = figureMargins(panelFont());
  size = size.expandedTo(QSize(kPanelWidth + static_cast<int>(m.left() + m.right()) + graph::kPlotSize,
                               kTitleHeight + static_cast<int>(m.top() + m.bottom()) + graph::kPlotSize));
  setFixedSize(size);
  if (mainWindow) move(mainWindow->pos());
  buildControls();

  // Loading: C1..C5, entries 0 and 1, drawn.
  for (QComboBox* c : {abscissaList_, ordinateList_})
    for (int i = 1; i <= table::kCols; ++i) c->addItem(QStringLiteral("C%1").arg(i));
  abscissaList_->setCurrentIndex(0);
  ordinateList_->setCurrentIndex(1);
  redrawPlot();
}

GraphWindow::~GraphWindow() = default;

void GraphWindow::buildControls() {
  const QFont font = panelFont();
  const int w = width(), h = height();

  titleStrip_ = new widgets::SurfaceWidget(this);
  titleStrip_->setObjectName(QStringLiteral("titleStrip"));
  titleStrip_->place(QRect(0, 0, w, kTitleHeight));
  titleStrip_->setMouseTracking(true);
  titleStrip_->installEventFilter(this);
  widgets::drawTitleStrip(titleStrip_->surface(), tr("Représentation graphique"));

  plotArea_ = new widgets::SurfaceWidget(this);
  plotArea_->setObjectName(QStringLiteral("plot"));
  plotArea_->setMouseTracking(true);
  plotArea_->setFocusPolicy(Qt::TabFocus);
  plotArea_->setAccessibleName(tr("Graphe"));
  // The plot and the texts around it centred in the room right of the panel.
  const QMarginsF m = figureMargins(font);
  const int figureWidth = static_cast<int>(m.left() + m.right()) + graph::kPlotSize;
  const int figureHeight = static_cast<int>(m.top() + m.bottom()) + graph::kPlotSize;
  const int left = kPanelWidth + std::max(0, (w - kPanelWidth - figureWidth) / 2) + static_cast<int>(m.left());
  const int top = kTitleHeight + std::max(0, (h - kTitleHeight - figureHeight) / 2) + static_cast<int>(m.top());
  plotArea_->place(QRect(left, top, graph::kPlotSize, graph::kPlotSize));
  plotArea_->installEventFilter(this);

  abscissaList_ = new QComboBox(this);
  abscissaList_->setObjectName(QStringLiteral("abscissaList"));
  abscissaList_->setAccessibleName(tr("Abscisse"));
  abscissaList_->setGeometry(kCombo1);
  ordinateList_ = new QComboBox(this);
  ordinateList_->setObjectName(QStringLiteral("ordinateList"));
  ordinateList_->setAccessibleName(tr("Ordonnée"));
  ordinateList_->setGeometry(kCombo2);
  // Each list's caption left of it, its label for a screen reader.
  const QFontMetrics fm(font);
  for (auto [text, c] : {std::pair{kAbscissaCaption, abscissaList_}, std::pair{kOrdinateCaption, ordinateList_}}) {
    c->setFont(font);
    connect(c, &QComboBox::activated, this, [this] { redrawPlot(); });
    auto* caption = new QLabel(tr(text), this);
    caption->setFont(font);
    QPalette black = caption->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    caption->setPalette(black);
    const int width = fm.horizontalAdvance(caption->text());
    caption->setGeometry(c->x() - width, c->y(), width, c->height());
    caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    caption->setBuddy(c);
    caption->setAccessibleName(caption->text().trimmed());  // without the blanks before the list
  }

  auto box = [&](const char* name, const char* text, int y) {
    auto* b = new QCheckBox(tr(text), this);
    b->setObjectName(QString::fromUtf8(name));
    b->setFont(font);
    b->setGeometry(12, y, kPanelWidth - 16, 18);
    connect(b, &QCheckBox::clicked, this, [this] { redrawPlot(); });
    return b;
  };
  joinPoints_ = box("joinPoints", QT_TR_NOOP("Lier les points"), 194);
  showGrid_ = box("showGrid", QT_TR_NOOP("Afficher la grille"), 212);
  crossPoints_ = box("crossPoints", QT_TR_NOOP("Représenter un point par une croix"), 230);
  for (QCheckBox* b : {joinPoints_, showGrid_, crossPoints_}) b->setChecked(true);
  fitBox_ = box("modele", QT_TR_NOOP("Modéliser"), 248);
  auto option = [&](const char* name, const char* text, int x, int y, int width) {
    auto* o = new QRadioButton(tr(text), this);
    o->setObjectName(QString::fromUtf8(name));
    o->setFont(font);
    o->setGeometry(x, y, width, 18);
    connect(o, &QRadioButton::clicked, this, [this] { redrawPlot(); });
    return o;
  };
  throughOrigin_ = option("origine", QT_TR_NOOP("passant par l'origine"), 28, 266, 122);
  affine_ = option("affine", QT_TR_NOOP("affine"), 150, 266, 54);
  twoLines_ = option("deuxdroites", QT_TR_NOOP("deux droites"), 28, 284, 88);
  throughOrigin_->setChecked(true);
  new widgets::SelectorGroup({throughOrigin_, affine_, twoLines_}, this);
  // A model chosen: the points are joined by its line, not by a curve.
  connect(fitBox_, &QCheckBox::clicked, this, [this](bool on) {
    if (on) joinPoints_->setChecked(false);
    redrawPlot();
  });

  readButton_ = new QToolButton(this);
  readButton_->setObjectName(QStringLiteral("lire"));
  readButton_->setText(tr("Lire sur la droite"));
  readButton_->setFont(font);
  readButton_->setGeometry(116, 283, kPanelWidth - 120, 20);
  connect(readButton_, &QToolButton::clicked, this, [this] { openReading(); });

  // The range of lines the model uses: "de … à …".
  auto caption = [&](const char* text, int x, int width) {
    auto* l = new QLabel(tr(text), this);
    l->setFont(font);
    l->setGeometry(x, 302, width, 18);
    return l;
  };
  auto lineField = [&](const char* name, int x, QLabel* buddy, const char* accessible) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QString::fromUtf8(name));
    e->setFont(font);
    e->setGeometry(x, 302, 36, 18);
    e->setValidator(new QIntValidator(1, table::kMaxRows - 1, e));
    e->setAccessibleName(tr(accessible));
    buddy->setBuddy(e);
    connect(e, &QLineEdit::textChanged, this, [this] { redrawPlot(); });
    return e;
  };
  rangeFirst_ = lineField("de", 82, caption(QT_TR_NOOP("Lignes : de"), 12, 68), QT_TR_NOOP("Lignes du modèle : de"));
  rangeLast_ = lineField("a", 136, caption(QT_TR_NOOP("à"), 122, 12), QT_TR_NOOP("Lignes du modèle : à"));
  dragBand_ = new QRubberBand(QRubberBand::Rectangle, plotArea_);

  scaleLabel_ = new QLabel(this);
  scaleLabel_->setObjectName(QStringLiteral("scaleLabel"));
  scaleLabel_->setFont(scaleFont());
  scaleLabel_->setGeometry(10, 349, kPanelWidth - 14, 58);
  scaleLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  announcer_ = new widgets::Announcer(this);
  equation_ = new QLabel(this);
  equation_->setObjectName(QStringLiteral("equation"));
  equation_->setFont(scaleFont());
  equation_->setGeometry(kEquationPlace);
  equation_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  equation_->setWordWrap(true);
  QPalette green = equation_->palette();
  green.setColor(QPalette::WindowText, widgets::kLineText);
  equation_->setPalette(green);

  for (int i = 0; i < 2; ++i) {
    pointerLabel_[i] = new QLabel(this);
    pointerLabel_[i]->setObjectName(QStringLiteral("pointerLabel%1").arg(i));
    pointerLabel_[i]->setFont(font);
  }

  auto button = [&](const char* name, widgets::CommandPicture picture, const char* tip, int x) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString::fromUtf8(name));
    b->setIcon(widgets::commandIcon(picture));
    b->setIconSize(QSize(widgets::kCommandPictureSize, widgets::kCommandPictureSize));
    b->setToolTip(tr(tip));
    b->setAccessibleName(tr(tip));
    b->setGeometry(x, h - 48, 40, 36);
    return b;
  };
  printButton_ = button("imprimer", widgets::CommandPicture::Print, QT_TR_NOOP("Imprimer le graphe"), 34);
  copyButton_ = button("copier", widgets::CommandPicture::Copy, QT_TR_NOOP("Copier"), 84);
  closeButton_ = button("fermer", widgets::CommandPicture::Close, QT_TR_NOOP("Fermer"), 134);
  connect(printButton_, &QToolButton::clicked, this, [this] { printClicked(); });
  connect(copyButton_, &QToolButton::clicked, this, [this] { copyClicked(); });
  connect(closeButton_, &QToolButton::clicked, this, [this] { close(); });
  setTabOrder(closeButton_, plotArea_);  // the plot's words after every control
  abscissaList_->setFocus();
  placePointerSection();
}

void GraphWindow::fillLists() {
  for (QComboBox* c : {abscissaList_, ordinateList_}) {
    const int chosen = std::max(0, c->currentIndex());
    c->clear();
    for (int col = 0; col < table::kCols; ++col) c->addItem(QString::fromStdString(table_.cell(0, col)));
    c->setCurrentIndex(chosen);
  }
  redrawPlot();
}

std::optional<graph::RowRange> GraphWindow::range() const {
  const QString first = rangeFirst_->text().trimmed(), last = rangeLast_->text().trimmed();
  if (first.isEmpty() && last.isEmpty()) return std::nullopt;
  const QString text = (first.isEmpty() ? QStringLiteral("1") : first) + u'-' +
                       (last.isEmpty() ? QString::number(table::kMaxRows - 1) : last);
  return graph::readRowRange(text.toStdString());
}

graph::GraphSettings GraphWindow::settings() const {
  graph::GraphSettings s;
  s.abscissa = std::max(0, abscissaList_->currentIndex());
  s.ordinate = std::max(0, ordinateList_->currentIndex());
  s.options = {joinPoints_->isChecked(), showGrid_->isChecked(), crossPoints_->isChecked()};
  if (fitBox_->isChecked())
    s.model = twoLines_->isChecked() ? graph::ModelChoice::TwoLines
              : affine_->isChecked() ? graph::ModelChoice::Affine
                                     : graph::ModelChoice::ThroughOrigin;
  s.range = range();
  return s;
}

void GraphWindow::applySettings(const graph::GraphSettings& s) {
  abscissaList_->setCurrentIndex(s.abscissa);
  ordinateList_->setCurrentIndex(s.ordinate);
  joinPoints_->setChecked(s.options.join);
  showGrid_->setChecked(s.options.grid);
  crossPoints_->setChecked(s.options.crosses);
  fitBox_->setChecked(s.model != graph::ModelChoice::None);
  (s.model == graph::ModelChoice::TwoLines ? twoLines_
   : s.model == graph::ModelChoice::Affine ? affine_
                                           : throughOrigin_)
      ->setChecked(true);
  {
    const QSignalBlocker first(rangeFirst_), last(rangeLast_);
    rangeFirst_->setText(s.range ? QString::number(s.range->first) : QString());
    rangeLast_->setText(s.range ? QString::number(s.range->last) : QString());
  }
  redrawPlot();
}

void GraphWindow::chooseDragged(double from, double to) {
  const double lo = std::min(from, to), hi = std::max(from, to);
  int first = 0, last = 0;
  for (const graph::PlottedPoint& p : plot_.points) {
    if (p.at.x < lo || p.at.x > hi) continue;
    first = first ? std::min(first, p.row) : p.row;
    last = std::max(last, p.row);
  }
  if (!first) return;
  const QSignalBlocker a(rangeFirst_), b(rangeLast_);
  rangeFirst_->setText(QString::number(first));
  rangeLast_->setText(QString::number(last));
  redrawPlot();
}

void GraphWindow::openReading() {
  if (!readingDialog_) readingDialog_ = new LineReadingDialog(this);
  readingDialog_->setLine(lineFit_);
  readingDialog_->show();
  readingDialog_->raise();
}

void GraphWindow::redrawPlot() {
  if (abscissaList_->currentIndex() < 0 || ordinateList_->currentIndex() < 0) return;
  plot_ = graph::computePlot(table_, abscissaList_->currentIndex(), ordinateList_->currentIndex());
  qtp::Surface& s = plotArea_->surface();
  s.setPersistent(true);
  s.setBackColor(widgets::kWhite);
  s.setDotted(false);
  s.clear();

  if (!plot_.plottable) {
    const QString text = qtp::shownMessageText(graph::kNotPlottable);
    s.setFont(QStringLiteral("Arial"), 12);
    const double left = (s.width() - s.textWidth(text)) / 2.0;
    s.setForeColor(widgets::kLightGrey);
    s.setPen(left + 1, 102);
    s.printStay(text);
    s.setForeColor(widgets::kBlue);
    s.setPen(left, 101);
    s.printStay(text);
    drawn_ = false;
    plotArea_->unsetCursor();
    fitBox_->setEnabled(false);
    for (QRadioButton* o : {throughOrigin_, affine_, twoLines_}) o->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{rangeFirst_, rangeLast_, readButton_}) w->setEnabled(false);
    equation_->clear();
    showFigureTexts({}, {});
    twoLineFit_ = {};
    lineFit_ = {};
    return;
  }

  drawn_ = true;
  plotArea_->setCursor(Qt::CrossCursor);
  scaleLabel_->setText(QString::fromStdString(plot_.scaleText));
  // With a model shown the points are joined by segments and those it
  // leaves out drawn hollow.
  const bool canFit = graph::canFit(plot_);
  const bool modelShown = canFit && fitBox_->isChecked();
  const graph::FitPoints fitPoints = graph::fitPoints(plot_, range());
  joinPoints_->setEnabled(modelShown || plot_.canJoin());
  std::vector<graph::Stroke> strokes = graph::plotStrokes(
      plot_, {joinPoints_->isChecked(), showGrid_->isChecked(), crossPoints_->isChecked(), modelShown},
      modelShown ? fitPoints.inFit : std::vector<bool>{});

  // The fitted line goes under the points.
  fitBox_->setEnabled(canFit);
  for (QRadioButton* o : {throughOrigin_, affine_, twoLines_}) o->setEnabled(modelShown);
  for (QLineEdit* e : {rangeFirst_, rangeLast_}) e->setEnabled(modelShown);
  equation_->clear();
  twoLineFit_ = {};
  lineFit_ = {};
  graph::TwoLineStrokes twoLines;
  graph::FitNote note;
  if (modelShown && twoLines_->isChecked()) {
    twoLines = showTwoLines(fitPoints.used);
    graph::addTwoLineStrokes(strokes, twoLines);
  } else if (modelShown) {
    const auto kind = affine_->isChecked() ? graph::FitKind::Affine : graph::FitKind::ThroughOrigin;
    const graph::LineFit fit = graph::fitLine(fitPoints.used, kind);
    lineFit_ = fit;
    equation_->setTextFormat(Qt::PlainText);
    equation_->setText(QString::fromStdString(
        fit.possible ? graph::equationText(fit, table_.mask()) + "\n" + graph::uncertaintyText(fit)
                     : tr("Modélisation impossible pour ces points.").toStdString()));
    graph::addLineStroke(strokes, plot_, fit);
    note = graph::fitNote(fit);
  }
  readButton_->setEnabled(lineFit_.possible);
  if (readingDialog_) readingDialog_->setLine(lineFit_);

  auto draw = [&s](auto first, auto last) {
    for (auto st = first; st != last; ++st) {
      s.setDotted(st->dotted);
      const QColor c = inkColour(st->ink);
      if (st->a == st->b)
        s.point(st->a.x, st->a.y, c);
      else
        s.line(st->a.x, st->a.y, st->b.x, st->b.y, c);
    }
    s.setDotted(false);
  };
  draw(strokes.begin(), strokes.end());
  if (twoLines.crossShown) {
    const std::string label =
        msg::shown(graph::kIntersectionCaption) + graph::intersectionText(twoLineFit_, table_.mask());
    s.paint([&](QPainter& p) {
      paintIntersectionLabel(p, QRectF(0, 0, graph::kPlotSize, graph::kPlotSize), twoLines.crossAt, label, panelFont());
    });
  }
  showFigureTexts(note, strokes);
}

graph::TwoLineStrokes GraphWindow::showTwoLines(const std::vector<graph::PlottedPoint>& points) {
  twoLineFit_ = graph::fitTwoLines(points);
  const std::string mask = table_.mask();
  // One line each, in the colour of what it names.
  const auto line = [](const QColor& c, const QString& text) {
    return QStringLiteral("<span style=\"color:%1\">%2</span>").arg(c.name(), text.toHtmlEscaped());
  };
  QStringList lines = QString::fromStdString(graph::twoLinesText(twoLineFit_, mask)).split(u'\n');
  // The intersection's uncertainty on its line: the label holds three lines.
  if (twoLineFit_.possible && !lines.isEmpty())
    lines.back() += QStringLiteral(" ; ") + QString::fromStdString(graph::intersectionUncertaintyText(twoLineFit_));
  const QColor colours[] = {widgets::kLineText, widgets::kPurpleText, widgets::kBlack};
  for (int i = 0; i < lines.size() && i < 3; ++i) lines[i] = line(colours[i], lines[i]);
  equation_->setTextFormat(Qt::RichText);
  equation_->setText(lines.join(QStringLiteral("<br>")));
  return graph::twoLineStrokes(plot_, twoLineFit_);
}

void GraphWindow::showFigureTexts(const graph::FitNote& note, const std::vector<graph::Stroke>& strokes) {
  placePointerSection();
  describeModel();
  texts_ = graph::Figure{};
  texts_.plot = plot_;
  if (plot_.plottable) {
    texts_.abscissaName = table::columnName(table_, abscissaList_->currentIndex());
    texts_.ordinateName = table::columnName(table_, ordinateList_->currentIndex());
    texts_.note = note;
    // The plot's text alternative, read when the keyboard reaches it.
    plotArea_->setAccessibleDescription(QString::fromStdString(graph::figureDescription(texts_)));
    plotArea_->surface().paint([&](QPainter& p) {
      paintFitNote(p, QRectF(0, 0, graph::kPlotSize, graph::kPlotSize), note, panelFont(), strokes);
    });
  }
  update();
}

graph::Figure GraphWindow::figure() const { return graph::settingsFigure(table_, settings()); }

bool GraphWindow::printPlot(QPrinter& printer) {
  return printFigure(printer, heading_.isEmpty() ? windowTitle() : heading_, heading_, figure());
}

void GraphWindow::printClicked() {
  QPrinter& printer = qtp::sharedPrinter();
  if (!qtp::askPrinter(printer, this)) return;
  printPlot(printer);
}

void GraphWindow::copyClicked() {
  qtp::copyImage(figureImage(figure(), graph::kPlotSize, std::max(2.0, devicePixelRatioF())));
}

void GraphWindow::clearPointer() {
  for (QLabel* l : pointerLabel_) l->clear();
}

void GraphWindow::showPointer(QPointF at) {
  if (!drawn_) {
    clearPointer();
    return;
  }
  pointerLabel_[0]->setText(QString::fromStdString(graph::pointerXText(plot_, at.x())));
  pointerLabel_[1]->setText(QString::fromStdString(graph::pointerYText(plot_, at.y())));
}

void GraphWindow::followScreenRatio() {
  const double ratio = devicePixelRatioF();
  bool changed = false;
  for (widgets::SurfaceWidget* w : {titleStrip_, plotArea_}) {
    if (w->surface().devicePixelRatio() != ratio) {
      w->surface().setDevicePixelRatio(ratio);
      changed = true;
    }
  }
  if (!changed) return;
  widgets::drawTitleStrip(titleStrip_->surface(), tr("Représentation graphique"));
  redrawPlot();
}

void GraphWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!watchingScreen_ && windowHandle()) {
    watchingScreen_ = true;
    connect(windowHandle(), &QWindow::screenChanged, this, [this] { followScreenRatio(); });
  }
  // Surfaces at the screen's ratio before the activation draws on them.
  followScreenRatio();
  fillLists();
}

void GraphWindow::mouseMoveEvent(QMouseEvent* event) {
  clearPointer();
  QDialog::mouseMoveEvent(event);
}

bool GraphWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == plotArea_) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseMove || type == QEvent::MouseButtonRelease) {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      const int x = mouse->position().toPoint().x();
      // A drag across the plot, with a model shown, chooses its range.
      if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton && drawn_ && fitBox_->isChecked()) {
        dragStart_ = mouse->position().toPoint();
        return true;
      }
      if (type == QEvent::MouseMove) {
        if (dragStart_ && (mouse->buttons() & Qt::LeftButton)) {
          dragBand_->setGeometry(QRect(QPoint(std::min(x, dragStart_->x()), 0),
                                       QSize(std::abs(x - dragStart_->x()) + 1, graph::kPlotSize)));
          dragBand_->show();
        }
        showPointer(mouse->position());
        return true;  // not on to the window, which empties the labels
      }
      if (type == QEvent::MouseButtonRelease && dragStart_) {
        dragBand_->hide();
        const int from = dragStart_->x();
        dragStart_.reset();
        if (std::abs(x - from) >= kMinDrag) chooseDragged(from, x);
        return true;
      }
    }
    if (event->type() == QEvent::Leave) clearPointer();
  } else if (watched == titleStrip_ && event->type() == QEvent::MouseMove) {
    clearPointer();
  }
  return QDialog::eventFilter(watched, event);
}

void GraphWindow::describeModel() {
  // The model's equation, read with the controls that choose it and said as
  // it changes.
  const QString text = equation_->textFormat() == Qt::RichText
                           ? QTextDocumentFragment::fromHtml(equation_->text()).toPlainText()
                           : equation_->text();
  if (text == fitBox_->accessibleDescription()) return;
  for (QWidget* w :
       std::initializer_list<QWidget*>{fitBox_, throughOrigin_, affine_, twoLines_, rangeFirst_, rangeLast_})
    w->setAccessibleDescription(text);
  // Heard as it changes (a description's change is not spoken).
  if (isVisible()) announcer_->say(text);
}

void GraphWindow::placePointerSection() {
  // The equation whole, the pointer's section under it.
  const int tall = std::max(kEquationPlace.height(), equation_->heightForWidth(kEquationPlace.width()));
  equation_->setGeometry(kEquationPlace.adjusted(0, 0, 0, tall - kEquationPlace.height()));
  pointerSeparator_ = equation_->geometry().bottom() + 3;
  // Its two lines closer to the heading rather than over the buttons.
  const int top = std::min(pointerSeparator_ + kPointerLinesBelow, printButton_->y() - 2 * kPointerLineHeight - 1);
  for (int i = 0; i < 2; ++i)
    pointerLabel_[i]->setGeometry(24, top + kPointerLineHeight * i, kPanelWidth - 32, kPointerLineHeight);
  update();
}

void GraphWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int h = height();
  p.fillRect(rect(), widgets::kPageBackground);
  p.fillRect(QRect(0, 0, kPanelWidth, h), widgets::kLightGrey);
  p.setPen(widgets::kDarkGrey);
  p.drawLine(kPanelWidth, 0, kPanelWidth, h - 1);
  for (int y : {kSeparators[0], kSeparators[1], pointerSeparator_}) {
    p.setPen(widgets::kDarkGrey);
    p.drawLine(kSeparatorLeft, y, kSeparatorRight, y);
    p.setPen(widgets::kWhite);
    p.drawLine(kSeparatorLeft, y + 1, kSeparatorRight, y + 1);
  }
  // A frame around the plot, its numbers and axis names around it.
  p.setPen(widgets::kDarkGrey);
  p.drawRect(plotArea_->geometry().adjusted(-1, -1, 0, 0));
  paintAxisTexts(p, QRectF(plotArea_->geometry()), texts_, panelFont());

  p.setRenderHint(QPainter::TextAntialiasing);
  const QFont heading = headingFont();
  const QFontMetrics hm(heading);
  p.setFont(heading);
  for (const Heading& hd :
       {kHeadings[0], kHeadings[1], kHeadings[2], Heading{kPointerHeading, pointerSeparator_ + kPointerHeadingBelow}}) {
    const QString text = tr(hd.text);
    const int x = (kPanelWidth - hm.horizontalAdvance(text)) / 2;
    p.setPen(widgets::kDarkGrey);
    p.drawText(x, hd.top + hm.ascent(), text);
    p.setPen(widgets::kBlue);
    p.drawText(x - 1, hd.top - 1 + hm.ascent(), text);
  }
}

}  // namespace velmira::graph::ui
