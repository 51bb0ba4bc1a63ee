// SPDX-License-Identifier: GPL-3.0-or-later
// Tab strip layout, paint and hit test; knob picture; window background.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>

#include "model/Knob.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Surface.h"
#include "ui/drawing/KnobPicture.h"
#include "ui/drawing/TabStripPaint.h"
#include "ui/drawing/WindowBackground.h"
#include "widgets/Colours.h"

using velmira::qtp::Surface;
namespace ui = velmira::ui;
namespace widgets = velmira::widgets;

TEST(BenchTabs, BoundariesFromCaptionWidths) {
  const QFontMetrics plain(velmira::qtp::mapFont("Arial", 8));
  const QFontMetrics bold(velmira::qtp::mapFont("Arial", 8, true));
  for (int shown = 1; shown <= 3; ++shown) {
    const ui::TabLayout t = ui::layoutTabs(409, 489, shown);
    int w[4] = {0, 0, 0, 0}, total = 0;
    for (int i = 1; i <= 3; ++i) total += w[i] = (i == shown ? bold : plain).horizontalAdvance(ui::benchTabTitle(i));
    const double gap = (409 - total) / 6.0;
    EXPECT_DOUBLE_EQ(t.gap, gap);
    EXPECT_EQ(t.tabEdges[0], -1);
    EXPECT_NEAR(t.tabEdges[1], -1 + w[1] + 2 * gap, 0.5);
    EXPECT_NEAR(t.tabEdges[2], t.tabEdges[1] + w[2] + 2 * gap, 0.5);
    EXPECT_EQ(t.tabEdges[3], 409);
    EXPECT_EQ(t.th, plain.height());
    EXPECT_EQ(t.page, QRect(4, t.th + 5, 401, 489 - 4 - t.th - 5));
  }
  // The bold caption widens its own tab.
  EXPECT_GT(ui::layoutTabs(409, 489, 1).tabEdges[1], ui::layoutTabs(409, 489, 2).tabEdges[1]);
  EXPECT_EQ(ui::layoutTabs(409, 489, 0).shown, 1);
  EXPECT_EQ(ui::benchTabTitle(3), QStringLiteral("Mélange"));
}

TEST(BenchTabs, HitTestEdges) {
  const std::array<int, 4> b{-1, 130, 270, 409};
  EXPECT_EQ(ui::tabAt(b, 50, 0), 1);
  EXPECT_EQ(ui::tabAt(b, 50, 15), 1);
  EXPECT_EQ(ui::tabAt(b, 50, 16), 0);  // below the captions
  EXPECT_EQ(ui::tabAt(b, 50, -1), 0);
  EXPECT_EQ(ui::tabAt(b, -1, 5), 1);
  EXPECT_EQ(ui::tabAt(b, -2, 5), 0);
  EXPECT_EQ(ui::tabAt(b, 130, 5), 2);  // shared boundary: right-hand tab
  EXPECT_EQ(ui::tabAt(b, 129.5, 5), 1);
  EXPECT_EQ(ui::tabAt(b, 270, 5), 3);
  EXPECT_EQ(ui::tabAt(b, 409, 5), 3);
  EXPECT_EQ(ui::tabAt(b, 410, 5), 0);  // right of the strip
}

TEST(BenchTabs, PaintOpensTheShownTab) {
  Surface strip(409, 489);
  strip.setPersistent(true);
  const ui::TabLayout t = ui::paintTabs(strip, 2);
  const QImage img = strip.image();
  const auto& b = t.tabEdges;
  EXPECT_EQ(img.pixelColor(b[0] + 4, t.th + 1), widgets::kWhite);  // base line under tab 1
  EXPECT_NE(img.pixelColor(b[1] + 6, t.th + 1), widgets::kWhite);  // open under tab 2
  EXPECT_EQ(img.pixelColor(b[2] + 3, t.th + 1), widgets::kWhite);  // base line under tab 3
  EXPECT_EQ(img.pixelColor(b[1], 5), widgets::kWhite);             // tab edges
  EXPECT_EQ(img.pixelColor(b[1] - 1, 5), QColor(128, 128, 128));
  EXPECT_EQ(img.pixelColor(200, 300), widgets::kStripBackground);
  EXPECT_EQ(img.pixelColor(408, 300), QColor(128, 128, 128));
  EXPECT_EQ(img.pixelColor(0, 300), widgets::kWhite);
  // Repainting for another tab leaves no trace of the first.
  const ui::TabLayout t3 = ui::paintTabs(strip, 3);
  EXPECT_EQ(strip.image().pixelColor(t3.tabEdges[1] + 6, t3.th + 1), widgets::kWhite);
  Surface fresh(409, 489);
  fresh.setPersistent(true);
  ui::paintTabs(fresh, 3);
  EXPECT_EQ(strip.image(), fresh.image());
}

TEST(BenchKnob, PictureLayers) {
  Surface knob(42, 42);
  knob.setBackColor(QColor(255, 128, 0));
  knob.setPersistent(true);
  for (double v : {0.0, 0.3, 0.6}) {
    ui::drawKnob(knob, v);
    const QImage img = knob.image();
    const auto [x, y] = velmira::model::knobPointerEnd(v);
    EXPECT_EQ(img.pixelColor(x, y), QColor(255, 0, 0)) << v;
    EXPECT_EQ(img.pixelColor(20, 20), QColor(255, 0, 0));
    EXPECT_EQ(img.pixelColor(35, 35), QColor(200, 100, 0));  // shadow disc
    EXPECT_EQ(img.pixelColor(1, 41), QColor(255, 128, 0));   // background corner
  }
  // Only the pointer differs between two values.
  ui::drawKnob(knob, 0.1);
  const QImage a = knob.image();
  ui::drawKnob(knob, 0.1);
  EXPECT_EQ(knob.image(), a);
  EXPECT_EQ(knob.drawWidth(), 1);
  EXPECT_FALSE(knob.fillSolid());
}

TEST(BenchWindow, BackgroundGradientAndShadow) {
  EXPECT_EQ(ui::windowBackgroundColour(0), QColor(255, 255, 255));
  EXPECT_EQ(ui::windowBackgroundColour(600), QColor(200, 200, 180));
  EXPECT_EQ(ui::windowBackgroundColour(300), QColor(228, 228, 218));  // 227.5, 217.5 → even
  EXPECT_EQ(ui::windowBackgroundColour(60), QColor(250, 250, 248));   // 249.5 → 250, 247.5 → 248
  QImage img(800, 601, QImage::Format_RGB32);
  QPainter p(&img);
  ui::paintWindowBackground(p, QRect(424, 350, 361, 200), 328);
  p.end();
  EXPECT_EQ(img.pixelColor(10, 300), QColor(228, 228, 218));
  EXPECT_EQ(img.pixelColor(427, 331), QColor(128, 128, 128));
  EXPECT_EQ(img.pixelColor(788, 553), QColor(128, 128, 128));
  EXPECT_EQ(img.pixelColor(789, 553), ui::windowBackgroundColour(553));
  EXPECT_EQ(img.pixelColor(426, 331), ui::windowBackgroundColour(331));
  // A repaint of part of the window paints the lines it crosses, the same.
  QImage part(800, 601, QImage::Format_RGB32);
  part.fill(Qt::black);
  QPainter q(&part);
  ui::paintWindowBackground(q, QRect(424, 350, 361, 200), 328, QRect(10, 320, 100, 40));
  q.end();
  EXPECT_EQ(part.copy(0, 320, 420, 40), img.copy(0, 320, 420, 40));
  EXPECT_EQ(part.pixelColor(10, 319), QColor(Qt::black));
  EXPECT_EQ(part.pixelColor(10, 360), QColor(Qt::black));
}
