// SPDX-License-Identifier: GPL-3.0-or-later
// The graph window: lists, boxes, pixels the plot must have, pointer
// position, the fitted line, its range and its reading, copy and print. With VELMIRA_SCREENSHOTS set
// to a folder, the Kohlrausch plot of potassium chloride is written there
// (screenshot-graphe.png).
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

#include "graph/ui/GraphFigure.h"
#include "graph/ui/GraphWindow.h"
#include "graph/ui/LineReadingDialog.h"
#include "model/EntryRules.h"
#include "model/Workbench.h"
#include "platform/qt/Printing.h"
#include "platform/qt/Translations.h"
#include "table/Recording.h"
#include "table/Table.h"
#include "tests/support/PdfPages.h"
#include "tests/support/RecordingMessages.h"
#include "widgets/Announcer.h"
#include "widgets/SurfaceWidget.h"

namespace velmira::graph::ui::testing {
namespace {

const QColor kAxis(0, 0, 128), kRed(255, 0, 0), kGreen(0, 128, 0);
// Four points on y = 2x: plot x = 160x + 5, plot y = 495 - 80y.
const std::vector<std::pair<const char*, const char*>> kLine = {{"0", "0"}, {"1", "2"}, {"2", "4"}, {"3", "6"}};

class GraphWindowTest : public ::testing::Test {
 protected:
  // C1 = xs, C2 = ys.
  void fill(const std::vector<std::pair<const char*, const char*>>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      table.setCell(static_cast<int>(i) + 1, 0, rows[i].first);
      table.setCell(static_cast<int>(i) + 1, 1, rows[i].second);
    }
  }
  void open() {
    window = std::make_unique<GraphWindow>(table, messages);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  // Plot pixels in plot units, whatever the screen's ratio.
  QColor pixel(int x, int y) const {
    const QImage& img = window->plotArea()->surface().image();
    const double r = img.devicePixelRatio();
    return img.pixelColor(static_cast<int>(x * r), static_cast<int>(y * r));
  }
  bool anyPixel(const QColor& c, QRect area) const {
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        if (pixel(x, y) == c) return true;
    return false;
  }
  static void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); }

  table::Table table;
  velmira::test::RecordingMessages messages;
  std::unique_ptr<GraphWindow> window;
};

TEST_F(GraphWindowTest, ListsFromTheTitlesBoxesCheckedTableUntouched) {
  table.setCell(0, 0, "c (mol/L)");
  table.setCell(0, 3, "U");
  fill({{"1", "2"}, {"2", "4"}});
  const auto before = table.cell(1, 0) + table.cell(0, 3);
  open();
  EXPECT_EQ(window->objectName(), "graphWindow");
  EXPECT_EQ(window->windowTitle(), "Représentation graphique — Velmira");
  ASSERT_EQ(window->abscissaList()->count(), 5);
  EXPECT_EQ(window->abscissaList()->itemText(0), "c (mol/L)");
  EXPECT_EQ(window->ordinateList()->itemText(3), "U");
  EXPECT_EQ(window->abscissaList()->currentIndex(), 0);
  EXPECT_EQ(window->ordinateList()->currentIndex(), 1);
  for (QCheckBox* b : {window->joinPoints(), window->showGrid(), window->crossPoints()}) EXPECT_TRUE(b->isChecked());
  EXPECT_TRUE(window->graphDrawn());
  EXPECT_EQ(table.cell(1, 0) + table.cell(0, 3), before);
}

TEST_F(GraphWindowTest, AxisCrossAndTheMessageInTheirColours) {
  fill(kLine);
  open();
  EXPECT_TRUE(window->joinPoints()->isEnabled());
  click(window->joinPoints());  // no curve over the points
  ASSERT_FALSE(window->joinPoints()->isChecked());
  EXPECT_EQ(pixel(5, 250), kAxis);
  EXPECT_EQ(pixel(300, 495), kAxis);
  for (QPoint p : {QPoint(163, 335), QPoint(167, 335), QPoint(165, 333), QPoint(165, 337)})
    EXPECT_EQ(pixel(p.x(), p.y()), kRed);
  EXPECT_NE(pixel(168, 335), kRed);
  EXPECT_NE(pixel(165, 338), kRed);
  EXPECT_NE(window->scaleLabel()->text().indexOf("\n0,5 unités."), -1);

  // Three points: no curve to offer.
  table.setCell(4, 0, "");
  window->redrawPlot();
  EXPECT_FALSE(window->joinPoints()->isEnabled());

  // An empty abscissa: the message, light grey under light blue, no pointer.
  for (int r = 1; r <= 4; ++r) table.setCell(r, 0, "");
  window->redrawPlot();
  EXPECT_FALSE(window->graphDrawn());
  EXPECT_TRUE(anyPixel(QColor(192, 192, 192), QRect(0, 100, 500, 24)));
  EXPECT_TRUE(anyPixel(QColor(0, 0, 255), QRect(0, 100, 500, 24)));
  EXPECT_FALSE(anyPixel(kAxis, QRect(0, 0, 500, 500)));
  QTest::mouseMove(window->plotArea(), QPoint(80, 400));
  EXPECT_TRUE(window->pointerLabel(0)->text().isEmpty());
}

TEST_F(GraphWindowTest, PointerPositionOverThePlotOnly) {
  fill(kLine);
  open();
  QTest::mouseMove(window->plotArea(), QPoint(20, 20));
  QTest::mouseMove(window->plotArea(), QPoint(85, 415));
  EXPECT_EQ(window->pointerLabel(0)->text(), "x = 0,5");
  EXPECT_EQ(window->pointerLabel(1)->text(), "y = 1");
  QTest::mouseMove(window->titleStrip(), QPoint(300, 10));
  EXPECT_TRUE(window->pointerLabel(0)->text().isEmpty());
  EXPECT_TRUE(window->pointerLabel(1)->text().isEmpty());
}

TEST_F(GraphWindowTest, FittedLineInGreenWithItsEquation) {
  fill({{"2", "3"}});
  open();
  EXPECT_FALSE(window->fitBox()->isEnabled());
  fill(kLine);
  window->redrawPlot();
  ASSERT_TRUE(window->fitBox()->isEnabled());
  click(window->joinPoints());
  click(window->fitBox());
  // The equation, then the fit's uncertainties on their own line.
  EXPECT_EQ(window->equation()->text().section(u'\n', 0, 0), "y = a·x ; a = 2,00E+00 ; r² = 1,0000");
  EXPECT_TRUE(window->equation()->text().section(u'\n', 1).startsWith("u(a) = "));
  EXPECT_EQ(pixel(250, 250), kGreen);  // plot y = 500 - plot x
  click(window->affine());
  EXPECT_EQ(window->equation()->text().section(u'\n', 0, 0), "y = a·x + b ; a = 2,00E+00 ; b = 0,00E+00 ; r² = 1,0000");
  EXPECT_TRUE(window->equation()->text().section(u'\n', 1).contains(" ; u(b) = "));
  // Heard from the control that chose the model: its description follows.
  EXPECT_EQ(window->affine()->accessibleDescription(), window->equation()->text());
  EXPECT_EQ(window->findChild<widgets::Announcer*>()->accessibleName(), window->equation()->text());
  click(window->fitBox());
  EXPECT_TRUE(window->equation()->text().isEmpty());
  EXPECT_TRUE(window->fitBox()->accessibleDescription().isEmpty());
  EXPECT_NE(pixel(250, 250), kGreen);
}

TEST_F(GraphWindowTest, TwoLinesSecondDashedAndTheirIntersection) {
  // A V through (3, 4).
  fill({{"0", "10"}, {"1", "8"}, {"2", "6"}, {"3", "4"}, {"4", "6"}, {"5", "8"}, {"6", "10"}});
  table.setMask("");
  open();
  click(window->joinPoints());
  click(window->showGrid());  // no grid under the lines
  EXPECT_EQ(window->fitBox()->text(), "Modéliser");
  EXPECT_FALSE(window->twoLines()->isEnabled());
  click(window->fitBox());
  click(window->twoLines());
  ASSERT_TRUE(window->twoLineFit().crossing);
  const QString text = window->equation()->text();
  for (const char* part : {"Droite 1 : y = a·x + b ; a = -2 ; b = 10 ; r² = 1,0000",
                           "Droite 2 : y = a·x + b ; a = 2 ; b = -2 ; r² = 1,0000", "Intersection : x = 3 ; y = 4"})
    EXPECT_NE(text.indexOf(QString::fromUtf8(part)), -1) << part << " in " << text.toStdString();
  EXPECT_TRUE(window->twoLines()->accessibleDescription().startsWith("Droite 1 : y = a·x + b ; a = -2"));
  EXPECT_NE(text.indexOf(QStringLiteral("u(x) = ")), -1) << text.toStdString();
  // The lines are shown whole.
  EXPECT_LE(window->equation()->heightForWidth(window->equation()->width()), window->equation()->height());

  const graph::Plot& p = window->plot();
  const QColor kPurple(160, 0, 160), kBlack(0, 0, 0);
  // The first line solid, the second in dashes: along it, purple and gaps.
  EXPECT_TRUE(anyPixel(kGreen, QRect(p.plotX(1.5) - 1, p.plotY(7) - 1, 3, 3)));
  int purple = 0, gaps = 0;
  for (int X = p.plotX(4.2); X < p.plotX(5.8); ++X) {
    const int Y = p.plotY(2 * p.abscissa.value(X) - 2);
    (anyPixel(kPurple, QRect(X, Y - 2, 1, 5)) ? purple : gaps)++;
  }
  EXPECT_GT(purple, gaps);
  EXPECT_GT(gaps, 10);
  // The cross over the vertex, and its coordinates beside it.
  const QPoint c(p.plotX(3), p.plotY(4));
  EXPECT_EQ(pixel(c.x() + 4, c.y() + 4), kBlack);
  EXPECT_EQ(pixel(c.x() - 4, c.y() + 4), kBlack);
  int dark = 0;  // the text, smoothed
  for (int y = c.y() - 24; y < c.y() - 8; ++y)
    for (int x = c.x() + 8; x < c.x() + 68; ++x) dark += pixel(x, y).lightness() < 96;
  EXPECT_GT(dark, 20);

  // The copy and the print draw the same model: the note gives both
  // equations and the intersection, the cross has its label.
  const QImage copied = figureImage(window->figure(), graph::kPlotSize, 2);
  auto colourIn = [&](const QColor& c) {
    for (int y = 0; y < copied.height(); ++y)
      for (int x = 0; x < copied.width(); ++x)
        if (copied.pixelColor(x, y) == c) return true;
    return false;
  };
  EXPECT_TRUE(colourIn(kGreen));
  EXPECT_TRUE(colourIn(kPurple));
  if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("graphe.pdf"));
    ASSERT_TRUE(window->printPlot(*qtp::pdfPrinter(pdf)));
    const QString printed = velmira::test::popplerOutput(QStringLiteral("pdftotext"), {}, pdf);
    for (const char* part : {"Droite 1 : y = a·x + b ; a = -2 ; b = 10 ; r² = 1,0000",
                             "Droite 2 : y = a·x + b ; a = 2 ; b = -2 ; r² = 1,0000"})
      EXPECT_TRUE(printed.contains(QString::fromUtf8(part))) << part << "\n" << printed.toStdString();
    // Once in the note, once beside the cross.
    EXPECT_EQ(printed.count(QStringLiteral("Intersection : x = 3 ; y = 4")), 2) << printed.toStdString();
  }

  // Numbers of a real titration make each line wrap: the equation is still
  // whole, and the pointer's section moves down under it.
  fill({{"0", "207"}, {"1", "192"}, {"2", "177"}, {"3", "162"}, {"4", "101,4"}, {"5", "112,1"}, {"6", "123,3"}});
  window->redrawPlot();
  const QRect equation = window->equation()->geometry();
  EXPECT_LE(window->equation()->heightForWidth(equation.width()), equation.height());
  EXPECT_GT(window->pointerLabel(0)->y(), equation.bottom() + 20);

  // Three points: the two lines are impossible, nothing drawn.
  for (int r = 4; r <= 7; ++r) table.setCell(r, 0, "");
  window->redrawPlot();
  EXPECT_FALSE(window->twoLineFit().possible);
  EXPECT_NE(window->equation()->text().indexOf("Droite 1 : impossible"), -1);
  EXPECT_FALSE(anyPixel(kGreen, QRect(0, 0, 500, 500)));
  // Back to one line: its text alone.
  click(window->affine());
  EXPECT_EQ(window->equation()->text().left(14), "y = a·x + b ; ");
}

TEST_F(GraphWindowTest, NumbersNamesAndTheFitInTheWindowTheCopyAndThePrint) {
  table.setCell(0, 0, "c (mol/L)");
  table.setCell(0, 1, "G (mS)");
  fill(kLine);
  open();
  click(window->fitBox());
  window->setHeading(QStringLiteral("Droite — 08/12/2026"));

  // Around the plot in the window: blue numbers (smoothed) under it and left of it.
  const QImage shot = window->grab().toImage();
  const QRect plot = window->plotArea()->geometry();
  auto blueIn = [&](QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        if (const QColor c = shot.pixelColor(x, y); c.blue() > c.red() + 60 && c.blue() > c.green() + 60) return true;
    return false;
  };
  EXPECT_TRUE(blueIn(QRect(plot.left(), plot.bottom() + 2, plot.width(), 14)));
  EXPECT_TRUE(blueIn(QRect(plot.left() - 40, plot.top(), 38, plot.height())));
  // The note on the plot, in green, top left where the rising line leaves room.
  EXPECT_TRUE(anyPixel(kGreen, QRect(10, 8, 60, 12)));

  // The copy: the whole figure, larger than the plot, sharp.
  window->copyClicked();
  const QImage copied = QGuiApplication::clipboard()->image();
  EXPECT_GT(copied.width(), 2 * graph::kPlotSize);
  EXPECT_GT(copied.height(), 2 * graph::kPlotSize);

  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
    GTEST_SKIP() << "pdftotext is not installed";
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("graphe.pdf"));
  auto printer = qtp::pdfPrinter(pdf);
  ASSERT_TRUE(window->printPlot(*printer));
  const QString text = velmira::test::popplerOutput(QStringLiteral("pdftotext"), {}, pdf);
  for (const char* t :
       {"Droite — 08/12/2026", "c (mol/L)", "G (mS)", "0,5", "2,5", "y = 2·x", "r² = 1,0000", "Page 1 / 1"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(t))) << t << "\n" << text.toStdString();
  EXPECT_EQ(velmira::test::pdfInfo(pdf, QStringLiteral("Title")), "Droite — 08/12/2026");
  EXPECT_TRUE(velmira::test::allFontsEmbedded(pdf));
  // Vector lines, no picture: the page holds no image.
  if (!QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty()) {
    EXPECT_EQ(velmira::test::popplerOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list")}, pdf)
                  .count(QLatin1Char('\n')),
              2)
        << "pdfimages lists its two heading lines only";
  }
  // The numbers under the abscissa lie in order under the plot's width.
  const auto words = velmira::test::pdfWords(pdf);
  const auto zero5 = velmira::test::wordsOf(words, QStringLiteral("0,5")),
             two5 = velmira::test::wordsOf(words, QStringLiteral("2,5"));
  ASSERT_FALSE(zero5.empty());
  ASSERT_FALSE(two5.empty());
  EXPECT_LT(zero5.front().box.left(), two5.front().box.left());
}

TEST_F(GraphWindowTest, TheModelUsesTheLinesTypedOrDraggedTheOthersHollow) {
  // y = 2x on lines 1 to 4, line 5 off it.
  fill({{"0", "0"}, {"1", "2"}, {"2", "4"}, {"3", "6"}, {"4", "0"}});
  open();
  ASSERT_TRUE(window->joinPoints()->isChecked());
  click(window->fitBox());
  EXPECT_FALSE(window->joinPoints()->isChecked());  // a model chosen: its line, no curve
  click(window->affine());
  EXPECT_EQ(window->lineFit().n, 5);
  QTest::keyClicks(window->rangeFirst(), "1");
  QTest::keyClicks(window->rangeLast(), "4");
  EXPECT_EQ(window->range(), (RowRange{1, 4}));
  EXPECT_EQ(window->lineFit().n, 4);
  EXPECT_NEAR(window->lineFit().a, 2, 1e-9);
  // Line 5 hollow: its square drawn, its centre not.
  const PixelPoint out = window->plot().points[4].at;
  EXPECT_EQ(pixel(out.x - kHollowArm, out.y), kRed);
  EXPECT_NE(pixel(out.x, out.y), kRed);
  const PixelPoint in = window->plot().points[0].at;
  EXPECT_EQ(pixel(in.x, in.y), kRed);
  // One field empty: from the first line, or up to the last.
  window->rangeFirst()->clear();
  EXPECT_EQ(window->range(), (RowRange{1, 4}));

  // A drag across points 2 and 3 (lines 3 and 4) makes their range.
  const auto& p = window->plot().points;
  QTest::mousePress(window->plotArea(), Qt::LeftButton, {}, QPoint(p[2].at.x - 5, 250));
  QTest::mouseMove(window->plotArea(), QPoint(p[3].at.x, 260));
  QTest::mouseRelease(window->plotArea(), Qt::LeftButton, {}, QPoint(p[3].at.x + 5, 260));
  EXPECT_EQ(window->rangeFirst()->text(), "3");
  EXPECT_EQ(window->rangeLast()->text(), "4");
  EXPECT_EQ(window->lineFit().n, 2);
  // A click is no drag.
  QTest::mouseClick(window->plotArea(), Qt::LeftButton, {}, QPoint(p[0].at.x, 250));
  EXPECT_EQ(window->range(), (RowRange{3, 4}));
}

TEST_F(GraphWindowTest, ReadingTheLineShown) {
  fill(kLine);
  open();
  EXPECT_FALSE(window->readButton()->isEnabled());
  click(window->fitBox());
  ASSERT_TRUE(window->readButton()->isEnabled());
  QTest::mouseClick(window->readButton(), Qt::LeftButton);
  LineReadingDialog* d = window->readingDialog();
  ASSERT_TRUE(d && d->isVisible());
  EXPECT_EQ(d->windowTitle(), "Lire sur la droite");
  // y = 2x exactly: x = 3 / 2, u(x) = u(y) / 2.
  QTest::keyClicks(d->ordinate(), "3");
  EXPECT_EQ(d->result()->text(), "x = 1,50E+00 ; u(x) = 0,00E+00");
  QTest::keyClicks(d->uncertainty(), "0,2");
  EXPECT_EQ(d->result()->text(), "x = 1,50E+00 ; u(x) = 1,00E-01");
  d->close();
  click(window->twoLines());
  EXPECT_FALSE(window->readButton()->isEnabled());
}

TEST_F(GraphWindowTest, KohlrauschPlotOfPotassiumChloride) {
  // σ against c for KCl (solute 9), read on the conductimeter in S/m.
  model::Workbench wb;
  wb.startupDefaults();
  wb.setSoluteTag(0, "9");
  wb.setConductimeterMontage(true);
  wb.setConductimeterRange(3, true);
  wb.updateMeters();
  table.setCell(0, 0, "c (mol/L)");
  table.setCell(0, 1, "σ (S/m)");
  table.setAutoEntry(1, table::kEntryConductimeter);
  table.setAutoEntry(2, table::kEntryEmpty);
  for (const char* c : {"0,002", "0,004", "0,006", "0,008", "0,01"}) {
    wb.setEntryText(model::Concentration1, c);
    model::validateEntry(wb, model::Concentration1, messages);
    ASSERT_TRUE(table::record(table, wb, 1, messages));
  }
  ASSERT_TRUE(messages.shown.empty());
  open();
  click(window->fitBox());
  ASSERT_TRUE(window->fitBox()->isChecked());
  EXPECT_TRUE(window->equation()->text().startsWith("y = a·x ; a = 1,4")) << window->equation()->text().toStdString();

  EXPECT_FALSE(window->joinPoints()->isChecked());  // the line, not the curve, through the points
  QTest::mouseMove(window->plotArea(), QPoint(20, 20));
  QTest::mouseMove(window->plotArea(), QPoint(window->plot().points[2].at.x, window->plot().points[2].at.y));
  EXPECT_FALSE(window->pointerLabel(0)->text().isEmpty());
  QApplication::processEvents();
  const QImage shot = window->grab().toImage();
  const QString out = qEnvironmentVariable("VELMIRA_SCREENSHOTS");
  if (!out.isEmpty()) {
    EXPECT_TRUE(shot.save(QDir(out).filePath(QStringLiteral("screenshot-graphe.png"))));
  }
}

// With the English catalogue the window's texts are English and its numbers
// keep the decimal comma. With VELMIRA_SCREENSHOTS set, the English window
// with its model (screenshot-en-graphe.png).
TEST_F(GraphWindowTest, InEnglishWithTheEnglishCatalogueAndStillTheDecimalComma) {
  QTranslator english;
  ASSERT_TRUE(qtp::loadProgramCatalogue(english, QStringLiteral(VELMIRA_PROGRAM_FOLDER), qtp::UiLanguage::English));
  QCoreApplication::installTranslator(&english);
  table.setCell(0, 0, "V (mL)");
  table.setCell(0, 1, "σ (S/m)");
  fill({{"0", "0,1"}, {"1", "2,3"}, {"2", "4,1"}, {"3", "6,4"}});
  open();
  EXPECT_EQ(window->windowTitle(), "Graph — Velmira");
  EXPECT_EQ(window->joinPoints()->text(), "Join the points");
  EXPECT_EQ(window->readButton()->text(), "Read off the line");
  click(window->fitBox());
  EXPECT_TRUE(window->equation()->text().contains(QRegularExpression("\\d,\\d")))
      << window->equation()->text().toStdString();
  EXPECT_NE(window->scaleLabel()->text().indexOf("0,5"), -1) << window->scaleLabel()->text().toStdString();
  QApplication::processEvents();
  if (const QString out = qEnvironmentVariable("VELMIRA_SCREENSHOTS"); !out.isEmpty()) {
    EXPECT_TRUE(window->grab().save(QDir(out).filePath(QStringLiteral("screenshot-en-graphe.png"))));
  }
  window.reset();
  QCoreApplication::removeTranslator(&english);
  open();
  EXPECT_EQ(window->joinPoints()->text(), "Lier les points");
}

}  // namespace
}  // namespace velmira::graph::ui::testing
