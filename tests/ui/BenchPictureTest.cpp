// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the benches: the band of the bench's page with its own live
// controls drawn over it, copied to the clipboard from the copy button's
// menu. With VELMIRA_SCREENSHOTS set to a folder the picture of bench 1 is
// written there (picture-banc1.png).
#include <QClipboard>
#include <QDir>

#include "tests/ui/WindowFixture.h"
#include "ui/BenchPicture.h"
#include "ui/CalibreFrame.h"
#include "ui/CopyMenu.h"
#include "ui/KnobWidget.h"
#include "widgets/RadioMark.h"

QT_BEGIN_NAMESPACE
static void PrintTo(const QColor& c, std::ostream* os) { *os << c.name().toStdString(); }
QT_END_NAMESPACE

namespace velmira::ui::testing {
namespace {

class BenchPictureTest : public WindowTest {
 protected:
  // The picture's origin on the pages: the band's top-left corner.
  QPoint origin() const { return {10, page(*window, 1)->height() - 310}; }
  // The colour at a logical point of a picture.
  static QColor at(const QImage& picture, QPointF p) {
    const double r = picture.devicePixelRatio();
    return picture.pixelColor(static_cast<int>(p.x() * r), static_cast<int>(p.y() * r));
  }
  // Where the centre of the mark of an option of bench b lands in its picture.
  QPointF markCentre(int b, const QRadioButton* o) const {
    return QPointF(o->mapTo(page(*window, b), QPoint(0, 0)) - origin()) +
           static_cast<const widgets::RadioMark*>(o)->centre();
  }
  QRect inPicture(const QWidget* w) const { return w->geometry().translated(-origin()); }
  // The ink of a colour inside a logical rectangle, in logical pixels.
  static QRectF ink(const QImage& picture, const QRect& area, const QColor& colour) {
    const double r = picture.devicePixelRatio();
    QRect found;
    for (int y = static_cast<int>(area.top() * r); y < (area.bottom() + 1) * r; ++y)
      for (int x = static_cast<int>(area.left() * r); x < (area.right() + 1) * r; ++x)
        if (picture.pixelColor(x, y) == colour) found |= QRect(x, y, 1, 1);
    return QRectF(found.x() / r, found.y() / r, found.width() / r, found.height() / r);
  }
  QImage copyFromMenu(int bench) {
    QTest::mouseClick(commandButton(*window, Command::Copy), Qt::LeftButton);
    CopyMenu* menu = window->findChild<CopyMenu*>();
    EXPECT_TRUE(menu && menu->isVisible());
    if (!menu) return {};
    QAction* entry[3] = {menu->entry(Bench::Solution1), menu->entry(Bench::Solution2), menu->entry(Bench::Mixture)};
    entry[bench - 1]->trigger();
    menu->hide();
    return QGuiApplication::clipboard()->image();
  }
};

TEST_F(BenchPictureTest, CopyPutsTheBenchWithItsControlsOnTheClipboard) {
  const QImage picture = copyFromMenu(1);
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(window->hintLine()->hint(),
            "L'image est copiée\u00A0: vous pouvez la retrouver depuis toute autre application (coller)");
  EXPECT_GE(picture.devicePixelRatio(), 2.0);
  EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(page(*window, 1)->width() - 19, 301));
  EXPECT_EQ(at(picture, {0, 0}), QColor(128, 128, 128));  // the band's frame
  EXPECT_EQ(at(picture, {1, 1}), QColor(255, 200, 155));  // its first row

  // The 2 V calibre is selected, 20 V is not.
  ASSERT_TRUE(voltmeterCalibreButton(*window, 1)->isChecked());
  EXPECT_EQ(at(picture, markCentre(1, voltmeterCalibreButton(*window, 1))), QColor(0, 0, 0));
  EXPECT_EQ(at(picture, markCentre(1, voltmeterCalibreButton(*window, 0))), QColor(255, 255, 255));

  // The voltmeter display: a sunken frame, the text centred.
  const QRect d = inPicture(meterDisplay(*window, 4));
  const QPointF c(0.5, 0.5);
  EXPECT_EQ(at(picture, d.topLeft() + c), QColor(128, 128, 128));
  EXPECT_EQ(at(picture, d.topLeft() + QPointF(1, 1) + c), QColor(0, 0, 0));
  EXPECT_EQ(at(picture, QPointF(d.right() + 1, d.bottom() + 1) + c), QColor(255, 255, 255));
  EXPECT_EQ(at(picture, QPointF(d.right(), d.bottom()) + c), QColor(192, 192, 192));
  EXPECT_EQ(at(picture, d.topLeft() + QPointF(3, 3) + c), QColor(240, 235, 230));
  ASSERT_FALSE(display(4).isEmpty());
  const QRectF text = ink(picture, d.adjusted(2, 2, -2, -2), QColor(0, 0, 0));
  ASSERT_FALSE(text.isEmpty());
  EXPECT_NEAR(text.center().x(), d.left() + d.width() / 2.0, 1.5);
  // The generator screen keeps its green digits.
  EXPECT_FALSE(ink(picture, inPicture(generatorScreen(*window, 0)), QColor(0, 255, 0)).isEmpty());

  const QString out = qEnvironmentVariable("VELMIRA_SCREENSHOTS");
  if (!out.isEmpty()) {
    EXPECT_TRUE(picture.save(QDir(out).filePath(QStringLiteral("picture-banc1.png"))));
  }
}

TEST_F(BenchPictureTest, APictureShowsItsOwnBenchWhicheverIsOnScreen) {
  ASSERT_EQ(window->benches().tabStrip()->currentTab(), 1);
  voltmeterCalibreButton(*window, 4 + 3)->click();  // bench 2: 20 mV
  BenchPicture pictures(*window);
  pictures.compose(2);
  QImage picture = pictures.image();
  for (int j = 0; j < 4; ++j)
    EXPECT_EQ(at(picture, markCentre(2, voltmeterCalibreButton(*window, 4 + j))),
              j == 3 ? QColor(0, 0, 0) : QColor(255, 255, 255))
        << j;
  EXPECT_FALSE(ink(picture, inPicture(knob(*window, 2)), QColor(220, 220, 230)).isEmpty());  // a knob's face

  // Conductimeter montage: the range marks, exactly the selected one dotted,
  // and the display; no knob and no calibre option.
  clickOption(conductimeterMontageButton(*window));
  rangeButton(*window, 6 + 4)->click();  // bench 2: mS·m-1
  clickOption(rangeButton(*window, 0));  // bench 1: S
  pictures.compose(2);
  picture = pictures.image();
  for (int j = 0; j < 6; ++j)
    EXPECT_EQ(at(picture, markCentre(2, rangeButton(*window, 6 + j))), j == 4 ? QColor(0, 0, 0) : QColor(255, 255, 255))
        << j;
  ASSERT_FALSE(display(1).isEmpty());
  EXPECT_FALSE(ink(picture, inPicture(meterDisplay(*window, 1)).adjusted(2, 2, -2, -2), QColor(0, 0, 0)).isEmpty());
  // Nothing else is drawn over the page's band.
  const qtp::Surface& page = testing::page(*window, 2)->surface();
  BenchPicture asShown(*window, page.devicePixelRatio());
  asShown.compose(2);
  const QImage shown = asShown.image();
  const QImage band =
      page.copyRect(QRect(origin(), shown.deviceIndependentSize().toSize())).convertToFormat(QImage::Format_RGB32);
  QRegion drawn = inPicture(meterDisplay(*window, 1)).adjusted(0, 0, 1, 1);
  for (int j = 0; j < 6; ++j) drawn += inPicture(rangeButton(*window, 6 + j));
  const double r = shown.devicePixelRatio();
  int outside = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x)
      if (shown.pixel(x, y) != band.pixel(x, y) &&
          !drawn.contains(QPoint(static_cast<int>(x / r), static_cast<int>(y / r))))
        ++outside;
  EXPECT_EQ(outside, 0);
}

TEST_F(BenchPictureTest, BenchesNotYetShownComeOutWhole) {
  // Pages, knobs and the mixture level not on screen are drawn when first
  // shown; a picture taken before that must not miss them.
  typeEntry(model::Volume1, "150");
  for (int b : {2, 3}) {
    ASSERT_FALSE(page(*window, b)->isVisible()) << b;
    const double screen = page(*window, b)->surface().devicePixelRatio();
    BenchPicture unseen(*window, screen);
    unseen.compose(b);
    const QImage before = unseen.image();
    clickTab(b);
    ASSERT_TRUE(page(*window, b)->isVisible()) << b;
    BenchPicture seen(*window, screen);
    seen.compose(b);
    EXPECT_EQ(before, seen.image()) << b;
  }
}

TEST_F(BenchPictureTest, AtTwiceTheScreensRatioTheBenchIsDrawnAgainAsOnThePage) {
  // The mixture's level follows V1 + V2 in both montages.
  typeEntry(model::Volume1, "150");
  for (int m = 0; m < 2; ++m) {
    if (m == 1) clickOption(conductimeterMontageButton(*window));
    for (int b = 1; b <= 3; ++b) {
      const double screen = page(*window, b)->surface().devicePixelRatio();
      BenchPicture sharp(*window, 2 * screen), asShown(*window, screen);
      sharp.compose(b);
      asShown.compose(b);
      const QImage hi = sharp.image(), lo = asShown.image();
      ASSERT_EQ(hi.deviceIndependentSize(), lo.deviceIndependentSize());
      // Every pixel amid pixels of its colour keeps its colour.
      int flat = 0, changed = 0;
      for (int y = 1; y + 1 < lo.height(); ++y) {
        for (int x = 1; x + 1 < lo.width(); ++x) {
          const QRgb c = lo.pixel(x, y);
          bool amid = true;
          for (int j = -1; j <= 1 && amid; ++j)
            for (int i = -1; i <= 1 && amid; ++i) amid = lo.pixel(x + i, y + j) == c;
          if (!amid) continue;
          ++flat;
          if (hi.pixel(2 * x, 2 * y) != c || hi.pixel(2 * x + 1, 2 * y + 1) != c) ++changed;
        }
      }
      EXPECT_GT(flat, 20000);
      EXPECT_EQ(changed, 0) << "bench " << b << ", montage " << m;
    }
  }
}

TEST_F(BenchPictureTest, TheMixtureEntryIsUnavailableWhileAPrecipitateForms) {
  model::Workbench& wb = window->workbench();
  wb.setSoluteTag(0, "18");  // aluminium chloride with sodium hydroxide
  wb.updateMeters();
  ASSERT_FALSE(wb.mixturePossible());
  copyFromMenu(2);
  EXPECT_FALSE(window->findChild<CopyMenu*>()->entry(Bench::Mixture)->isEnabled());
  EXPECT_TRUE(window->findChild<CopyMenu*>()->entry(Bench::Solution1)->isEnabled());
  wb.setSoluteTag(0, "1");
  wb.updateMeters();
  copyFromMenu(3);
  EXPECT_TRUE(window->findChild<CopyMenu*>()->entry(Bench::Mixture)->isEnabled());
  EXPECT_EQ(QGuiApplication::clipboard()->image().deviceIndependentSize().toSize(),
            QSize(page(*window, 3)->width() - 19, 301));
}

}  // namespace
}  // namespace velmira::ui::testing
