// SPDX-License-Identifier: GPL-3.0-or-later
// The three tabs in both montages; with VELMIRA_SCREENSHOTS set to a folder
// the window pictures are written there (screenshot-<tab>-<montage>.png).
#include <QDir>

#include "tests/ui/WindowFixture.h"
#include "ui/CellOptionsFrame.h"

namespace velmira::ui::testing {
namespace {

using ScreenshotTest = WindowTest;

TEST_F(ScreenshotTest, EachTabOfEachMontageShowsItsOwnPicture) {
  const QString out = qEnvironmentVariable("VELMIRA_SCREENSHOTS");
  static const char* const tabs[3] = {"solution1", "solution2", "melange"};
  std::vector<QImage> shots;
  for (int m = 0; m < 2; ++m) {
    if (m == 1) clickOption(conductimeterMontageButton(*window));
    ASSERT_EQ(window->workbench().conductimeterMontage(), m == 1);
    for (int t = 1; t <= 3; ++t) {
      clickTab(t);
      ASSERT_EQ(window->benches().tabStrip()->currentTab(), t);
      QApplication::processEvents();
      const QImage shot = window->grab().toImage();
      EXPECT_EQ(shot.size(), window->size() * window->devicePixelRatioF());
      for (const QImage& other : shots) EXPECT_NE(shot, other);
      shots.push_back(shot);
      if (!out.isEmpty()) {
        const QString name =
            QStringLiteral("screenshot-%1-%2.png")
                .arg(QString::fromUtf8(tabs[t - 1]), m == 0 ? QStringLiteral("gbf") : QStringLiteral("conductimetre"));
        EXPECT_TRUE(shot.save(QDir(out).filePath(name)));
      }
    }
  }
}

}  // namespace
}  // namespace velmira::ui::testing
