// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/TableOperations.h"

#include <array>
#include <ostream>
#include <utility>

#include "expr/ColumnFormula.h"
#include "model/Workbench.h"
#include "platform/core/NumberText.h"
#include "table/Recording.h"
#include "table/Table.h"
#include "table/TableCommands.h"
#include "tools/ConfigSettings.h"

namespace velmira::tools {

namespace {

constexpr std::array<std::pair<std::string_view, int>, 15> kOperations = {{
    {"--mesure", 1},
    {"--lignes", 1},
    {"--insere", 1},
    {"--ajoute", 0},
    {"--supprime", 1},
    {"--efface-colonne", 1},
    {"--efface-tableau", 0},
    {"--titre", 2},
    {"--trie", 2},
    {"--serie", 4},
    {"--format", 1},
    {"--calcule", 2},
    {"--recalcule", 1},
    {"--radians", 0},
    {"--scientifique", 0},
}};

std::string described(const TableOperation& op) {
  std::string s = op.option;
  for (const std::string& a : op.args) s += " " + a;
  return s;
}

// A field of the series dialog as the keys would fill it, then left.
std::string typedSeriesField(const std::string& typed) {
  std::string text;
  for (char ch : typed) {
    const auto k = table::seriesFieldKey(static_cast<unsigned char>(ch));
    if (!k) continue;
    if (*k == 8) {
      if (!text.empty()) text.pop_back();
    } else {
      text += *k;
    }
  }
  return table::seriesFieldText(text);
}

}  // namespace

int operationArguments(std::string_view option) {
  for (const auto& [name, count] : kOperations)
    if (name == option) return count;
  return -1;
}

bool TableOperations::refuse(const TableOperation& op, const std::string& why) {
  err_ << "velmira-outil config : " << described(op) << " : " << why << "\n";
  return false;
}

bool TableOperations::column(const TableOperation& op, const std::string& text, int& col) {
  const auto c = wholeInteger(text, 1, table::kCols);
  if (!c) return refuse(op, "la colonne doit être un numéro de 1 à 5");
  col = *c - 1;
  return true;
}

bool TableOperations::line(const TableOperation& op, const std::string& text, int& row) {
  const auto r = wholeInteger(text, 1, table_.rows() - 1);
  if (!r)
    return refuse(op, "le tableau a " + num::trim(num::plain(table_.rows() - 1)) +
                          " lignes : choisir une ligne de 1 à " + num::trim(num::plain(table_.rows() - 1)));
  row = *r;
  return true;
}

bool TableOperations::run(const TableOperation& op) {
  const auto& a = op.args;
  const std::string& o = op.option;
  int col = 0, row = 0;
  if (o == "--mesure") {
    const auto bench = wholeInteger(a[0], 1, table::kMixtureBench);
    if (!bench) return refuse(op, "le banc doit être 1 (solution 1), 2 (solution 2) ou 3 (mélange)");
    wb_.checkMixture();
    if (!table::canRecord(wb_, *bench)) return refuse(op, "le mélange forme un précipité : il n'est pas étudié");
    bool concealed = false;
    if (!expr::recordWithFormulas(table_, wb_, *bench, messages_, &concealed)) return false;
    if (concealed && !concealedSaid_) messages_.show(table::concealedNotRecorded());
    concealedSaid_ = concealedSaid_ || concealed;
    return true;
  }
  if (o == "--lignes") {
    const auto n = wholeInteger(a[0], table::kMinLines, table::kMaxLines);
    if (!n) return refuse(op, "un nombre de lignes de 1 à 100");
    table::setLineCount(table_, *n);
    return true;
  }
  if (o == "--insere") {
    if (!line(op, a[0], row)) return false;
    table_.setCurrent(row, table_.col());
    if (!table_.canInsertAbove()) return refuse(op, "le tableau a déjà 100 lignes");
    table_.insertAbove();
    return true;
  }
  if (o == "--ajoute") {
    if (!table_.canAppend()) return refuse(op, "le tableau a déjà 100 lignes");
    table_.append();
    return true;
  }
  if (o == "--supprime") {
    if (!line(op, a[0], row)) return false;
    table_.setCurrent(row, table_.col());
    if (!table_.canDelete()) return refuse(op, "la dernière ligne du tableau ne peut pas être supprimée");
    table_.deleteRow();
    return true;
  }
  if (o == "--efface-colonne") {
    if (!column(op, a[0], col)) return false;
    table_.clearColumn(col);
    return true;
  }
  if (o == "--efface-tableau") {
    table_.reset();
    return true;
  }
  if (o == "--titre") {
    if (!column(op, a[0], col)) return false;
    if (const auto refused = table::renameColumn(table_, col, a[1])) return refuse(op, refused->text);
    return true;
  }
  if (o == "--trie") {
    if (!column(op, a[0], col)) return false;
    if (a[1] != "croissant" && a[1] != "decroissant") return refuse(op, "croissant ou decroissant");
    table_.sort(col, a[1] == "croissant");
    return true;
  }
  if (o == "--serie") {
    if (!column(op, a[0], col)) return false;
    const auto refused =
        table::arithmeticSeries(table_, col, typedSeriesField(a[1]), typedSeriesField(a[2]), typedSeriesField(a[3]));
    if (refused) {
      messages_.show(*refused);
      return false;
    }
    return true;
  }
  if (o == "--format") {
    const auto k = wholeInteger(a[0], 1, static_cast<int>(table::kMasks.size()));
    if (!k) return refuse(op, "une option de 1 à 5");
    table::applyMask(table_, table::kMasks[static_cast<std::size_t>(*k - 1)]);
    return true;
  }
  if (o == "--calcule" || o == "--recalcule") {
    if (!column(op, a[0], col)) return false;
    const std::string formula = o == "--calcule" ? a[1] : table_.formula(col);
    if (formula.empty()) return refuse(op, "la colonne n'a pas d'expression à recalculer");
    if (const auto refused = expr::refusedFormula(formula, col)) return refuse(op, refused->text);
    // The report (values not computed) is a message; the run goes on.
    if (const auto report = expr::columnReport(expr::fillColumn(table_, col, formula, angle_, scientific_)))
      messages_.show(*report);
    return true;
  }
  if (o == "--radians") {
    angle_ = expr::Angle::Radians;
    return true;
  }
  if (o == "--scientifique") {
    scientific_ = true;
    return true;
  }
  return refuse(op, "opération inconnue");
}

}  // namespace velmira::tools
