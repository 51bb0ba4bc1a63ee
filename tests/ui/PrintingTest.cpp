// Printing layer: pictures stacked down the page at their natural size, a
// new page per copy (read back from a PDF with pdftoppm when installed).
#include <gtest/gtest.h>

#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/qt/Printing.h"

namespace {

// Rows and columns holding dark pixels, as one box per run of rows.
std::vector<QRect> inkBlocks(const QImage& page) {
  std::vector<QRect> blocks;
  QRect current;
  for (int y = 0; y < page.height(); ++y) {
    QRect row;
    for (int x = 0; x < page.width(); ++x)
      if (page.pixelColor(x, y).lightness() < 128) row |= QRect(x, y, 1, 1);
    if (!row.isNull()) {
      current |= row;
    } else if (!current.isNull()) {
      blocks.push_back(current);
      current = QRect();
    }
  }
  if (!current.isNull()) blocks.push_back(current);
  return blocks;
}

TEST(Printing, PicturesStackedFromTheTopANewPagePerCopy) {
  const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
  if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm is not installed";
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("pages.pdf"));
  QImage wide(200, 100, QImage::Format_RGB32), narrow(100, 50, QImage::Format_RGB32);
  wide.fill(Qt::black);
  narrow.fill(Qt::black);
  auto printer = velmira::qtp::pdfPrinter(pdf);
  ASSERT_TRUE(velmira::qtp::printStacked(*printer, {wide, narrow}, 2));

  constexpr int dpi = 48;
  ASSERT_EQ(QProcess::execute(pdftoppm, {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), pdf,
                                         dir.filePath(QStringLiteral("page"))}),
            0);
  const QStringList pages = QDir(dir.path()).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name);
  ASSERT_EQ(pages.size(), 2);
  const QRectF area = printer->pageLayout().paintRect(QPageLayout::Inch);
  const double gap = area.height() / 20 * dpi, perPixel = dpi / 96.0;
  for (const QString& name : pages) {
    const auto blocks = inkBlocks(QImage(dir.filePath(name)));
    ASSERT_EQ(blocks.size(), 2u) << name.toStdString();
    EXPECT_NEAR(blocks[0].top(), area.top() * dpi + gap, 2);
    EXPECT_NEAR(blocks[0].width(), 200 * perPixel, 2);
    EXPECT_NEAR(blocks[0].height(), 100 * perPixel, 2);
    EXPECT_NEAR(blocks[1].top(), blocks[0].bottom() + 1 + gap, 2);
    EXPECT_NEAR(blocks[1].width(), 100 * perPixel, 2);
    for (const QRect& b : blocks) EXPECT_NEAR(b.center().x() + 0.5, area.center().x() * dpi, 2);
  }
}

}  // namespace
