// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The graph's settings as a work keeps them in its configuration's extension
// block, so that the graph opens as it was left and --pdf prints it so:
//
//   graphe_abscisse=1..5  graphe_ordonnee=1..5   the columns plotted
//   graphe_lier, graphe_grille, graphe_croix=oui|non   the three boxes
//   graphe_modele=aucun|origine|affine|deux-droites    the model shown
//   graphe_points=A-B     the lines the model uses (FitRange), none: all
//
// A missing key takes the window's default; "Lier les points" is off by
// default when a model is shown. A stored value that is not valid is read as
// missing.
#include <optional>
#include <string>
#include <string_view>

#include "graph/FitRange.h"
#include "graph/GraphLabels.h"
#include "graph/GraphPlot.h"

namespace velmira::files {
class ExtensionItems;
}
namespace velmira::table {
class Table;
}

namespace velmira::graph {

enum class ModelChoice { None, ThroughOrigin, Affine, TwoLines };

struct GraphSettings {
  int abscissa = 0, ordinate = 1;  // columns 0..4
  PlotOptions options;
  ModelChoice model = ModelChoice::None;
  std::optional<RowRange> range;
  bool operator==(const GraphSettings&) const = default;
};

inline constexpr const char* kAbscissaKey = "graphe_abscisse";
inline constexpr const char* kOrdinateKey = "graphe_ordonnee";
inline constexpr const char* kJoinKey = "graphe_lier";
inline constexpr const char* kGridKey = "graphe_grille";
inline constexpr const char* kCrossesKey = "graphe_croix";
inline constexpr const char* kModelKey = "graphe_modele";
inline constexpr const char* kRangeKey = "graphe_points";

// One of the keys above.
bool graphKey(std::string_view key);
// Why `value` cannot be the value of graph key `key` ("oui ou non", …);
// nullopt when it can.
std::optional<std::string> graphValueProblem(std::string_view key, std::string_view value);
// The value as stored: a range written "A-B" without blanks, else as given.
std::string storedGraphValue(std::string_view key, std::string_view value);

// The settings the items hold; nullopt when they hold none of the keys.
std::optional<GraphSettings> readGraphSettings(const files::ExtensionItems& items);
// Every key written (graphe_points removed when there is no range). False,
// nothing changed, when the block cannot take them.
bool writeGraphSettings(files::ExtensionItems& items, const GraphSettings& settings);

// The model as graphFigure asks for it.
std::optional<FitKind> lineModel(ModelChoice model);
// Everything the graph shows with these settings.
Figure settingsFigure(const table::Table& table, const GraphSettings& settings);

}  // namespace velmira::graph
