// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing surface: pixel-exact shapes, arc convention, layers, text pen and
// the font mapping.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QRawFont>
#include <QTemporaryDir>
#include <cmath>
#include <iterator>
#include <numbers>

#include "platform/qt/Fonts.h"
#include "platform/qt/Surface.h"

using velmira::qtp::Surface;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

Surface whiteSurface(int w, int h, double dpr = 1.0) {
  Surface s(w, h, dpr);
  s.setBackColor(kWhite);
  s.setPersistent(true);
  s.clear();
  return s;
}

QColor at(const Surface& s, int x, int y) { return s.image().pixelColor(x, y); }

// Bounding box (logical = device at ratio 1) of the pixels of colour c.
QRect inkBox(const QImage& img, const QColor& c) {
  QRect box;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixelColor(x, y) == c) box = box.united(QRect(x, y, 1, 1));
  return box;
}

}  // namespace

TEST(SurfaceShapes, LineRectanglesAndPointsArePixelExact) {
  Surface s = whiteSurface(30, 30);
  s.line(2, 3, 8, 3, kBlack);
  for (int x = 2; x <= 8; ++x) EXPECT_EQ(at(s, x, 3), kBlack) << x;
  EXPECT_EQ(at(s, 1, 3), kWhite);
  EXPECT_EQ(at(s, 9, 3), kWhite);
  EXPECT_EQ(at(s, 5, 2), kWhite);
  EXPECT_EQ(at(s, 5, 4), kWhite);

  const QColor red(255, 0, 0);
  s.rectangle(10, 10, 15, 14, red);
  EXPECT_EQ(inkBox(s.image(), red), QRect(QPoint(10, 10), QPoint(15, 14)));
  EXPECT_EQ(at(s, 12, 12), kWhite);  // transparent fill: the inside stays

  const QColor blue(0, 0, 255);
  s.filledRectangle(20, 20, 22, 25, blue);
  EXPECT_EQ(inkBox(s.image(), blue), QRect(QPoint(20, 20), QPoint(22, 25)));
  s.point(0, 0, blue);
  EXPECT_EQ(at(s, 0, 0), blue);

  // A solid fill also fills rectangle outlines.
  const QColor green(0, 255, 0);
  s.setFillSolid(green);
  s.rectangle(3, 20, 8, 26, kBlack);
  EXPECT_EQ(at(s, 5, 23), green);
  EXPECT_EQ(at(s, 3, 20), kBlack);
}

TEST(SurfaceShapes, DottedAndWidePens) {
  Surface s = whiteSurface(40, 20);
  s.setDotted(true);
  s.line(0, 2, 39, 2, kBlack);
  int ink = 0;
  for (int x = 0; x < 40; ++x) ink += at(s, x, 2) == kBlack;
  EXPECT_GT(ink, 8);
  EXPECT_LT(ink, 32);
  s.setDotted(false);
  s.setDrawWidth(2);
  s.line(5, 10, 30, 10, kBlack);
  int rows = 0;
  for (int y = 7; y <= 13; ++y) rows += at(s, 15, y) == kBlack;
  EXPECT_EQ(rows, 2);
  s.setDrawWidth(0);
  EXPECT_EQ(s.drawWidth(), 1);
}

TEST(SurfaceShapes, ComputedCoordinatesRoundHalfToEven) {
  Surface s = whiteSurface(20, 20);
  s.line(2.5, 1, 2.5, 5, kBlack);  // → x = 2
  s.line(5.5, 1, 5.5, 5, kBlack);  // → x = 6
  EXPECT_EQ(at(s, 2, 3), kBlack);
  EXPECT_EQ(at(s, 3, 3), kWhite);
  EXPECT_EQ(at(s, 6, 3), kBlack);
  EXPECT_EQ(at(s, 5, 3), kWhite);
  s.filledRectangle(10.5, 10.5, 12.5, 12.5, kBlack);  // → 10..12
  EXPECT_EQ(at(s, 10, 10), kBlack);
  EXPECT_EQ(at(s, 12, 12), kBlack);
  EXPECT_EQ(at(s, 9, 10), kWhite);
  EXPECT_EQ(at(s, 13, 12), kWhite);
  EXPECT_EQ(at(s, 11, 13), kWhite);
}

TEST(SurfaceArcs, QuarterArcFromZeroToHalfPiLiesUpperRight) {
  Surface s = whiteSurface(41, 41);
  s.arc(20, 20, 15, 0, std::numbers::pi / 2, kBlack);
  const QRect box = inkBox(s.image(), kBlack);
  ASSERT_FALSE(box.isNull());
  EXPECT_GE(box.left(), 20);
  EXPECT_LE(box.bottom(), 20);
  EXPECT_GE(box.right(), 34);  // reaches (35, 20)
  EXPECT_LE(box.top(), 6);     // reaches (20, 5)

  // From 3π/2 to 2π: lower right; an arc runs anticlockwise through 0 when
  // end < start (from 3π/2 to π/2 covers the right half).
  Surface t = whiteSurface(41, 41);
  t.arc(20, 20, 15, 3 * std::numbers::pi / 2, std::numbers::pi / 2, kBlack);
  const QRect right = inkBox(t.image(), kBlack);
  EXPECT_GE(right.left(), 20);
  EXPECT_LE(right.top(), 6);
  EXPECT_GE(right.bottom(), 34);
}

TEST(SurfaceArcs, AspectSelectsTheHalfAxisTheRadiusMeasures) {
  Surface flat = whiteSurface(60, 60);
  flat.arc(30, 30, 20, 0, 6.28, 0.5, kBlack);  // 40 wide, 20 high
  const QRect f = inkBox(flat.image(), kBlack);
  EXPECT_NEAR(f.width(), 41, 1);
  EXPECT_NEAR(f.height(), 21, 1);

  Surface tall = whiteSurface(60, 60);
  tall.arc(30, 30, 20, 0, 6.28, 2.0, kBlack);  // 20 wide, 40 high
  const QRect t = inkBox(tall.image(), kBlack);
  EXPECT_NEAR(t.width(), 21, 1);
  EXPECT_NEAR(t.height(), 41, 1);

  Surface disc = whiteSurface(30, 30);
  disc.setFillSolid(QColor(0, 0, 255));
  disc.circle(15, 15, 6, kBlack);
  EXPECT_EQ(disc.image().pixelColor(15, 15), QColor(0, 0, 255));
  EXPECT_NEAR(inkBox(disc.image(), kBlack).width(), 13, 1);
}

TEST(SurfaceLayers, ClearKeepsTheBackgroundPictureUntilItIsRemoved) {
  Surface s = whiteSurface(20, 20);
  s.filledRectangle(0, 0, 4, 4, kBlack);
  QImage picture = s.image();
  s.setBackgroundPicture(picture);
  s.filledRectangle(10, 10, 12, 12, QColor(255, 0, 0));
  s.clear();
  EXPECT_EQ(at(s, 2, 2), kBlack);    // picture stays
  EXPECT_EQ(at(s, 11, 11), kWhite);  // drawing gone
  s.removeBackgroundPicture();
  s.setBackColor(QColor(240, 235, 230));
  s.clear();
  EXPECT_EQ(at(s, 2, 2), QColor(240, 235, 230));
}

TEST(SurfaceLayers, ResizeAndRatioChangesKeepTheDrawing) {
  Surface s = whiteSurface(10, 10);
  s.filledRectangle(2, 2, 3, 3, kBlack);
  s.setBackColor(QColor(240, 235, 230));
  s.resize(20, 15);
  EXPECT_EQ(s.size(), QSize(20, 15));
  EXPECT_EQ(at(s, 2, 2), kBlack);
  EXPECT_EQ(at(s, 15, 12), QColor(240, 235, 230));
  s.setDevicePixelRatio(2.0);
  EXPECT_EQ(s.image().size(), QSize(40, 30));
  EXPECT_EQ(s.image().pixelColor(5, 5), kBlack);
  EXPECT_EQ(s.image().pixelColor(30, 25), QColor(240, 235, 230));
}

TEST(SurfaceLayers, TransientDrawingShowsOverTheImageAndIsErasedPerRepaint) {
  Surface s = whiteSurface(20, 20);
  s.setPersistent(false);
  s.filledRectangle(5, 5, 6, 6, kBlack);
  EXPECT_EQ(at(s, 5, 5), kWhite);
  EXPECT_EQ(s.composed().pixelColor(5, 5), kBlack);
  s.beginTransient();
  EXPECT_EQ(s.composed().pixelColor(5, 5), kWhite);
  int changes = 0;
  s.setChangedCallback([&] { ++changes; });
  s.line(0, 0, 3, 0, kBlack);
  EXPECT_EQ(changes, 1);
}

TEST(SurfaceText, PenMovesToNextLineOrStaysAfterTheText) {
  Surface s = whiteSurface(200, 60);
  s.setFont(QStringLiteral("Arial"), 10);
  const int w = s.textWidth(QStringLiteral("Mesure"));
  const int h = s.textHeight();
  EXPECT_GT(w, 20);
  EXPECT_GE(h, 13);
  s.setPen(30, 10);
  s.printStay(QStringLiteral("Mesure"));
  EXPECT_EQ(s.currentX, 30 + w);
  EXPECT_EQ(s.currentY, 10);
  s.printLine(QStringLiteral("x"));
  EXPECT_EQ(s.currentX, 0);
  EXPECT_EQ(s.currentY, 10 + h);
  // Ink lies within the line that starts at the pen.
  bool any = false;
  for (int y = 10; y < 10 + h; ++y)
    for (int x = 30; x < 30 + w; ++x)
      if (qGray(s.image().pixel(x, y)) < 128) any = true;
  EXPECT_TRUE(any);
  for (int x = 0; x < 200; ++x) EXPECT_EQ(at(s, x, 9), kWhite) << x;

  // Bold and Symbol text are measured as drawn.
  s.setBold(true);
  EXPECT_GT(s.textWidth(QStringLiteral("Mesure")), w);
  s.setFont(QStringLiteral("Symbol"), 12);
  EXPECT_EQ(
      s.textWidth(QStringLiteral("s")),
      QFontMetrics(velmira::qtp::mapFont(QStringLiteral("Symbol"), 12)).horizontalAdvance(QString(QChar(0x03C3))));
}

TEST(SurfaceImages, TransparentImagesAndRectangleCopies) {
  Surface s = whiteSurface(20, 20);
  QImage img(4, 4, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  img.setPixelColor(1, 1, kBlack);
  s.drawImage(5, 5, img);
  EXPECT_EQ(at(s, 6, 6), kBlack);
  EXPECT_EQ(at(s, 5, 5), kWhite);

  Surface d = whiteSurface(10, 10);
  d.copyFrom(s, QRect(5, 5, 3, 3), QPoint(0, 2));
  EXPECT_EQ(d.image().pixelColor(1, 3), kBlack);
  EXPECT_EQ(d.image().pixelColor(0, 2), kWhite);
  const QImage part = s.copyRect(QRect(6, 6, 2, 2));
  EXPECT_EQ(part.size(), QSize(2, 2));
  EXPECT_EQ(part.pixelColor(0, 0), kBlack);
}

TEST(SurfaceImages, HighRatioKeepsLogicalCoordinates) {
  Surface s = whiteSurface(20, 10, 2.0);
  EXPECT_EQ(s.image().size(), QSize(40, 20));
  EXPECT_EQ(s.image().devicePixelRatio(), 2.0);
  s.line(2, 3, 8, 3, kBlack);
  EXPECT_EQ(s.image().pixelColor(4, 6), kBlack);
  EXPECT_EQ(s.image().pixelColor(4, 7), kBlack);  // one logical pixel = two rows
  EXPECT_EQ(s.image().pixelColor(4, 5), kWhite);
  EXPECT_EQ(s.image().pixelColor(4, 8), kWhite);
  // A copy keeps the ratio.
  Surface d(20, 10, 2.0);
  d.copyFrom(s);
  EXPECT_EQ(d.composed().pixelColor(16, 7), kBlack);  // drawn on the transient layer
  EXPECT_EQ(d.image().pixelColor(16, 7), kWhite);
}

TEST(Fonts, ClassicNamesAndPointSizes) {
  using namespace velmira::qtp;
  EXPECT_EQ(mappedFamily(QStringLiteral("Arial")), QStringLiteral("Velmira Sans"));
  EXPECT_EQ(mappedFamily(QStringLiteral("Times new roman")), QStringLiteral("Velmira Serif"));
  EXPECT_EQ(mappedFamily(QStringLiteral("TIMES NEW ROMAN")), QStringLiteral("Velmira Serif"));
  EXPECT_EQ(mappedFamily(QStringLiteral("Verdana")), QStringLiteral("Velmira Large"));
  EXPECT_EQ(mappedFamily(QStringLiteral("Symbol")), QStringLiteral("Velmira Large"));
  EXPECT_EQ(mappedFamily(QStringLiteral("courier new")), QStringLiteral("Velmira Mono"));
  // No other family is ever asked for: an own family stays, any other name is the sans face.
  EXPECT_EQ(mappedFamily(QStringLiteral("Velmira Mono")), QStringLiteral("Velmira Mono"));
  EXPECT_EQ(mappedFamily(QStringLiteral("Liberation Sans")), QStringLiteral("Velmira Sans"));
  EXPECT_EQ(mappedFamily(QStringLiteral("Comic Sans MS")), QStringLiteral("Velmira Sans"));
  EXPECT_EQ(mapFont(QStringLiteral("Arial"), 10).families(),
            QStringList({QStringLiteral("Velmira Sans"), QStringLiteral("Velmira Large")}));
  EXPECT_EQ(mapFont(QStringLiteral("Symbol"), 10).families(), QStringList({QStringLiteral("Velmira Large")}));
  EXPECT_TRUE(isSymbolFont(QStringLiteral("symbol")));
  EXPECT_EQ(fontPixelSize(10), 13);
  EXPECT_EQ(fontPixelSize(8), 11);
  EXPECT_EQ(fontPixelSize(8.25), 11);
  EXPECT_EQ(fontPixelSize(9.75), 13);
  EXPECT_EQ(fontPixelSize(12), 16);
  EXPECT_EQ(fontPixelSize(7.875), 10);  // 10.5 → 10
  EXPECT_EQ(mapFont(QStringLiteral("Arial"), 10, true, true).pixelSize(), 13);
  EXPECT_TRUE(mapFont(QStringLiteral("Arial"), 10, true, true).bold());
  EXPECT_EQ(symbolToUnicode(QStringLiteral("s")), QString(QChar(0x03C3)));
  EXPECT_EQ(symbolToUnicode(QString(QChar(0x00B7))), QString(QChar(0x2022)));
  EXPECT_EQ(symbolToUnicode(QString(QChar(0x00AF))), QString(QChar(0x2193)));
  EXPECT_EQ(symbolToUnicode(QStringLiteral("W1 ")), QString(QChar(0x03A9)) + QStringLiteral("1 "));
}

// The test program loads the build's faces as the program does (QtTestMain):
// each classic name draws with its own face, in its own style where the face
// has one, whatever else the machine has.
TEST(Fonts, EachNameDrawsWithTheProgramsOwnFaceAndStyle) {
  using velmira::qtp::mapFont;
  struct Case {
    const char* name;
    bool bold, italic;
    const char* family;
    const char* style;
  };
  const Case cases[] = {{"Arial", false, false, "Velmira Sans", "Regular"},
                        {"Arial", true, true, "Velmira Sans", "Bold Italic"},
                        {"Arial", false, true, "Velmira Sans", "Italic"},
                        {"Times New Roman", true, false, "Velmira Serif", "Bold"},
                        {"Times New Roman", true, true, "Velmira Serif", "Bold Italic"},
                        {"Verdana", false, false, "Velmira Large", "Book"},
                        {"Verdana", true, false, "Velmira Large", "Bold"},
                        {"Symbol", false, false, "Velmira Large", "Book"},
                        {"Courier New", false, false, "Velmira Mono", "Book"},
                        {"Wingdings", false, false, "Velmira Sans", "Regular"}};
  for (const Case& c : cases) {
    const QRawFont face = QRawFont::fromFont(mapFont(QString::fromLatin1(c.name), 10, c.bold, c.italic));
    EXPECT_EQ(face.familyName(), QString::fromLatin1(c.family)) << c.name;
    EXPECT_EQ(face.styleName(), QString::fromLatin1(c.style)) << c.name;
  }
  // The application's own font (every widget without a font of its own).
  EXPECT_EQ(QFontInfo(QGuiApplication::font()).family(), QStringLiteral("Velmira Large"));
}

TEST(Fonts, MissingFacesAreToldAndLeftOut) {
  QTemporaryDir empty;
  const QStringList missing = velmira::qtp::useProgramFaces(empty.path());
  EXPECT_EQ(missing.size(), static_cast<qsizetype>(std::size(velmira::qtp::kFaceFiles)));
  EXPECT_TRUE(missing.front().startsWith(empty.path() + QStringLiteral("/polices/")));
}
