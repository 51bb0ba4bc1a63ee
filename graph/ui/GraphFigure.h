// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The graph drawn with a painter at any size, as vectors: the plot's
// strokes, the numbers under the graduations, the axis names and the fitted
// line's note. The window draws its texts around its plot with it; the copy
// and the printed page draw the whole figure.
//
// `plot` is the rectangle the 500 plot units map onto; the texts lie
// outside it (numbers and names) or in its top corner (the note).
#include <QColor>
#include <QFont>
#include <QImage>
#include <QMarginsF>
#include <QRectF>
#include <QString>

#include "graph/GraphLabels.h"

class QPainter;
class QPrinter;

namespace velmira::qtp {
class PrintedPages;
}

namespace velmira::graph::ui {

// The colour of each of the graph's inks.
QColor inkColour(graph::Ink ink);

// Room around the plot for the texts in `font` (left: the ordinate's
// numbers; top: its name; bottom: the abscissa's numbers and name).
QMarginsF figureMargins(const QFont& font, const QPaintDevice* device = nullptr);

void paintStrokes(QPainter& p, const QRectF& plot, const std::vector<graph::Stroke>& strokes);
void paintAxisTexts(QPainter& p, const QRectF& plot, const graph::Figure& figure, const QFont& font);
// The note on white where it covers none of `strokes`' points and lines (notePlace).
void paintFitNote(QPainter& p, const QRectF& plot, const graph::FitNote& note, const QFont& font,
                  const std::vector<graph::Stroke>& strokes);
// "Intersection : …" beside the cross at `cross` (plot units), on white.
void paintIntersectionLabel(QPainter& p, const QRectF& plot, graph::PixelPoint cross, const std::string& label,
                            const QFont& font);
// The texts on the plot: the intersection's label, then the note.
void paintModelTexts(QPainter& p, const QRectF& plot, const graph::Figure& figure, const QFont& font);

// The whole figure on white, the plot `plotSide` logical pixels square, at
// `ratio` device pixels per logical pixel: what "Copier" puts on the
// clipboard.
QImage figureImage(const graph::Figure& figure, int plotSide, double ratio);

// The printed page, on the current page: the heading line, the figure as
// wide as the page, the scale texts under it.
void drawFigurePage(qtp::PrintedPages& pages, const QString& heading, const graph::Figure& figure);
// The same as a document of its own; false when printing failed.
bool printFigure(QPrinter& printer, const QString& title, const QString& heading, const graph::Figure& figure);

}  // namespace velmira::graph::ui
