// velmira-outil graphe: what the graph window computes for two columns of a
// configuration's table, one line NAME<TAB>VALUE each.
#include <optional>
#include <ostream>
#include <string>

#include "graph/GraphPlot.h"
#include "graph/LineFit.h"
#include "graph/TwoLineFit.h"
#include "model/Workbench.h"
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

template <class Values>
void printList(std::ostream& out, const char* name, const Values& values) {
  out << name << '\t';
  for (std::size_t i = 0; i < values.size(); ++i) out << (i ? " " : "") << values[i];
  out << '\n';
}

}  // namespace

int graphCommand(const Args& args, std::ostream& out, std::ostream& err) {
  std::optional<std::string> path;
  int cols[2] = {0, 1};
  bool twoLines = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--abscisse" || a == "--ordonnee") {
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
          << " » (options : --abscisse, --ordonnee, --deux-droites)\n";
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

  model::Workbench wb;
  wb.startupDefaults();
  table::Table table;
  if (!loadConfiguration(*path, wb, table, err, "graphe")) return 1;

  const graph::Plot plot = graph::computePlot(table, cols[0], cols[1]);
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
  out << "droite_origine\t"
      << graph::equationText(graph::fitLine(plot.points, graph::FitKind::ThroughOrigin), table.mask()) << '\n';
  out << "droite_affine\t" << graph::equationText(graph::fitLine(plot.points, graph::FitKind::Affine), table.mask())
      << '\n';
  if (twoLines) {
    const graph::TwoLineFit fit = graph::fitTwoLines(plot.points);
    out << "droite_1\t" << graph::equationText(fit.first, table.mask()) << '\n';
    out << "droite_2\t" << graph::equationText(fit.second, table.mask()) << '\n';
    out << "intersection\t" << graph::intersectionText(fit, table.mask()) << '\n';
  }
  return 0;
}

}  // namespace velmira::tools
