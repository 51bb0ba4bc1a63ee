// SPDX-License-Identifier: GPL-3.0-or-later
// velmira-outil graphe: what the graph window computes for two columns of a
// configuration's table, one line NAME<TAB>VALUE each.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "files/ExtensionBlock.h"
#include "graph/FitRange.h"
#include "graph/GraphPlot.h"
#include "graph/GraphSettings.h"
#include "graph/LineFit.h"
#include "graph/TwoLineFit.h"
#include "model/Workbench.h"
#include "platform/core/NumberText.h"
#include "table/Table.h"
#include "tools/Commands.h"
#include "tools/ToolFiles.h"

namespace velmira::tools {

namespace {

// A column number 1..5 as typed, to its index 0..4.
std::optional<int> columnIndex(const std::string& text) {
  if (text.size() != 1 || text[0] < '1' || text[0] > '0' + table::kCols) return std::nullopt;
  return text[0] - '1';
}

// A number as typed, with "," or ".".
std::optional<double> typedNumber(std::string text) {
  for (char& c : text)
    if (c == '.') c = ',';
  return num::readDouble(text);
}

template <class Values>
void printList(std::ostream& out, const char* name, const Values& values) {
  out << name << '\t';
  for (std::size_t i = 0; i < values.size(); ++i) out << (i ? " " : "") << values[i];
  out << '\n';
}

}  // namespace

int graphCommand(const Args& args, std::ostream& out, std::ostream& err) {
  std::optional<std::string> path;
  std::optional<int> cols[2];
  bool twoLines = false, uncertainties = false, throughOrigin = false;
  std::optional<graph::RowRange> range;
  std::optional<double> readAt, readU;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool takesValue = a == "--points" || a == "--lire" || a == "--u-lire";
    if (takesValue && i + 1 >= args.size()) {
      err << "velmira-outil graphe : " << a << (a == "--points" ? " attend des lignes A-B\n" : " attend un nombre\n");
      return 2;
    }
    if (a == "--points") {
      range = graph::readRowRange(args[++i]);
      if (!range) {
        err << "velmira-outil graphe : lignes non valides « " << args[i]
            << " » pour --points : A-B, lignes du tableau de 1 à 100, A au plus B\n";
        return 2;
      }
    } else if (a == "--lire" || a == "--u-lire") {
      const auto v = typedNumber(args[++i]);
      if (!v || (a == "--u-lire" && *v < 0)) {
        err << "velmira-outil graphe : nombre non valide « " << args[i] << " » pour " << a
            << (a == "--u-lire" ? " : un nombre positif ou nul\n" : "\n");
        return 2;
      }
      (a == "--lire" ? readAt : readU) = *v;
    } else if (a == "--incertitudes") {
      uncertainties = true;
    } else if (a == "--origine") {
      throughOrigin = true;
    } else if (a == "--abscisse" || a == "--ordonnee") {
      if (i + 1 >= args.size()) {
        err << "velmira-outil graphe : " << a << " attend un numéro de colonne (1 à 5)\n";
        return 2;
      }
      const auto c = columnIndex(args[++i]);
      if (!c) {
        err << "velmira-outil graphe : colonne non valide « " << args[i] << " » pour " << a
            << " : un numéro de colonne de 1 à 5\n";
        return 2;
      }
      cols[a == "--abscisse" ? 0 : 1] = *c;
    } else if (a == "--deux-droites") {
      twoLines = true;
    } else if (!a.empty() && a[0] == '-') {
      err << "velmira-outil graphe : option inconnue « " << a
          << " » (options : --abscisse, --ordonnee, --deux-droites, --incertitudes, --points, --lire, --u-lire, "
             "--origine)\n";
      return 2;
    } else if (!path) {
      path = a;
    } else {
      err << "velmira-outil graphe : un seul fichier de configuration\n";
      return 2;
    }
  }
  if (!path) {
    err << "velmira-outil graphe : indiquer un fichier de configuration (.C07)\n";
    return 2;
  }
  if (!readAt && (readU || throughOrigin)) {
    err << "velmira-outil graphe : --u-lire et --origine vont avec --lire\n";
    return 2;
  }

  model::Workbench wb;
  wb.startupDefaults();
  table::Table table;
  files::ExtensionItems extension;
  if (!loadConfiguration(*path, wb, table, err, "graphe", &extension)) return 1;
  // The columns not given are the graph's saved ones.
  const graph::GraphSettings saved = graph::readGraphSettings(extension).value_or(graph::GraphSettings{});

  const graph::Plot plot =
      graph::computePlot(table, cols[0].value_or(saved.abscissa), cols[1].value_or(saved.ordinate));
  if (!plot.plottable) {
    out << "message\t" << graph::kNotPlottable << '\n';
    return 0;
  }
  out << "pas_abscisse\t" << graph::stepText(plot.abscissa.step) << '\n';
  out << "pas_ordonnee\t" << graph::stepText(plot.ordinate.step) << '\n';
  out << "axes\t" << plot.axisX << ' ' << plot.axisY << '\n';
  printList(out, "graduations_abscisse", plot.marksX);
  printList(out, "graduations_ordonnee", plot.marksY);
  for (const graph::PlottedPoint& p : plot.points) out << "point\t" << p.at.x << ' ' << p.at.y << '\n';
  out << "lier\t" << (plot.canJoin() ? "oui" : "non") << '\n';
  // The fits use the points of the range only.
  const std::vector<graph::PlottedPoint> used = graph::fitPoints(plot, range).used;
  const graph::LineFit origin = graph::fitLine(used, graph::FitKind::ThroughOrigin);
  const graph::LineFit affine = graph::fitLine(used, graph::FitKind::Affine);
  out << "droite_origine\t" << graph::equationText(origin, table.mask()) << '\n';
  if (uncertainties) out << "incertitude_origine\t" << graph::uncertaintyText(origin) << '\n';
  out << "droite_affine\t" << graph::equationText(affine, table.mask()) << '\n';
  if (uncertainties) out << "incertitude_affine\t" << graph::uncertaintyText(affine) << '\n';
  if (twoLines) {
    const graph::TwoLineFit fit = graph::fitTwoLines(used);
    out << "droite_1\t" << graph::equationText(fit.first, table.mask()) << '\n';
    out << "droite_2\t" << graph::equationText(fit.second, table.mask()) << '\n';
    out << "intersection\t" << graph::intersectionText(fit, table.mask()) << '\n';
    if (uncertainties) out << "incertitude_intersection\t" << graph::intersectionUncertaintyText(fit) << '\n';
  }
  if (readAt)
    out << "lecture\t"
        << graph::readingText(graph::readLine(throughOrigin ? origin : affine, *readAt, readU.value_or(0))) << '\n';
  return 0;
}

}  // namespace velmira::tools
