// SPDX-License-Identifier: GPL-3.0-or-later
// The bench picture of both montages, the placement of the live controls and
// the mixture level.
#include <gtest/gtest.h>

#include "model/Workbench.h"
#include "platform/qt/Surface.h"
#include "ui/drawing/BeakerPicture.h"
#include "ui/drawing/BeakerRule.h"
#include "ui/drawing/BenchDrawing.h"
#include "ui/drawing/BenchLayout.h"
#include "ui/drawing/GradientBand.h"
#include "widgets/Colours.h"

using velmira::qtp::Surface;
namespace ui = velmira::ui;
namespace widgets = velmira::widgets;

namespace {

constexpr int kW = 401, kH = 462;
const QColor kGrey8(128, 128, 128);

// Page 1 with the bench, and the mixture page with page 1's picture and
// the mixture level, as the window hands them out.
struct Pages {
  Surface p1{kW, kH}, p3{kW, kH};
  ui::BenchPlacement run(bool conductimeter, double volume = 100) {
    ui::BenchPlacement pl = ui::benchPlacement(conductimeter);
    ui::drawBench(p1, pl);
    ui::takeBenchPicture(p3, p1.image());
    ui::updateBeakerLevel(p3, conductimeter, volume);
    return pl;
  }
};

QColor px(const QImage& img, int x, int y) { return img.pixelColor(x, y); }

}  // namespace

TEST(BenchBand, RowColoursRoundHalfToEven) {
  EXPECT_EQ(ui::bandColour(0), QColor(255, 200, 155));
  EXPECT_EQ(ui::bandColour(300), QColor(255, 255, 255));
  // i = 150: G = 227.5 → 228, B = 205.
  EXPECT_EQ(ui::bandColour(150), QColor(255, 228, 205));
  // i = 6: B = 157 exactly; i = 3: G = 200.55 → 201, B = 156.
  EXPECT_EQ(ui::bandColour(3), QColor(255, 201, 156));
}

TEST(BenchDrawing, BandAndFrame) {
  Pages pages;
  pages.run(false);
  const int top = kH - 310;
  const QImage img = pages.p1.image();
  EXPECT_EQ(px(img, 200, top), kGrey8);            // frame, top
  EXPECT_EQ(px(img, 200, kH - 10), kGrey8);        // frame, bottom
  EXPECT_EQ(px(img, 10, top + 150), kGrey8);       // frame, left
  EXPECT_EQ(px(img, kW - 10, top + 150), kGrey8);  // frame, right
  EXPECT_EQ(px(img, 200, top + 1), QColor(255, 200, 155));
  EXPECT_EQ(px(img, 30, kH - 11), QColor(255, 255, 255));
  EXPECT_EQ(px(img, 5, 5), widgets::kPageBackground);  // above and beside the band
  EXPECT_EQ(px(img, kW - 5, top + 100), widgets::kPageBackground);
  // The instruments are drawn at absolute page coordinates.
  EXPECT_EQ(px(img, 90, 200), QColor(0, 0, 0));         // voltmeter outline
  EXPECT_EQ(px(img, 120, 255), QColor(180, 210, 210));  // voltmeter face
  EXPECT_EQ(px(img, 300, 300), QColor(210, 210, 180));  // ammeter face
  EXPECT_EQ(px(img, 300, 440), QColor(255, 128, 0));    // generator face
  EXPECT_EQ(px(img, 100, 269), QColor(50, 50, 200));    // voltmeter terminal
  EXPECT_EQ(px(img, 243, 353), QColor(0, 0, 0));        // black generator terminal
  EXPECT_EQ(px(img, 98, 340), QColor(255, 0, 0));       // red plug
}

TEST(BenchDrawing, ConductimeterMontageBody) {
  Pages pages;
  pages.run(true);
  const QImage img = pages.p1.image();
  EXPECT_EQ(px(img, 225, 300), QColor(0, 0, 0));
  EXPECT_EQ(px(img, 226, 300), QColor(100, 200, 250));
  EXPECT_EQ(px(img, 227, 300), QColor(50, 150, 220));
  EXPECT_EQ(px(img, 228, 300), QColor(0, 100, 180));
  EXPECT_EQ(px(img, 343, 300), QColor(0, 0, 128));
  EXPECT_EQ(px(img, 344, 300), QColor(0, 0, 128));
  EXPECT_EQ(px(img, 345, 300), QColor(0, 0, 0));
  EXPECT_EQ(px(img, 300, 405), QColor(0, 100, 180));
  // No voltmeter in this montage.
  EXPECT_NE(px(img, 120, 255), QColor(180, 210, 210));
}

TEST(BenchDrawing, SwitchingTwiceGivesTheSamePicture) {
  Pages pages;
  pages.run(false);
  const QImage g1 = pages.p1.composed(), g3 = pages.p3.composed();
  pages.run(true);
  const QImage c1 = pages.p1.composed();
  EXPECT_NE(c1, g1);
  pages.run(false);
  EXPECT_EQ(pages.p1.composed(), g1);
  EXPECT_EQ(pages.p3.composed(), g3);
  pages.run(true);
  EXPECT_EQ(pages.p1.composed(), c1);
  EXPECT_FALSE(pages.p1.persistent());
  EXPECT_EQ(pages.p1.backgroundPicture(), pages.p1.image());
}

TEST(BenchDrawing, GeneratorPlacement) {
  const ui::BenchPlacement pl = ui::benchPlacement(false);
  const ui::ControlPlace& voltmeter = pl.meterDisplay[static_cast<int>(velmira::model::Meter::Voltmeter)];
  const ui::ControlPlace& ammeter = pl.meterDisplay[static_cast<int>(velmira::model::Meter::Ammeter)];
  EXPECT_FALSE(pl.meterDisplay[static_cast<int>(velmira::model::Meter::Conductimeter)].visible);
  EXPECT_TRUE(voltmeter.visible);
  EXPECT_TRUE(ammeter.visible);
  EXPECT_TRUE(pl.generatorScreen.visible);
  EXPECT_TRUE(pl.voltmeterFrame.visible);
  EXPECT_TRUE(pl.ammeterFrame.visible);
  // 135 - 65/2 = 102.5 → 102; 307 - 32.5 = 274.5 → 274; 304 - 44.5 → 260.
  EXPECT_EQ(voltmeter.rect.left(), 102);
  EXPECT_EQ(ammeter.rect.left(), 274);
  EXPECT_EQ(pl.voltmeterFrame.rect.left(), 102);
  EXPECT_EQ(pl.ammeterFrame.rect.left(), 274);
  EXPECT_EQ(pl.generatorScreen.rect, QRect(260, 367, 89, 17));
  EXPECT_EQ(pl.knob[0].rect, QRect(250, 390, 42, 42));
  EXPECT_EQ(pl.knob[1].rect, QRect(318, 390, 42, 42));
  for (const auto& o : pl.rangeButton) EXPECT_FALSE(o.visible);
  for (const auto& k : pl.knob) EXPECT_TRUE(k.visible);
  // The display follows the title line; the frame follows display + "Calibre".
  const QRect vd = voltmeter.rect;
  EXPECT_GT(vd.top(), 166 + 10);
  EXPECT_LT(vd.top(), 166 + 22);
  EXPECT_GT(pl.voltmeterFrame.rect.top(), vd.bottom() + 4 + 8);
  EXPECT_EQ(pl.ammeterFrame.rect.top() - ammeter.rect.top(), pl.voltmeterFrame.rect.top() - vd.top());
  // Frames stay inside their instrument.
  EXPECT_LE(pl.voltmeterFrame.rect.bottom(), ui::layout::kVoltmeterBox.bottom());
  EXPECT_LE(pl.ammeterFrame.rect.bottom(), ui::layout::kAmmeterBox.bottom());
}

TEST(BenchDrawing, ConductimeterPlacement) {
  const ui::BenchPlacement pl = ui::benchPlacement(true);
  for (int m = 0; m < 3; ++m)
    EXPECT_EQ(pl.meterDisplay[m].visible, m == static_cast<int>(velmira::model::Meter::Conductimeter)) << m;
  EXPECT_EQ(pl.meterDisplay[static_cast<int>(velmira::model::Meter::Conductimeter)].rect, QRect(235, 250, 100, 17));
  EXPECT_FALSE(pl.generatorScreen.visible);
  EXPECT_FALSE(pl.voltmeterFrame.visible);
  EXPECT_FALSE(pl.ammeterFrame.visible);
  for (const auto& k : pl.knob) EXPECT_FALSE(k.visible);
  const int tops[6] = {290, 305, 320, 355, 370, 385};
  for (int j = 0; j < 6; ++j) {
    EXPECT_TRUE(pl.rangeButton[j].visible);
    EXPECT_EQ(pl.rangeButton[j].rect, QRect(260, tops[j], 17, 17));
  }
  EXPECT_EQ(pl.option6Back, QColor(0, 100, 180));
}

TEST(BenchBeaker, SurfaceLineRoundsHalfToEven) {
  EXPECT_EQ(ui::surfaceLine(250, false), 378);  // 377.5
  EXPECT_EQ(ui::surfaceLine(60, false), 425);
  EXPECT_EQ(ui::surfaceLine(80, false), 420);
  EXPECT_EQ(ui::surfaceLine(80, true), 380);
  EXPECT_EQ(ui::surfaceLine(250, true), 338);   // 337.5
  EXPECT_EQ(ui::surfaceLine(230, false), 382);  // 382.5 → 382
}

namespace {

// Rows of column x in [y1, y2] drawn in palette 8.
std::vector<int> grey8Rows(const QImage& img, int x, int y1, int y2) {
  std::vector<int> rows;
  for (int y = y1; y <= y2; ++y)
    if (img.pixelColor(x, y) == kGrey8) rows.push_back(y);
  return rows;
}

}  // namespace

TEST(BenchBeaker, MixtureLevelFollowsTheVolume) {
  Pages pages;
  pages.run(false, 250);
  const QImage full = pages.p3.composed();
  // The front half of the surface ellipse (half-axes 30 × 3) passes below
  // the surface line y0 = 378 at x = 96.
  const std::vector<int> rows = grey8Rows(full, 96, 370, 390);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0], 378 + 3);
  EXPECT_EQ(px(full, 90, 378 - 3), QColor(192, 192, 192));  // back half, behind the stem
  // The stem is black above the surface and (90, 90, 90) below.
  EXPECT_EQ(px(full, 103, 377), QColor(0, 0, 0));
  EXPECT_EQ(px(full, 103, 400), QColor(90, 90, 90));
  EXPECT_EQ(px(full, 103, 345 + 95), QColor(150, 150, 150));  // electrode tip

  pages.run(false, 60);
  const QImage low = pages.p3.composed();
  const std::vector<int> lowRows = grey8Rows(low, 96, 370, 440);
  ASSERT_EQ(lowRows.size(), 1u);
  EXPECT_EQ(lowRows[0] - rows[0], 425 - 378);
  EXPECT_EQ(px(low, 103, 410), QColor(0, 0, 0));  // above the liquid now
  // Outside the beaker the mixture page is the solution pages' picture.
  const QImage sol = pages.p1.composed();
  for (QPoint p : {QPoint(120, 255), QPoint(300, 300), QPoint(300, 440), QPoint(200, 200), QPoint(30, 160)})
    EXPECT_EQ(px(low, p.x(), p.y()), px(sol, p.x(), p.y()));
  // The solution pages keep their 80 mL beaker.
  EXPECT_EQ(grey8Rows(sol, 96, 370, 440).size(), 1u);
  EXPECT_EQ(grey8Rows(sol, 96, 370, 440)[0] - rows[0], 420 - 378);
  EXPECT_TRUE(pages.p3.hasBackgroundPicture());
  EXPECT_FALSE(pages.p3.persistent());
}

TEST(BenchBeaker, LevelRedrawsDoNotAccumulate) {
  for (bool conductimeter : {false, true}) {
    Pages pages;
    pages.run(conductimeter, 100);
    const QImage first = pages.p3.composed();
    ui::updateBeakerLevel(pages.p3, conductimeter, 250);
    EXPECT_NE(pages.p3.composed(), first);
    ui::updateBeakerLevel(pages.p3, conductimeter, 60);
    ui::updateBeakerLevel(pages.p3, conductimeter, 100);
    EXPECT_EQ(pages.p3.composed(), first) << conductimeter;
  }
}

TEST(BenchBeaker, ConductimeterMontageSitsFortyHigher) {
  Pages gen, cond;
  gen.run(false, 150);
  cond.run(true, 150);
  const auto g = grey8Rows(gen.p3.composed(), 96, 300, 440);
  const auto c = grey8Rows(cond.p3.composed(), 96, 260, 400);
  ASSERT_EQ(g.size(), 1u);
  ASSERT_EQ(c.size(), 1u);
  EXPECT_EQ(g[0] - c[0], 40);
}

TEST(BenchBeaker, PictureIsTransparentOutsideTheGlass) {
  const QImage& img = ui::beakerPicture(1.0);
  EXPECT_EQ(img.size(), ui::kBeakerSize);
  EXPECT_EQ(qAlpha(img.pixel(0, 102)), 0);
  EXPECT_EQ(qAlpha(img.pixel(65, 0)), 0);
  EXPECT_EQ(qAlpha(img.pixel(5, 5)), 0);
  EXPECT_EQ(qAlpha(img.pixel(38, 10)), 255);  // cell head
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const int a = qAlpha(img.pixel(x, y));
      ASSERT_TRUE(a == 0 || a == 255) << x << "," << y;
    }
  const QImage& big = ui::beakerPicture(2.0);
  EXPECT_EQ(big.size(), ui::kBeakerSize * 2);
  EXPECT_EQ(big.devicePixelRatio(), 2.0);
}
