// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawing/BenchDrawing.h"

#include <QCoreApplication>

#include "model/Workbench.h"
#include "platform/core/NumberText.h"
#include "platform/qt/Surface.h"
#include "ui/drawing/BeakerRule.h"
#include "ui/drawing/BenchLayout.h"
#include "ui/drawing/GradientBand.h"
#include "widgets/Colours.h"

namespace velmira::ui {

namespace {

int rnd(double v) { return static_cast<int>(num::roundHalfEven(v)); }

using layout::rangeButtonTop;

void bevelledBox(qtp::Surface& s, const QRect& box, const QColor& light, const QColor& face) {
  const int x1 = box.left(), y1 = box.top(), x2 = box.right(), y2 = box.bottom();
  s.rectangle(x1 + 1, y1 + 1, x2 - 1, y2 - 1, light);
  s.rectangle(x1 + 2, y1 + 2, x2 - 1, y2 - 1, widgets::kDarkGrey);
  s.filledRectangle(x1 + 2, y1 + 2, x2 - 2, y2 - 2, face);
  s.rectangle(x1, y1, x2, y2, widgets::kBlack);
}

QPoint titlePen(const QRect& box) { return box.topLeft() + layout::kTitleOffset; }

// A meter of the generator montage: its box, its title in 10 points and,
// under its display, the calibres' caption in 8.
void meterPanel(qtp::Surface& s, const QRect& box, const QColor& light, const QColor& face, const QColor& titleColour,
                const QString& title, const QRect& display) {
  bevelledBox(s, box, light, face);
  s.setPen(titlePen(box).x(), titlePen(box).y());
  s.setForeColor(titleColour);
  s.setFontSize(10);
  s.printLine(title);
  s.setFontSize(8);
  s.setPen(titlePen(box).x(), display.top() + display.height() + 4);
  s.setForeColor(widgets::kBlack);
  s.printLine(QCoreApplication::translate("velmira::ui::drawing", "Calibre"));
}

// The picture's beaker holds this volume; the mixture page draws its own level over it.
constexpr double kPictureVolume = 80;

void drawPictureBeaker(qtp::Surface& s, bool conductimeter) {
  drawBeaker(s, surfaceLine(kPictureVolume, conductimeter), layout::beakerTop(conductimeter));
}

// Tops that follow the instrument titles: display top, then calibre frame top.
struct MeterTops {
  int display;
  int frame;
};

// The instrument titles are in Arial 10, the calibres' caption in Arial 8.
MeterTops meterTops(int titleY, const BenchSizes& sz) {
  qtp::Surface s;  // text heights are the fonts', whatever the surface
  s.setFont(QStringLiteral("Arial"), 10, false, false);
  const int title = s.textHeight();
  s.setFont(QStringLiteral("Arial"), 8, false, false);
  const int calibre = s.textHeight();
  const int display = titleY + title;
  return {display, display + sz.meterDisplay.height() + 4 + calibre};
}

// A control of `size` centred on the vertical `axis`.
QPoint onAxis(int axis, QSize size, int top) { return QPoint(rnd(axis - size.width() / 2.0), top); }

}  // namespace

BenchPlacement benchPlacement(bool conductimeter, const BenchSizes& sz) {
  using namespace layout;
  BenchPlacement pl;
  pl.conductimeter = conductimeter;
  const MeterTops volt = meterTops(titlePen(kVoltmeterBox).y(), sz);
  const MeterTops amp = meterTops(titlePen(kAmmeterBox).y(), sz);
  auto& display = pl.meterDisplay;
  display[static_cast<int>(model::Meter::Conductimeter)].rect =
      QRect(kConductimeterDisplay, QSize(kConductimeterDisplayWidth, sz.conductimeterDisplayHeight));
  display[static_cast<int>(model::Meter::Voltmeter)].rect =
      QRect(onAxis(kVoltmeterAxis, sz.meterDisplay, volt.display), sz.meterDisplay);
  display[static_cast<int>(model::Meter::Ammeter)].rect =
      QRect(onAxis(kAmmeterAxis, sz.meterDisplay, amp.display), sz.meterDisplay);
  pl.voltmeterFrame.rect = QRect(onAxis(kVoltmeterAxis, sz.calibreFrame, volt.frame), sz.calibreFrame);
  pl.ammeterFrame.rect = QRect(onAxis(kAmmeterAxis, sz.calibreFrame, amp.frame), sz.calibreFrame);
  pl.generatorScreen.rect =
      QRect(onAxis(kGeneratorScreenAxis, sz.generatorScreen, kGeneratorScreenTop), sz.generatorScreen);
  pl.knob[0].rect = QRect(QPoint(kAmplitudeKnobLeft, kKnobTop), sz.knob);
  pl.knob[1].rect = QRect(QPoint(kFrequencyKnobRight - sz.knob.width(), kKnobTop), sz.knob);
  for (int j = 0; j < 6; ++j)
    pl.rangeButton[j].rect = QRect(QPoint(kRangeButtonLeft, rangeButtonTop(j)), sz.rangeButton);

  const bool c = conductimeter;
  for (int m = 0; m < 3; ++m) display[m].visible = (m == static_cast<int>(model::Meter::Conductimeter)) == c;
  pl.generatorScreen.visible = !c;
  for (auto& x : pl.knob) x.visible = !c;
  for (auto& x : pl.rangeButton) x.visible = c;
  pl.voltmeterFrame.visible = !c;
  pl.ammeterFrame.visible = !c;
  return pl;
}

namespace {

void generatorMontage(qtp::Surface& s, const BenchPlacement& pl) {
  const int h = s.height();
  s.setDrawWidth(1);
  s.setForeColor(widgets::kBlack);
  s.setFont(QStringLiteral("Arial"), 10, true);
  s.setPen(20, h - 300);
  s.printLine(QCoreApplication::translate("velmira::ui::drawing", "Mesure"));
  s.setBold(false);
  s.setFontSize(10);

  meterPanel(s, layout::kVoltmeterBox, widgets::kVoltmeterLight, widgets::kVoltmeterFace, widgets::kVoltmeterTitle,
             QCoreApplication::translate("velmira::ui::drawing", "Voltmètre"),
             pl.meterDisplay[static_cast<int>(model::Meter::Voltmeter)].rect);
  meterPanel(s, layout::kAmmeterBox, widgets::kAmmeterLight, widgets::kAmmeterFace, widgets::kAmmeterTitle,
             QCoreApplication::translate("velmira::ui::drawing", "Ampèremètre"),
             pl.meterDisplay[static_cast<int>(model::Meter::Ammeter)].rect);

  // Generator.
  bevelledBox(s, layout::kGeneratorBox, widgets::kGeneratorLight, widgets::kGeneratorFace);
  s.setFont(QStringLiteral("Verdana"), 10, true);
  const QString generator = QCoreApplication::translate("velmira::ui::drawing", "G.B.F.");
  const int t = s.textWidth(generator);
  // Dark on the orange face, over a light shadow, to be read.
  s.setForeColor(widgets::kGeneratorLight);
  s.setPen(371 - t, 349);
  s.printStay(generator);
  s.setForeColor(widgets::kBlack);
  s.setPen(370 - t, 348);
  s.printStay(generator);
  s.setFont(QStringLiteral("Arial"), 8, true);
  s.setForeColor(widgets::kBlack);
  const QRect amp = pl.knob[0].rect, freq = pl.knob[1].rect;
  const QString amplitude = QCoreApplication::translate("velmira::ui::drawing", "Amplitude"),
                frequency = QCoreApplication::translate("velmira::ui::drawing", "Fréquence");
  s.setPen(amp.left() + (amp.width() - s.textWidth(amplitude)) / 2.0, amp.top() + amp.height() - 2);
  s.printLine(amplitude);
  s.setPen(freq.left() + (freq.width() - s.textWidth(frequency)) / 2.0, freq.top() + freq.height() - 2);
  s.printLine(frequency);

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

  drawPictureBeaker(s, false);
}

// A unit caption followed by a raised "-1".
void perMetre(qtp::Surface& s, int y, const QString& unit) {
  s.setPen(layout::kRangeUnitLeft, y);
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
  s.printLine(QCoreApplication::translate("velmira::ui::drawing", "Mesure"));

  drawPictureBeaker(s, true);

  // The frame's bevel, ring by ring from the outer black line inwards.
  const QRect box = layout::kConductimeterBox;
  const int x1 = box.left(), y1 = box.top(), x2 = box.right(), y2 = box.bottom();
  s.rectangle(x1 + 1, y1 + 1, x2 - 1, y2 - 1, widgets::kConductimeterOuter);
  s.rectangle(x1 + 2, y1 + 2, x2 - 1, y2 - 1, widgets::kDarkBlue);
  s.rectangle(x1 + 2, y1 + 2, x2 - 2, y2 - 2, widgets::kConductimeterInner);
  s.rectangle(x1 + 3, y1 + 3, x2 - 2, y2 - 2, widgets::kDarkBlue);
  s.filledRectangle(x1 + 3, y1 + 3, x2 - 3, y2 - 3, widgets::kConductimeterFace);
  s.rectangle(x1, y1, x2, y2, widgets::kBlack);

  s.setFont(QStringLiteral("Times new roman"), 8, true);
  s.setForeColor(widgets::kDarkBlue);
  const QPoint title = box.topLeft() + QPoint(7, 5);  // shadow, then the title 1 px up-left
  const QString name = QCoreApplication::translate("velmira::ui::drawing", "Conductimètre");
  s.setPen(title.x() + 1, title.y() + 1);
  s.printStay(name);
  s.setForeColor(widgets::kConductimeterTitle);
  s.setPen(title.x(), title.y());
  s.printStay(name);

  s.setForeColor(widgets::kWhite);
  s.setFont(QStringLiteral("Arial"), 8, true);
  const int captionLeft = box.left() + 17;
  s.setPen(captionLeft, layout::kConductanceTitleTop);
  s.printStay(QCoreApplication::translate("velmira::ui::drawing", "Conductance "));
  s.setItalic(true);
  s.printStay(QStringLiteral("G"));
  s.setItalic(false);
  s.setBold(false);

  const QString units[3] = {QStringLiteral("S"), QStringLiteral("mS"), QStringLiteral("µS")};
  for (int j = 0; j < 3; ++j) {
    s.setPen(layout::kRangeUnitLeft, rangeButtonTop(j) + 2);
    s.printStay(units[j]);
  }

  s.setBold(true);
  s.setFontSize(8);
  s.setPen(captionLeft, layout::kConductivityTitleTop);
  s.printStay(QCoreApplication::translate("velmira::ui::drawing", "Conductivité "));
  s.setFont(QStringLiteral("Symbol"), 12, false);
  s.currentY -= 4;
  s.printStay(QStringLiteral("s"));
  s.setFont(QStringLiteral("Arial"), 8, false);

  for (int j = 0; j < 3; ++j) perMetre(s, rangeButtonTop(j + 3) + 2, units[j] + QStringLiteral(" · m"));
}

}  // namespace

void drawBench(qtp::Surface& page1, const BenchPlacement& placement) {
  page1.setPersistent(true);
  page1.removeBackgroundPicture();
  page1.setBackColor(widgets::kPageBackground);
  page1.clear();
  page1.setDrawWidth(1);
  page1.setDotted(false);
  page1.setFillTransparent();

  drawBand(page1);
  if (placement.conductimeter)
    conductimeterMontage(page1);
  else
    generatorMontage(page1, placement);

  takeBenchPicture(page1, page1.image());
  page1.setPersistent(false);
}

void takeBenchPicture(qtp::Surface& page, const QImage& picture) {
  page.setBackColor(widgets::kPageBackground);
  page.setBackgroundPicture(picture);
}

}  // namespace velmira::ui
