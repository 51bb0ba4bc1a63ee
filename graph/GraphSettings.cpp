// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/GraphSettings.h"

#include <array>
#include <utility>

#include "files/ExtensionBlock.h"
#include "table/Table.h"

namespace velmira::graph {

namespace {

constexpr const char* kYes = "oui";
constexpr const char* kNo = "non";
constexpr std::array<std::pair<ModelChoice, const char*>, 4> kModels = {{{ModelChoice::None, "aucun"},
                                                                         {ModelChoice::ThroughOrigin, "origine"},
                                                                         {ModelChoice::Affine, "affine"},
                                                                         {ModelChoice::TwoLines, "deux-droites"}}};
constexpr const char* kBoxKeys[] = {kJoinKey, kGridKey, kCrossesKey};

bool columnKey(std::string_view key) { return key == kAbscissaKey || key == kOrdinateKey; }
bool boxKey(std::string_view key) { return key == kJoinKey || key == kGridKey || key == kCrossesKey; }

// A column 1..5 as stored, to its index.
std::optional<int> column(std::string_view value) {
  if (value.size() != 1 || value[0] < '1' || value[0] > '0' + table::kCols) return std::nullopt;
  return value[0] - '1';
}

std::optional<bool> yesNo(std::string_view value) {
  if (value == kYes) return true;
  if (value == kNo) return false;
  return std::nullopt;
}

std::optional<ModelChoice> modelChoice(std::string_view value) {
  for (auto [m, name] : kModels)
    if (value == name) return m;
  return std::nullopt;
}

const char* modelName(ModelChoice model) {
  for (auto [m, name] : kModels)
    if (m == model) return name;
  return kModels[0].second;
}

std::string rangeText(const RowRange& r) { return std::to_string(r.first) + "-" + std::to_string(r.last); }

bool* box(PlotOptions& o, std::string_view key) {
  return key == kJoinKey ? &o.join : key == kGridKey ? &o.grid : &o.crosses;
}

}  // namespace

bool graphKey(std::string_view key) { return columnKey(key) || boxKey(key) || key == kModelKey || key == kRangeKey; }

std::optional<std::string> graphValueProblem(std::string_view key, std::string_view value) {
  if (columnKey(key)) {
    if (!column(value)) return "un numéro de colonne de 1 à 5";
  } else if (boxKey(key)) {
    if (!yesNo(value)) return "oui ou non";
  } else if (key == kModelKey) {
    if (!modelChoice(value)) return "aucun, origine, affine ou deux-droites";
  } else if (key == kRangeKey) {
    if (!readRowRange(value)) return "A-B, lignes du tableau de 1 à 100, A au plus B";
  }
  return std::nullopt;
}

std::string storedGraphValue(std::string_view key, std::string_view value) {
  if (key == kRangeKey)
    if (const auto r = readRowRange(value)) return rangeText(*r);
  return std::string(value);
}

std::optional<GraphSettings> readGraphSettings(const files::ExtensionItems& items) {
  bool any = false;
  auto value = [&](const char* key) -> std::string_view {
    const std::string* v = items.find(key);
    if (!v) return {};
    any = true;
    return *v;
  };
  GraphSettings s;
  if (const auto c = column(value(kAbscissaKey))) s.abscissa = *c;
  if (const auto c = column(value(kOrdinateKey))) s.ordinate = *c;
  if (const auto m = modelChoice(value(kModelKey))) s.model = *m;
  // Without its item, "Lier les points" follows the model: off with one.
  s.options.join = s.model == ModelChoice::None;
  for (const char* key : kBoxKeys)
    if (const auto b = yesNo(value(key))) *box(s.options, key) = *b;
  s.range = readRowRange(value(kRangeKey));
  if (!any) return std::nullopt;
  return s;
}

bool writeGraphSettings(files::ExtensionItems& items, const GraphSettings& settings) {
  files::ExtensionItems next = items;
  PlotOptions options = settings.options;
  bool written = next.set(kAbscissaKey, std::to_string(settings.abscissa + 1)) &&
                 next.set(kOrdinateKey, std::to_string(settings.ordinate + 1));
  for (const char* key : kBoxKeys) written = written && next.set(key, *box(options, key) ? kYes : kNo);
  written = written && next.set(kModelKey, modelName(settings.model));
  if (settings.range)
    written = written && next.set(kRangeKey, rangeText(*settings.range));
  else
    next.erase(kRangeKey);
  if (!written) return false;
  items = std::move(next);
  return true;
}

std::optional<FitKind> lineModel(ModelChoice model) {
  if (model == ModelChoice::ThroughOrigin) return FitKind::ThroughOrigin;
  if (model == ModelChoice::Affine) return FitKind::Affine;
  return std::nullopt;
}

Figure settingsFigure(const table::Table& table, const GraphSettings& settings) {
  return graphFigure(table, settings.abscissa, settings.ordinate, settings.options, lineModel(settings.model),
                     settings.model == ModelChoice::TwoLines, settings.range);
}

}  // namespace velmira::graph
