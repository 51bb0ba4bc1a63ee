#include "ui/drawing/BenchDrawing.h"

#include "platform/core/NumberText.h"
#include "platform/qt/Surface.h"
#include "ui/drawing/BeakerRule.h"
#include "ui/drawing/GradientBand.h"
#include "widgets/Colours.h"

namespace velmira::ui {

namespace {

int rnd(double v) { return static_cast<int>(num::roundHalfEven(v)); }

// Range buttons: S, mS, µS under "Conductance", then the three
// conductivity units under "Conductivité".
int rangeButtonTop(int j) { return j < 3 ? 290 + 15 * j : 355 + 15 * (j - 3); }

void bevelledBox(qtp::Surface& s, int x1, int y1, int x2, int y2, const QColor& light, const QColor& face) {
  s.rectangle(x1 + 1, y1 + 1, x2 - 1, y2 - 1, light);
  s.rectangle(x1 + 2, y1 + 2, x2 - 1, y2 - 1, widgets::kDarkGrey);
  s.filledRectangle(x1 + 2, y1 + 2, x2 - 2, y2 - 2, face);
  s.rectangle(x1, y1, x2, y2, widgets::kBlack);
}

// Tops that follow the instrument titles: display top, then calibre frame top.
struct MeterTops {
  int display;
  int frame;
};

MeterTops meterTops(qtp::Surface& s, int titleY, const BenchSizes& sz) {
  const QString name = s.fontName();
  const double size = s.fontSize();
  const bool bold = s.bold(), italic = s.italic();
  s.setFont(QStringLiteral("Arial"), 10, false, false);
  const int title = s.textHeight();
  s.setFont(QStringLiteral("Arial"), 8, false, false);
  const int calibre = s.textHeight();
  s.setFont(name, size, bold, italic);
  const int display = titleY + title;
  return {display, display + sz.meterDisplay.height() + 4 + calibre};
}

void placeAll(qtp::Surface& s, BenchPlacement& pl, const BenchSizes& sz) {
  const MeterTops volt = meterTops(s, 166, sz);
  const MeterTops amp = meterTops(s, 207, sz);
  const QSize md = sz.meterDisplay;
  for (int b = 1; b <= 3; ++b) {
    pl.meterDisplay[b - 1].rect = QRect(235, 250, 100, sz.conductimeterDisplayHeight);
    pl.meterDisplay[2 * b + 2].rect = QRect(QPoint(rnd(135 - md.width() / 2.0), volt.display), md);
    pl.meterDisplay[2 * b + 1].rect = QRect(QPoint(rnd(307 - md.width() / 2.0), amp.display), md);
    pl.voltmeterFrame[b - 1].rect =
        QRect(QPoint(rnd(135 - sz.calibreFrame.width() / 2.0), volt.frame), sz.calibreFrame);
    pl.ammeterFrame[b - 1].rect = QRect(QPoint(rnd(307 - sz.calibreFrame.width() / 2.0), amp.frame), sz.calibreFrame);
    pl.generatorScreen[b - 1].rect =
        QRect(QPoint(rnd(304 - sz.generatorScreen.width() / 2.0), 367), sz.generatorScreen);
    pl.knob[2 * b - 2].rect = QRect(QPoint(250, 390), sz.knob);
    pl.knob[2 * b - 1].rect = QRect(QPoint(360 - sz.knob.width(), 390), sz.knob);
    for (int j = 0; j < 6; ++j)
      pl.rangeButton[6 * (b - 1) + j].rect = QRect(QPoint(260, rangeButtonTop(j)), sz.rangeButton);
  }
  const bool c = pl.conductimeter;
  for (int e = 0; e < 9; ++e) pl.meterDisplay[e].visible = (e <= 2) == c;
  for (auto& x : pl.generatorScreen) x.visible = !c;
  for (auto& x : pl.knob) x.visible = !c;
  for (auto& x : pl.rangeButton) x.visible = c;
  for (auto& x : pl.voltmeterFrame) x.visible = !c;
  for (auto& x : pl.ammeterFrame) x.visible = !c;
}

void generatorMontage(qtp::Surface& s, const BenchPlacement& pl) {
  const int h = s.height();
  s.setDrawWidth(1);
  s.setForeColor(widgets::kBlack);
  s.setFont(QStringLiteral("Arial"), 10, true);
  s.setPen(20, h - 300);
  s.printLine(QStringLiteral("Mesure"));
  s.setBold(false);
  s.setFontSize(10);

  // Voltmeter.
  s.setForeColor(widgets::kVoltmeterTitle);
  bevelledBox(s, 90, 165, 180, 275, widgets::kVoltmeterLight, widgets::kVoltmeterFace);
  s.setPen(95, 166);
  s.printLine(QStringLiteral("Voltmètre"));
  s.setFontSize(8);
  const QRect vd = pl.meterDisplay[4].rect;
  s.setPen(95, vd.top() + vd.height() + 4);
  s.setForeColor(widgets::kBlack);
  s.printLine(QStringLiteral("Calibre"));

  // Ammeter.
  bevelledBox(s, 262, 206, 352, 316, widgets::kAmmeterLight, widgets::kAmmeterFace);
  s.setPen(267, 207);
  s.setForeColor(widgets::kAmmeterTitle);
  s.setFontSize(10);
  s.printLine(QStringLiteral("Ampèremètre"));
  s.setFontSize(8);
  const QRect ad = pl.meterDisplay[3].rect;
  s.setPen(267, ad.top() + ad.height() + 4);
  s.setForeColor(widgets::kBlack);
  s.printLine(QStringLiteral("Calibre"));

  // Generator.
  bevelledBox(s, 233, 344, 375, 447, widgets::kGeneratorLight, widgets::kGeneratorFace);
  s.setFont(QStringLiteral("Verdana"), 10, true);
  const int t = s.textWidth(QStringLiteral("G.B.F."));
  s.setForeColor(widgets::kDarkGrey);
  s.setPen(371 - t, 349);
  s.printStay(QStringLiteral("G.B.F."));
  s.setForeColor(widgets::kWhite);
  s.setPen(370 - t, 348);
  s.printStay(QStringLiteral("G.B.F."));
  s.setFont(QStringLiteral("Arial"), 8, true);
  s.setForeColor(widgets::kBlack);
  const QRect amp = pl.knob[0].rect, freq = pl.knob[1].rect;
  s.setPen(amp.left() + (amp.width() - s.textWidth(QStringLiteral("Amplitude"))) / 2.0, amp.top() + amp.height() - 2);
  s.printLine(QStringLiteral("Amplitude"));
  s.setPen(freq.left() + (freq.width() - s.textWidth(QStringLiteral("Fréquence"))) / 2.0,
           freq.top() + freq.height() - 2);
  s.printLine(QStringLiteral("Fréquence"));

  // Terminals.
  s.setFillSolid(widgets::kWireBlue);
  s.circle(100, 269, 3, widgets::kBlack);
  s.circle(171, 269, 3, widgets::kBlack);
  s.setFillSolid(widgets::kRed);
  s.circle(253, 353, 3, widgets::kBlack);
  s.circle(340, 310, 3, widgets::kBlack);
  s.circle(272, 310, 3, widgets::kBlack);
  s.setFillSolid(widgets::kBlack);
  s.circle(243, 353, 3, widgets::kBlack);
  s.setFillTransparent();

  // Cable plugs above the cell.
  s.filledRectangle(97, 335, 100, 344, widgets::kRed);
  s.filledRectangle(102, 335, 105, 344, widgets::kBlack);
  s.filledRectangle(97, 325, 100, 335, widgets::kWireBlue);
  s.filledRectangle(102, 325, 105, 335, widgets::kWireBlue);

  // Wires.
  s.setDrawWidth(2);
  s.arc(110, 316, 26, 1.7, 4.2, 1, widgets::kRed);
  s.arc(252, 310, 20, 3.7, 6.28, 1, widgets::kRed);
  s.arc(146, 403, 120, 0.75, 1.9, 1, widgets::kRed);
  s.arc(100, 291, 21, 1.57, 4.1, 1, widgets::kWireBlue);
  s.arc(79, 327, 20, 0, 1.1, 1, widgets::kWireBlue);
  s.arc(165, 331, 61, 1.5, 3.141, 1, widgets::kWireBlue);
  s.arc(253, 310, 87, 4.71, 6.28, 0.5, widgets::kRed);
  s.arc(172, 353, 72, 0, 2.8, 0.5, widgets::kBlack);
  s.setDrawWidth(1);

  drawBeaker(s, 420, 345);
}

// A unit caption followed by a raised "-1".
void perMetre(qtp::Surface& s, int y, const QString& unit) {
  s.setPen(280, y);
  s.printStay(unit);
  s.currentY -= 4;
  s.printStay(QStringLiteral("-1"));
  s.currentY += 4;
}

void conductimeterMontage(qtp::Surface& s) {
  const int h = s.height();
  s.arc(189, 305, 130, 1.57, 3.1416, 1.5, widgets::kBlack);
  s.arc(189, 245, 70, 0, 1.57, 1.5, widgets::kBlack);
  s.arc(189, 306, 130, 1.57, 3.1416, 1.5, widgets::kBlack);
  s.arc(189, 246, 70, 0, 1.57, 1.5, widgets::kBlack);
  s.arc(190, 306, 130, 1.57, 3.1416, 1.5, widgets::kRed);
  s.arc(188, 246, 70, 0, 1.57, 1.5, widgets::kRed);
  s.setDrawWidth(1);

  s.setForeColor(widgets::kBlack);
  s.setFont(QStringLiteral("Arial"), 10, true);
  s.setPen(20, h - 300);
  s.printLine(QStringLiteral("Mesure"));

  drawBeaker(s, 380, 305);

  s.rectangle(226, 231, 344, 408, widgets::kConductimeterOuter);
  s.rectangle(227, 232, 344, 408, widgets::kDarkBlue);
  s.rectangle(227, 232, 343, 407, widgets::kConductimeterInner);
  s.rectangle(228, 233, 343, 407, widgets::kDarkBlue);
  s.filledRectangle(228, 233, 342, 406, widgets::kConductimeterFace);
  s.rectangle(225, 230, 345, 409, widgets::kBlack);

  s.setFont(QStringLiteral("Times new roman"), 8, true);
  s.setForeColor(widgets::kDarkBlue);
  s.setPen(233, 236);
  s.printStay(QStringLiteral("Conductimètre"));
  s.setForeColor(widgets::kConductimeterOuter);
  s.setPen(232, 235);
  s.printStay(QStringLiteral("Conductimètre"));

  s.setForeColor(widgets::kWhite);
  s.setFont(QStringLiteral("Arial"), 8, true);
  s.setPen(242, 275);
  s.printStay(QStringLiteral("Conductance "));
  s.setItalic(true);
  s.printStay(QStringLiteral("G"));
  s.setItalic(false);
  s.setBold(false);

  const QString units[3] = {QStringLiteral("S"), QStringLiteral("mS"), QStringLiteral("µS")};
  for (int j = 0; j < 3; ++j) {
    s.setPen(280, rangeButtonTop(j) + 2);
    s.printStay(units[j]);
  }

  s.setBold(true);
  s.setFontSize(8);
  s.setPen(242, 340);
  s.printStay(QStringLiteral("Conductivité "));
  s.setFont(QStringLiteral("Symbol"), 12, false);
  s.currentY -= 4;
  s.printStay(QStringLiteral("s"));
  s.setFont(QStringLiteral("Arial"), 8, false);

  for (int j = 0; j < 3; ++j) perMetre(s, rangeButtonTop(j + 3) + 2, units[j] + QStringLiteral(" · m"));
}

}  // namespace

BenchPlacement drawBench(qtp::Surface& page1, bool conductimeter, const BenchSizes& sizes) {
  BenchPlacement pl;
  pl.conductimeter = conductimeter;

  page1.setPersistent(true);
  page1.removeBackgroundPicture();
  page1.setBackColor(widgets::kPageBackground);
  page1.clear();
  page1.setDrawWidth(1);
  page1.setDotted(false);
  page1.setFillTransparent();
  placeAll(page1, pl, sizes);

  drawBand(page1);
  if (conductimeter)
    conductimeterMontage(page1);
  else
    generatorMontage(page1, pl);

  takeBenchPicture(page1, page1.image());
  page1.setPersistent(false);
  return pl;
}

void takeBenchPicture(qtp::Surface& page, const QImage& picture) {
  page.setBackColor(widgets::kPageBackground);
  page.setBackgroundPicture(picture);
}

}  // namespace velmira::ui
