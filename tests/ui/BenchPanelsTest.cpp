// SPDX-License-Identifier: GPL-3.0-or-later
// Formula typesetting, the solution and mixture pages, the solute list and
// the formula box.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <algorithm>
#include <random>
#include <vector>

#include "model/SoluteCatalogue.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Surface.h"
#include "ui/drawing/BenchDrawing.h"
#include "ui/drawing/SoluteList.h"
#include "ui/drawing/SolutionPanels.h"
#include "widgets/Colours.h"

using velmira::qtp::Surface;
namespace ui = velmira::ui;
namespace widgets = velmira::widgets;
namespace model = velmira::model;

namespace {

int width(const QString& t, double pt, bool bold = false) {
  return QFontMetrics(velmira::qtp::mapFont(QStringLiteral("Arial"), pt, bold)).horizontalAdvance(t);
}

std::string describe(int k) {
  std::string out;
  for (const auto& p : model::solute(k)->pieces) {
    switch (p.kind) {
      case model::PieceKind::Base:
        out += "[" + std::string(p.text) + "]";
        break;
      case model::PieceKind::Charge:
        out += "^" + std::string(p.text);
        break;
      case model::PieceKind::Count:
        out += "_" + std::string(p.text);
        break;
      case model::PieceKind::Stacked:
        out += "_" + std::string(p.text) + "^" + std::string(p.charge);
        break;
    }
  }
  return out;
}

bool inkIn(const QImage& img, QRect r) {
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (qGray(img.pixel(x, y)) < 160) return true;
  return false;
}

Surface whitePage(int w, int h) {
  Surface s(w, h);
  s.setBackColor(Qt::white);
  s.setPersistent(true);
  s.clear();
  return s;
}

}  // namespace

TEST(BenchFormula, PiecesInPrintingOrder) {
  EXPECT_EQ(describe(4), "[2Al]^3+[ + 3SO]_4^2-");
  EXPECT_EQ(describe(5), "[H]_3[O]^+[ + Cl]^-");
  EXPECT_EQ(describe(21), "[2Na]^+[ + SO]_4^2-");
}

TEST(BenchFormula, StackedScriptsStartAtTheSameX) {
  // Solute 21: after the stack the pen stands after the count, not after the
  // wider charge, and back on the base line at 10 points.
  Surface s = whitePage(300, 40);
  s.setFont(QStringLiteral("Arial"), 10);
  s.setPen(10, 10);
  ui::printFormula(s, 21);
  const int expected = 10 + width("2Na", 10) + width("+", 8) + width(" + SO", 10) + width("4", 8);
  EXPECT_EQ(s.currentX, expected);
  EXPECT_EQ(s.currentY, 10);
  EXPECT_EQ(s.fontSize(), 10);
  // The charge sits above the count: ink of "2-" starts above the ink of "4".
  const int stackX = 10 + width("2Na", 10) + width("+", 8) + width(" + SO", 10);
  const QImage img = s.image();
  EXPECT_TRUE(inkIn(img, QRect(stackX, 6, width("4", 8), 6)));   // raised charge
  EXPECT_TRUE(inkIn(img, QRect(stackX, 24, width("4", 8), 5)));  // lowered count
  EXPECT_FALSE(inkIn(img, QRect(expected + 6, 0, 40, 40)));
}

TEST(BenchFormula, CountsAreLoweredAndChargesRaised) {
  Surface s = whitePage(300, 40);
  s.setFont(QStringLiteral("Arial"), 10);
  s.setPen(0, 10);
  ui::printFormula(s, 5);
  EXPECT_EQ(s.currentX,
            width("H", 10) + width("3", 8) + width("O", 10) + width("+", 8) + width(" + Cl", 10) + width("-", 8));
  const QImage img = s.image();
  const int h = width("H", 10);
  const int baseBottom = 10 + QFontMetrics(velmira::qtp::mapFont("Arial", 10)).ascent();
  // The count "3" reaches below the base line of "H"; "H" does not.
  EXPECT_TRUE(inkIn(img, QRect(h, baseBottom + 1, width("3", 8), 4)));
  EXPECT_FALSE(inkIn(img, QRect(0, baseBottom + 1, h - 1, 4)));
  // Nothing for a number outside the catalogue.
  Surface t = whitePage(50, 20);
  ui::printFormula(t, 0);
  ui::printFormula(t, model::kSoluteCount + 1);
  EXPECT_EQ(t.currentX, 0);
  EXPECT_FALSE(inkIn(t.image(), QRect(0, 0, 50, 20)));
}

TEST(BenchPanels, SolutionPagePlacesBoxButtonAndEntryAfterTheTexts) {
  Surface page(401, 462);
  const ui::SolutionPagePlaces p = ui::paintSolutionPage(page, 1, {113, 26}, {73, 21});
  const int bulletW = QFontMetrics(velmira::qtp::mapFont("Symbol", 10)).horizontalAdvance(QChar(0x2022));
  EXPECT_EQ(p.formulaBox, QPoint(30 + bulletW + width(" Ions en solution : ", 10), 40));
  EXPECT_EQ(p.soluteListButton, QPoint(p.formulaBox.x() + 113, 40));
  const int cx = 120 + QFontMetrics(velmira::qtp::mapFont("Arial", 10, false, true)).horizontalAdvance("c") +
                 width("1", 8) + width(" = ", 10);
  EXPECT_EQ(p.entryField, QPoint(cx, 112));
  // Drawn on the transient layer, over the page picture.
  EXPECT_TRUE(inkIn(page.composed(), QRect(20, 15, 60, 12)));
  EXPECT_FALSE(inkIn(page.image(), QRect(20, 15, 60, 12)));
  // The unit follows the entry.
  EXPECT_TRUE(inkIn(page.composed(), QRect(cx + 73, 115, 20, 12)));
  EXPECT_FALSE(inkIn(page.composed(), QRect(cx + 2, 115, 69, 12)));
}

TEST(BenchPanels, MixturePageWithAndWithoutPrecipitate) {
  Surface page(401, 462);
  Surface p1(401, 462);
  ui::drawBench(p1, ui::benchPlacement(false));
  ui::takeBenchPicture(page, p1.image());
  const ui::MixturePagePlaces ok = ui::paintMixturePage(page, true, 5, 10, {57, 21}, {57, 21});
  EXPECT_TRUE(ok.entriesVisible);
  const int vx = 210 + QFontMetrics(velmira::qtp::mapFont("Arial", 10, false, true)).horizontalAdvance("V") +
                 width("1", 8) + width(" = ", 10);
  EXPECT_EQ(ok.text4, QPoint(vx, 94));
  EXPECT_EQ(ok.text5, QPoint(vx, 123));
  EXPECT_TRUE(inkIn(page.composed(), QRect(30, 36, 200, 12)));

  page.beginTransient();
  const ui::MixturePagePlaces no = ui::paintMixturePage(page, false, 4, 15);
  EXPECT_FALSE(no.entriesVisible);
  const QImage blank = page.composed();
  for (QPoint q : {QPoint(0, 0), QPoint(120, 255), QPoint(300, 440), QPoint(400, 461), QPoint(96, 420)})
    EXPECT_EQ(blank.pixelColor(q), widgets::kPageBackground);
}

TEST(BenchSoluteList, RowsOfTwentyPixelsInOrder) {
  Surface list(200, 10);
  ui::drawSoluteList(list);
  EXPECT_EQ(list.height(), 20 * ui::kListRows);
  const QImage img = list.image();
  EXPECT_EQ(img.pixelColor(5, 5), QColor(255, 255, 255));
  for (int r = 0; r < ui::kListRows; ++r) {
    // Ink of row r lies in its band from x = 10.
    EXPECT_TRUE(inkIn(img, QRect(10, 20 * r + 3, 30, 12))) << r;
    EXPECT_FALSE(inkIn(img, QRect(0, 20 * r, 9, 20))) << r;
  }
  // Formulas of different widths end where their pieces end.
  const int w17 = 10 + width("Na", 10, true) + width("+", 8, true) + width(" + Cl", 10, true) + width("-", 8, true);
  EXPECT_TRUE(inkIn(img, QRect(w17 - 6, 20 * 16, 6, 12)));
  EXPECT_FALSE(inkIn(img, QRect(w17 + 2, 20 * 16, 60, 20)));
}

TEST(BenchSoluteList, EveryFormulaFitsItsRow) {
  // Printed alone, each formula's ink, moved to its place in the list, lies
  // within its 20-pixel row: the raised charges and lowered counts are not
  // cut by the row strip that the formula box shows.
  for (int n = 1; n <= ui::kListRows; ++n) {
    Surface s = whitePage(200, 60);
    s.setFont(QStringLiteral("Arial"), 10, true);
    s.setPen(10, 20);
    ui::printFormula(s, n);
    int top = 60, bottom = -1;
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 200; ++x)
        if (qGray(s.image().pixel(x, y)) < 250) {
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
    EXPECT_GE(top - 20 + ui::kListTextDrop, 0) << n;
    EXPECT_LE(bottom - 20 + ui::kListTextDrop, 19) << n;
  }
}

TEST(BenchSoluteList, RowsDrawnOneByOneInAnyOrderMakeTheSameList) {
  Surface whole(140, 10);
  ui::drawSoluteList(whole);
  Surface byRows(140, 10);
  ui::prepareList(byRows);
  const QImage empty = byRows.image();
  EXPECT_FALSE(inkIn(empty, empty.rect()));
  std::vector<int> order;
  for (int n = 1; n <= ui::kListRows; ++n) order.push_back(n);
  std::mt19937 shuffle(7);
  std::shuffle(order.begin(), order.end(), shuffle);
  for (int n : order) {
    ui::drawListRow(byRows, n);
    // The row stands as in the whole list, the rows not yet drawn are blank.
    const QRect row(0, 20 * (n - 1), 140, 20);
    EXPECT_EQ(byRows.image().copy(row), whole.image().copy(row)) << n;
  }
  EXPECT_EQ(byRows.image(), whole.image());
}

TEST(BenchSoluteList, TheFormulaBoxShowsItsRow) {
  Surface list(150, 10);
  ui::drawSoluteList(list);
  Surface box(113, 26);
  box.setBackColor(Qt::white);
  for (int n : {1, 13, 21, ui::kListRows}) {
    ui::showFormula(box, list, n);
    const QImage b = box.image(), l = list.image();
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 113; ++x)
        ASSERT_EQ(b.pixel(x, y + 2), l.pixel(x, 20 * (n - 1) + y)) << n << " " << x << "," << y;
    EXPECT_EQ(b.pixelColor(50, 0), QColor(255, 255, 255));
  }
  ui::showFormula(box, list, 0);
  EXPECT_FALSE(inkIn(box.image(), QRect(0, 0, 113, 26)));
}
