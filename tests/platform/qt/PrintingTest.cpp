// Printing layer: pictures stacked down the page at their natural size, a
// new page per copy (read back from a PDF with pdftoppm when installed).
#include <gtest/gtest.h>

#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>

#include "platform/qt/Printing.h"
#include "tests/support/PdfPages.h"

namespace {


// Rows holding dark pixels, one box per run.
std::vector<QRect> inkBlocks(const QImage& page) {
  return velmira::test::inkRuns(page, [](QRgb c) { return QColor(c).lightness() < 128; });
}

TEST(Printing, PicturesStackedFromTheTopANewPagePerCopy) {
  if (velmira::test::pdftoppm().isEmpty()) GTEST_SKIP() << "pdftoppm is not installed";
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("pages.pdf"));
  QImage wide(200, 100, QImage::Format_RGB32), narrow(100, 50, QImage::Format_RGB32);
  wide.fill(Qt::black);
  narrow.fill(Qt::black);
  auto printer = velmira::qtp::pdfPrinter(pdf);
  ASSERT_TRUE(velmira::qtp::printStacked(*printer, {wide, narrow}, 2));

  constexpr int dpi = 48;
  const std::vector<QImage> pages = velmira::test::pdfPages(pdf, dpi, dir.path());
  ASSERT_EQ(pages.size(), 2u);
  const QRectF area = printer->pageLayout().paintRect(QPageLayout::Inch);
  const double gap = area.height() / 20 * dpi, perPixel = dpi / 96.0;
  for (const QImage& page : pages) {
    const auto blocks = inkBlocks(page);
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_NEAR(blocks[0].top(), area.top() * dpi + gap, 2);
    EXPECT_NEAR(blocks[0].width(), 200 * perPixel, 2);
    EXPECT_NEAR(blocks[0].height(), 100 * perPixel, 2);
    EXPECT_NEAR(blocks[1].top(), blocks[0].bottom() + 1 + gap, 2);
    EXPECT_NEAR(blocks[1].width(), 100 * perPixel, 2);
    for (const QRect& b : blocks) EXPECT_NEAR(b.center().x() + 0.5, area.center().x() * dpi, 2);
  }
}

}  // namespace
