// SPDX-License-Identifier: GPL-3.0-or-later
// Printing layer, read back from PDFs (with pdftoppm and pdftotext when
// installed): texts in points on A4 with their footers and title, pictures
// with captions scaled to fit a page.
#include <gtest/gtest.h>

#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextDocument>

#include "files/rtf/RichDocument.h"
#include "files/ui/RichTextDocument.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Printing.h"
#include "tests/support/PdfPages.h"

namespace {

using namespace velmira::test;
namespace qtp = velmira::qtp;
namespace rtf = velmira::rtf;

constexpr double kMmPerPoint = 25.4 / 72;

bool popplerMissing() {
  return pdftoppm().isEmpty() || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

TEST(Printing, TextInPointsOnA4WithItsFootersTitleAndEmbeddedFonts) {
  if (popplerMissing()) GTEST_SKIP() << "poppler's tools are not installed";
  // A 14 pt heading and 60 paragraphs of 10 pt body, two pages at least.
  rtf::RunFormat body, heading;
  heading.halfPoints = 28;
  heading.bold = true;
  rtf::RichDocument d{{{rtf::Alignment::Centre, 0, {{"Titre", heading}}}}};
  for (int i = 0; i < 60; ++i)
    d.paragraphs.push_back({rtf::Alignment::Left, 0, {{"Corps du texte, ligne " + std::to_string(i) + ".", body}}});
  QTextDocument text;
  text.setDefaultFont(qtp::mapFont(QStringLiteral("Arial"), 10));
  velmira::files::ui::fillTextDocument(text, d);

  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("texte.pdf"));
  auto printer = qtp::pdfPrinter(pdf);
  ASSERT_TRUE(qtp::printTextDocument(*printer, text, QStringLiteral("Titre du texte"), 1.15));

  EXPECT_EQ(pdfInfo(pdf, QStringLiteral("Title")), "Titre du texte");
  EXPECT_TRUE(pdfInfo(pdf, QStringLiteral("Page size")).contains(QStringLiteral("(A4)")));
  const int pages = pdfInfo(pdf, QStringLiteral("Pages")).toInt();
  ASSERT_GE(pages, 2);
  EXPECT_TRUE(allFontsEmbedded(pdf));
  const auto words = pdfWords(pdf);
  // Word boxes are about 1,15 times the size: 10 pt × 1,15 → 11,5 pt; 14 pt → 16,1 pt.
  const auto bodyWords = wordsOf(words, QStringLiteral("Corps"));
  ASSERT_EQ(bodyWords.size(), 60u);  // each line once, on one page
  for (const PdfWord& w : bodyWords) {
    EXPECT_NEAR(w.box.height() / 1.15, 11.5, 0.6);
    EXPECT_NEAR(w.box.left() * kMmPerPoint, 20, 0.5);  // the 2 cm margin
    EXPECT_GT(w.box.top() * kMmPerPoint, 19.5);
    EXPECT_LT(w.box.bottom() * kMmPerPoint, 297 - 20 - 5);  // above the footer
  }
  const auto title = wordsOf(words, QStringLiteral("Titre"));
  ASSERT_EQ(title.size(), 1u);
  EXPECT_NEAR(title[0].box.height() / 1.15, 16.1, 0.8);
  // "Page i / n" centred at the foot of every page.
  const auto footers = wordsOf(words, QStringLiteral("Page"));
  ASSERT_EQ(static_cast<int>(footers.size()), pages);
  for (int i = 0; i < pages; ++i) {
    EXPECT_EQ(footers[static_cast<std::size_t>(i)].page, i + 1);
    EXPECT_GT(footers[static_cast<std::size_t>(i)].box.top() * kMmPerPoint, 297 - 20 - 10);
  }
  const QString plain = popplerOutput(QStringLiteral("pdftotext"), {}, pdf);
  for (int i = 1; i <= pages; ++i) EXPECT_TRUE(plain.contains(QStringLiteral("Page %1 / %2").arg(i).arg(pages))) << i;
}

TEST(Printing, PicturesWithCaptionsUnderTheHeadingScaledToFitAPagePerCopy) {
  if (popplerMissing()) GTEST_SKIP() << "poppler's tools are not installed";
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("bancs.pdf"));
  // Three pictures far too tall for one page at their natural size.
  QImage tall(300, 600, QImage::Format_RGB32);
  tall.fill(Qt::black);
  auto printer = qtp::pdfPrinter(pdf);
  ASSERT_TRUE(qtp::printCaptionedPictures(
      *printer, QStringLiteral("Bancs"), QStringLiteral("Entête"),
      {{tall, QStringLiteral("Premier")}, {tall, QStringLiteral("Second")}, {tall, QStringLiteral("Dernier")}}, 2));
  const auto words = pdfWords(pdf);
  for (const char* w : {"Entête", "Premier", "Second", "Dernier"}) {
    const auto found = wordsOf(words, QString::fromUtf8(w));
    ASSERT_EQ(found.size(), 2u) << w;
    EXPECT_EQ(found[1].page, 2);
  }
  constexpr int dpi = 36;
  const std::vector<QImage> pages = pdfPages(pdf, dpi, dir.path());
  ASSERT_EQ(pages.size(), 2u);
  const auto blocks = inkRuns(pages[0], [](QRgb c) { return QColor(c).lightness() < 40; });
  // The heading, then each picture above its caption, all above the footer.
  const double mm = dpi / 25.4;
  std::vector<QRect> pictures;
  for (const QRect& b : blocks)
    if (b.height() > 20 * mm) pictures.push_back(b);
  ASSERT_EQ(pictures.size(), 3u);
  for (const QRect& p : pictures) {
    EXPECT_NEAR(p.width() * 2.0, p.height(), 3);  // the picture's proportions
    EXPECT_NEAR(p.center().x(), 105 * mm, 2);     // centred across
  }
  const auto caption = wordsOf(words, QStringLiteral("Dernier"))[0];
  EXPECT_GT(caption.box.top() / 72 * dpi, pictures[2].bottom());
  EXPECT_LT(caption.box.bottom() / 72 * 25.4, 297 - 20 - 5);
}

}  // namespace
