#include "files/PupilWork.h"

#include <algorithm>

#include "model/Marking.h"
#include "platform/core/NumberText.h"

namespace velmira::files {

namespace {

std::string numbered(const char* prefix, std::size_t k) { return prefix + std::to_string(k); }

constexpr const char* kResultKey = "resultat";
constexpr const char* kToleranceKey = "tolerance";

}  // namespace

std::string unknownKey(int k) { return numbered("inconnue", static_cast<std::size_t>(k)); }

bool hidesConcentration(const ExtensionItems& items, int k) { return items.find(unknownKey(k)) != nullptr; }

std::optional<double> readTypedNumber(const std::string& text) {
  std::string t = text;
  std::replace(t.begin(), t.end(), '.', ',');
  if (num::trim(t).empty()) return std::nullopt;
  return num::readDouble(t);
}

ExerciseResults readResults(const ExtensionItems& items) {
  ExerciseResults r;
  for (std::size_t k = 1; k <= kMaxResults; ++k) {
    const std::string* item = items.find(numbered(kResultKey, k));
    if (!item) break;
    const auto tab = item->find('\t');
    if (tab == std::string::npos) break;
    r.results.push_back({item->substr(0, tab), item->substr(tab + 1)});
  }
  if (const std::string* t = items.find(kToleranceKey)) r.tolerance = *t;
  return r;
}

bool writeResults(ExtensionItems& items, const ExerciseResults& results) {
  if (results.results.size() > kMaxResults) return false;
  ExtensionItems next = items;
  for (std::size_t k = 1; k <= kMaxResults; ++k) next.erase(numbered(kResultKey, k));
  next.erase(kToleranceKey);
  for (std::size_t k = 0; k < results.results.size(); ++k) {
    const ResultDeclaration& d = results.results[k];
    if (d.label.find_first_of("\t\r\n") != std::string::npos || d.expected.find('\t') != std::string::npos)
      return false;
    if (!next.set(numbered(kResultKey, k + 1), d.label + '\t' + d.expected)) return false;
  }
  if (!results.tolerance.empty() && !next.set(kToleranceKey, results.tolerance)) return false;
  items = std::move(next);
  return true;
}

double tolerancePercent(const ExerciseResults& results) {
  const auto p = readTypedNumber(results.tolerance);
  return p && *p >= 0 ? *p : model::kDefaultTolerancePercent;
}

}  // namespace velmira::files
