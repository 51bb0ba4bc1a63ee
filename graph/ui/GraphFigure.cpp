// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/ui/GraphFigure.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "platform/qt/Fonts.h"
#include "platform/qt/Printing.h"
#include "platform/qt/Translations.h"
#include "widgets/Colours.h"

namespace velmira::graph::ui {

namespace {

const QColor kAxisBlue(0, 0, 128);
const QColor kPointRed(255, 0, 0);
const QColor& kLineGreen = widgets::kDarkGreen;

// Margins in text heights.
constexpr double kLeftLines = 5.5, kTopLines = 1.6, kRightLines = 1, kBottomLines = 2.6;
// Gap between the plot's edge and its numbers, in text heights.
constexpr double kEdgeGap = 0.3;

// Printed figure: text sizes and the scale text under it.
constexpr double kPrintedNumbersPoints = 9;
constexpr double kPrintedScalePoints = 10;
// Copied figure: the size of its texts at least, as in the window.
constexpr double kCopiedNumbersPoints = 8;

double unitOf(const QRectF& plot) { return plot.width() / graph::kPlotSize; }

}  // namespace

QColor inkColour(graph::Ink ink) {
  switch (ink) {
    case graph::Ink::Axis:
      return kAxisBlue;
    case graph::Ink::Point:
    case graph::Ink::Curve:
      return kPointRed;
    case graph::Ink::Line:
      return kLineGreen;
    case graph::Ink::SecondLine:
      return widgets::kPurple;
    case graph::Ink::Mark:
      return widgets::kBlack;
  }
  return kAxisBlue;
}

QMarginsF figureMargins(const QFont& font, const QPaintDevice* device) {
  const double h = device ? QFontMetricsF(font, device).height() : QFontMetricsF(font).height();
  return QMarginsF(kLeftLines * h, kTopLines * h, kRightLines * h, kBottomLines * h);
}

void paintStrokes(QPainter& p, const QRectF& plot, const std::vector<graph::Stroke>& strokes) {
  const double u = unitOf(plot);
  p.save();
  p.setClipRect(plot);
  p.setRenderHint(QPainter::Antialiasing);
  auto at = [&](graph::PixelPoint q) { return QPointF(plot.left() + (q.x + 0.5) * u, plot.top() + (q.y + 0.5) * u); };
  for (const graph::Stroke& s : strokes) {
    QPen pen(inkColour(s.ink), s.dotted ? 0.5 * u : u);
    pen.setCapStyle(Qt::RoundCap);
    if (s.dotted) pen.setStyle(Qt::DotLine);
    p.setPen(pen);
    if (s.a == s.b)
      p.drawPoint(at(s.a));
    else
      p.drawLine(at(s.a), at(s.b));
  }
  p.restore();
}

void paintAxisTexts(QPainter& p, const QRectF& plot, const graph::Figure& figure, const QFont& font) {
  if (!figure.plot.plottable) return;
  const QFontMetricsF fm(font, p.device());
  const double u = unitOf(plot), h = fm.height();
  p.save();
  p.setFont(font);
  p.setPen(kAxisBlue);
  const auto width = [&](std::string_view t) {
    return fm.horizontalAdvance(QString::fromUtf8(t.data(), t.size())) / u;
  };
  const auto height = [&](std::string_view) { return h / u; };
  for (const graph::TickLabel& l : graph::abscissaLabels(figure.plot, width)) {
    const double x = plot.left() + (l.at + 0.5) * u;
    p.drawText(QRectF(x - plot.width() / 2, plot.bottom() + kEdgeGap * h, plot.width(), h),
               Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(l.text));
  }
  for (const graph::TickLabel& l : graph::ordinateLabels(figure.plot, height)) {
    const double y = plot.top() + (l.at + 0.5) * u;
    p.drawText(QRectF(plot.left() - kLeftLines * h, y - h / 2, (kLeftLines - kEdgeGap) * h, h),
               Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(l.text));
  }
  QFont bold = font;
  bold.setBold(true);
  p.setFont(bold);
  p.drawText(QRectF(plot.left() - kLeftLines * h, plot.top() - kTopLines * h, plot.width(), (kTopLines - kEdgeGap) * h),
             Qt::AlignLeft | Qt::AlignBottom, QString::fromStdString(figure.ordinateName));
  p.drawText(QRectF(plot.left(), plot.bottom() + (kEdgeGap + 1) * h, plot.width(), h), Qt::AlignRight | Qt::AlignTop,
             QString::fromStdString(figure.abscissaName));
  p.restore();
}

void paintFitNote(QPainter& p, const QRectF& plot, const graph::FitNote& note, const QFont& font,
                  const std::vector<graph::Stroke>& strokes) {
  if (note.lines.empty()) return;
  const QFontMetricsF fm(font, p.device());
  const double u = unitOf(plot), h = fm.height();
  double w = 0;
  for (const std::string& line : note.lines) w = std::max(w, fm.horizontalAdvance(QString::fromStdString(line)));
  const double pad = h / 4;
  const QSizeF size(w + 2 * pad, h * static_cast<double>(note.lines.size()) + 2 * pad);
  // Where it covers no point and no line.
  const graph::PixelPoint at = graph::notePlace(strokes, static_cast<int>(std::ceil(size.width() / u)),
                                                static_cast<int>(std::ceil(size.height() / u)), note.right);
  const QRectF box(QPointF(plot.left() + at.x * u, plot.top() + at.y * u), size);
  p.save();
  p.fillRect(box, Qt::white);
  p.setFont(font);
  double y = box.top() + pad;
  for (std::size_t i = 0; i < note.lines.size(); ++i) {
    p.setPen(inkColour(i < note.inks.size() ? note.inks[i] : graph::Ink::Line));
    p.drawText(QRectF(box.left() + pad, y, w, h), (note.right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
               QString::fromStdString(note.lines[i]));
    y += h;
  }
  p.restore();
}

void paintIntersectionLabel(QPainter& p, const QRectF& plot, graph::PixelPoint cross, const std::string& label,
                            const QFont& font) {
  if (label.empty()) return;
  const QFontMetricsF fm(font, p.device());
  const double u = unitOf(plot);
  const QString text = QString::fromStdString(label);
  const double w = fm.horizontalAdvance(text), h = fm.height();
  const graph::PixelPoint at =
      graph::intersectionLabelAt(cross, static_cast<int>(std::ceil(w / u)), static_cast<int>(std::ceil(h / u)));
  // On a white ground over the grid.
  const QRectF box(plot.left() + at.x * u, plot.top() + at.y * u, w, h);
  p.save();
  p.fillRect(box.adjusted(-u, 0, 0, 0), Qt::white);
  p.setFont(font);
  p.setPen(inkColour(graph::Ink::Mark));
  p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
  p.restore();
}

void paintModelTexts(QPainter& p, const QRectF& plot, const graph::Figure& figure, const QFont& font) {
  if (figure.cross) paintIntersectionLabel(p, plot, *figure.cross, figure.intersectionLabel, font);
  paintFitNote(p, plot, figure.note, font, figure.strokes);
}

QImage figureImage(const graph::Figure& figure, int plotSide, double ratio) {
  QFont font = qtp::mapFont(QStringLiteral("Arial"), kCopiedNumbersPoints);
  font.setPixelSize(std::max(font.pixelSize(), plotSide / 40));
  const QMarginsF m = figureMargins(font);
  const QSizeF size(m.left() + plotSide + m.right(), m.top() + plotSide + m.bottom());
  QImage image((size * ratio).toSize(), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QRectF plot(m.left(), m.top(), plotSide, plotSide);
  paintStrokes(p, plot, figure.strokes);
  paintModelTexts(p, plot, figure, font);
  paintAxisTexts(p, plot, figure, font);
  return image;
}

bool printFigure(QPrinter& printer, const QString& title, const QString& heading, const graph::Figure& figure) {
  qtp::PrintedPages out(printer, title, 1);
  if (!out.active()) return false;
  drawFigurePage(out, heading, figure);
  return out.finish();
}

void drawFigurePage(qtp::PrintedPages& out, const QString& heading, const graph::Figure& figure) {
  if (!out.active()) return;
  const QPaintDevice* printer = out.painter().device();
  QPainter& p = out.painter();
  p.save();
  const QRectF body = out.body();
  const double top = out.heading(heading);
  const QFont numbers = qtp::printFont(kPrintedNumbersPoints);
  const QFont scale = qtp::printFont(kPrintedScalePoints);
  const QMarginsF m = figureMargins(numbers, printer);
  const double scaleLines = QFontMetricsF(scale, printer).height() * 6;
  const double side =
      std::min(body.width() - m.left() - m.right(), body.height() - top - m.top() - m.bottom() - scaleLines);
  const QRectF plot(m.left() + (body.width() - m.left() - m.right() - side) / 2, top + m.top(), side, side);
  if (figure.plot.plottable) {
    paintStrokes(p, plot, figure.strokes);
    paintModelTexts(p, plot, figure, scale);
    paintAxisTexts(p, plot, figure, numbers);
    p.setFont(scale);
    p.setPen(Qt::black);
    p.drawText(QRectF(plot.left(), plot.bottom() + m.bottom(), plot.width(), scaleLines), Qt::AlignLeft | Qt::AlignTop,
               QString::fromStdString(figure.plot.scaleText));
  } else {
    p.setFont(scale);
    p.setPen(Qt::black);
    p.drawText(plot, Qt::AlignCenter, qtp::shownMessageText(graph::kNotPlottable));
  }
  p.restore();
}

}  // namespace velmira::graph::ui
