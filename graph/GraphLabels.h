// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts that go with the plot: the numbers under the graduations, the
// axis names (table::columnName), the fitted line's equation and r² on the plot, and the
// pointer readout rounded to what the axis step can tell.
//
// Positions are plot units (0..kPlotSize along the axis); the drawing code
// puts abscissa numbers centred under their mark below the plot, ordinate
// numbers right-aligned left of the plot, centred on their mark.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "graph/FitRange.h"
#include "graph/GraphPlot.h"
#include "graph/LineFit.h"
#include "graph/TwoLineFit.h"

namespace velmira::table {
class Table;
}

namespace velmira::graph {

struct TickLabel {
  double at = 0;     // plot position along the axis
  std::string text;  // the graduation's value, decimal comma
  bool operator==(const TickLabel&) const = default;
};

// The extent of a label's text along its axis, in plot units: its width
// for the abscissa, its height for the ordinate.
using TextExtent = std::function<double(std::string_view)>;

// Free space kept between two neighbouring numbers, in plot units.
inline constexpr double kLabelGap = 6;

// The decimals the step's multiples need (0,5 → 1; 1,25 → 2; 10 → 0).
int stepDecimals(double step);

// A graduation value as shown: rounded to the step's decimals, decimal comma.
std::string graduationText(double value, double step);

// Every graduation that lies on the plot (0..kPlotSize), in order.
std::vector<TickLabel> axisTicks(const Plot& plot, bool vertical);

// The ticks to number: as many as fit without overlapping, evenly spaced
// (every k-th), always the first and the last. `ticks` in increasing
// position order.
std::vector<TickLabel> spacedLabels(const std::vector<TickLabel>& ticks, const TextExtent& extent,
                                    double gap = kLabelGap);

// The abscissa's numbers (extent: text width) and the ordinate's (extent:
// text height).
std::vector<TickLabel> abscissaLabels(const Plot& plot, const TextExtent& width);
std::vector<TickLabel> ordinateLabels(const Plot& plot, const TextExtent& height);

// The pointer readout: "x = …" and "y = …" rounded to a tenth of the step's
// leading digit ("x = 0,006" for a step of 0,001).
std::string readoutText(double value, double step);

// The fitted line as shown on the plot: its equation with the numbers
// ("y = 2,05·x", "y = 1,2·x - 0,3") and "r² = 0,9987"; on the plot's top
// left when the line rises (where rising points leave room), else top right;
// no lines when the fit is not possible. Numbers to 4 significant digits.
struct FitNote {
  std::vector<std::string> lines;
  bool right = false;
  std::vector<Ink> inks;  // each line's ink; Ink::Line where none is given
};
FitNote fitNote(const LineFit& fit);

// Where a note box of w × h plot units goes (its top left corner): kNoteInset
// in from the plot's top left corner (top right with `right`), else from the
// other corners, else the first place of a kNoteStep grid, row by row from
// the top, where the box covers no point, curve, fitted line or cross (axes
// and grid may pass under it); the first corner when there is none.
inline constexpr int kNoteInset = 10;
inline constexpr int kNoteStep = 10;
PixelPoint notePlace(const std::vector<Stroke>& strokes, int w, int h, bool right);

// The two-line model's note: "Droite 1 : …", "Droite 2 : …" and
// "Intersection : …" (twoLinesText, the table's mask), each in the ink of what
// it names; top left.
FitNote twoLinesNote(const TwoLineFit& fit, std::string_view mask);

// Everything the graph shows for two columns, options and an optional
// fitted model: what the window draws, what the copy and the print draw.
// `twoLines` asks for the two-line model instead of `fit`'s line; `range`
// the lines the model uses (the others drawn hollow). With a model the
// points are joined by straight segments.
struct Figure {
  Plot plot;
  std::vector<Stroke> strokes;  // the fitted line(s) under the points, the cross over them
  std::string abscissaName, ordinateName;
  std::optional<LineFit> fit;          // asked for and possible to ask (canFit)
  std::optional<TwoLineFit> twoLines;  // asked for and possible to ask (canFitTwoLines)
  std::optional<PixelPoint> cross;     // the intersection's cross, when on the plot
  std::string intersectionLabel;       // "Intersection : …", beside the cross (intersectionLabelAt)
  FitNote note;
};
Figure graphFigure(const table::Table& table, int xCol, int yCol, const PlotOptions& options,
                   std::optional<FitKind> fit, bool twoLines = false,
                   const std::optional<RowRange>& range = std::nullopt);

// The figure in words, for a screen reader: what is plotted against what,
// each point with its line, then the model's note.
std::string figureDescription(const Figure& figure);

}  // namespace velmira::graph
