// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/PupilWork.h"

#include <algorithm>

#include "files/ConfigLayout.h"
#include "files/ScatterRecord.h"
#include "model/Marking.h"
#include "model/SoluteCatalogue.h"
#include "model/UnknownDraw.h"
#include "model/Workbench.h"
#include "platform/core/NumberText.h"

namespace velmira::files {

namespace {

std::string numbered(const char* prefix, std::size_t k) { return prefix + std::to_string(k); }

constexpr const char* kResultKey = "resultat";
constexpr const char* kToleranceKey = "tolerance";
constexpr const char* kNameKey = "nom";
constexpr const char* kExerciseKey = "exercice";
constexpr const char* kGivenKey = "donne";
constexpr const char* kUncertaintyKey = "u";

bool oneLine(const std::string& text) { return text.find_first_of("\t\r\n") == std::string::npos; }

}  // namespace

bool hidesConcentration(const ExtensionItems& items, int k) {
  return items.find(hiddenKey(k == 1 ? Hidden::Concentration1 : Hidden::Concentration2)) != nullptr;
}

namespace {

const char* suffix(Hidden h) {
  switch (h) {
    case Hidden::Concentration1:
      return "1";
    case Hidden::Concentration2:
      return "2";
    case Hidden::Solute2:
      break;
  }
  return "_solute2";
}

// The key stream of the scrambling and its check byte.
constexpr unsigned char kScrambleKey[] = {0x5A, 0xC3, 0x17, 0x9E, 0x64, 0x2B, 0xF1, 0x38};
constexpr char kHex[] = "0123456789ABCDEF";

}  // namespace

std::string hiddenKey(Hidden h) { return std::string("inconnue") + suffix(h); }
std::string hiddenValueKey(Hidden h) { return std::string("cache") + suffix(h); }
std::string hiddenName(Hidden h) { return h == Hidden::Solute2 ? "solute2" : std::string("c") + suffix(h); }

std::size_t hiddenRecord(Hidden h) {
  switch (h) {
    case Hidden::Concentration1:
      return firstRecord(ConfigItem::Entries) + model::Concentration1;
    case Hidden::Concentration2:
      return firstRecord(ConfigItem::Entries) + model::Concentration2;
    case Hidden::Solute2:
      break;
  }
  return firstRecord(ConfigItem::Solutes) + 1;
}

std::string scramble(const std::string& text) {
  std::string out;
  unsigned sum = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    sum += b;
    const auto x = static_cast<unsigned char>(b ^ kScrambleKey[i % sizeof kScrambleKey] ^ (i * 29));
    out += kHex[x >> 4];
    out += kHex[x & 15];
  }
  out += kHex[(sum >> 4) & 15];
  out += kHex[sum & 15];
  return out;
}

std::optional<std::string> unscramble(const std::string& text) {
  if (text.size() < 2 || text.size() % 2) return std::nullopt;
  auto digit = [](char c) -> int {
    const char* p = std::find(kHex, kHex + 16, c);
    return p == kHex + 16 ? -1 : static_cast<int>(p - kHex);
  };
  std::string out;
  unsigned sum = 0;
  for (std::size_t i = 0; i + 2 < text.size(); i += 2) {
    const int hi = digit(text[i]), lo = digit(text[i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    const std::size_t k = i / 2;
    const auto b = static_cast<unsigned char>((hi << 4 | lo) ^ kScrambleKey[k % sizeof kScrambleKey] ^ (k * 29));
    sum += b;
    out += static_cast<char>(b);
  }
  const int hi = digit(text[text.size() - 2]), lo = digit(text.back());
  if (hi < 0 || lo < 0 || static_cast<unsigned>(hi << 4 | lo) != (sum & 255)) return std::nullopt;
  return out;
}

std::optional<std::string> hiddenValue(const ExtensionItems& items, Hidden h, bool* damaged) {
  if (!items.find(hiddenKey(h))) return std::nullopt;
  const std::string* stored = items.find(hiddenValueKey(h));
  auto value = stored ? unscramble(*stored) : std::nullopt;
  // A concentration must read as a number, a solute as its catalogue number.
  if (value && (h == Hidden::Solute2 ? num::leadingValue(*value) < 1 : !num::readDouble(*value))) value.reset();
  if (!value && damaged) *damaged = true;
  return value;
}

bool revealHidden(const ExtensionItems& items, model::Workbench& wb) {
  bool damaged = false;
  for (Hidden h : kHiddenItems) {
    const bool hidden = items.find(hiddenKey(h)) != nullptr;
    const auto value = hiddenValue(items, h, &damaged);
    const std::string shown = value.value_or(kHiddenText);
    if (h == Hidden::Solute2) {
      wb.setSoluteConcealed(hidden);
      if (hidden) wb.setSoluteTag(1, shown);
      continue;
    }
    const int entry = h == Hidden::Concentration1 ? model::Concentration1 : model::Concentration2;
    wb.setConcealed(entry, hidden);
    if (hidden) wb.setEntryText(entry, shown);
  }
  applyScatter(items, wb);
  wb.checkMixture();
  // The voltmeters scatter too; without the scatter they are as the load left them.
  if (wb.scatter().on)
    wb.updateVoltmeters();
  else
    wb.updateMeters();
  return !damaged;
}

bool keepHidden(ExtensionItems& items, const model::Workbench& wb) {
  ExtensionItems next = items;
  for (Hidden h : kHiddenItems) {
    if (!next.find(hiddenKey(h))) {
      next.erase(hiddenValueKey(h));
      continue;
    }
    const std::string& value = h == Hidden::Solute2 ? wb.soluteTag(1)
                                                    : wb.entryText(h == Hidden::Concentration1 ? model::Concentration1
                                                                                               : model::Concentration2);
    // A field still showing "?" (a value that was lost) keeps what is stored.
    if (value == kHiddenText) continue;
    if (!next.set(hiddenValueKey(h), scramble(value))) return false;
  }
  items = std::move(next);
  return true;
}

void maskHiddenRecords(std::vector<std::string>& records, const ExtensionItems& items) {
  for (Hidden h : kHiddenItems)
    if (items.find(hiddenKey(h)) && hiddenRecord(h) <= records.size()) records[hiddenRecord(h) - 1] = kHiddenText;
}

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

std::optional<WorkItems> readWork(const ExtensionItems& items) {
  const std::string* exercise = items.find(kExerciseKey);
  if (!exercise) return std::nullopt;
  WorkItems w;
  w.exercise = *exercise;
  if (const std::string* name = items.find(kNameKey)) w.name = *name;
  w.results = readResults(items);
  for (std::size_t k = 1; k <= kMaxResults; ++k) {
    if (const std::string* v = items.find(numbered(kGivenKey, k))) w.given[k - 1].value = *v;
    if (const std::string* u = items.find(numbered(kUncertaintyKey, k))) w.given[k - 1].u = *u;
  }
  return w;
}

bool writeWork(ExtensionItems& items, const WorkItems& work) {
  if (!oneLine(work.name) || !oneLine(work.exercise)) return false;
  ExtensionItems next = items;
  if (!writeResults(next, work.results)) return false;
  if (!next.set(kNameKey, work.name) || !next.set(kExerciseKey, work.exercise)) return false;
  for (std::size_t k = 1; k <= kMaxResults; ++k) {
    const GivenResult& g = work.given[k - 1];
    for (const auto& [key, text] : {std::pair(kGivenKey, &g.value), std::pair(kUncertaintyKey, &g.u)}) {
      if (text->empty())
        next.erase(numbered(key, k));
      else if (!oneLine(*text) || !next.set(numbered(key, k), *text))
        return false;
    }
  }
  items = std::move(next);
  return true;
}

std::optional<std::string> givenProblem(const GivenResult& given) {
  if (!given.value.empty() && !readTypedNumber(given.value))
    return msg::shownFormat(VELMIRA_TEXT("velmira::msg", "valeur non valide « %1 »"), {given.value});
  if (!given.u.empty()) {
    const auto u = readTypedNumber(given.u);
    if (!u || *u < 0) return msg::shownFormat(VELMIRA_TEXT("velmira::msg", "incertitude non valide « %1 »"), {given.u});
  }
  if (given.value.empty() && !given.u.empty())
    return msg::shown(VELMIRA_TEXT("velmira::msg", "incertitude sans valeur"));
  return std::nullopt;
}

std::optional<ExtensionItems> startWork(const ExtensionItems& configuration, const WorkItems& work,
                                        std::uint64_t seed) {
  ExtensionItems items = configuration;
  model::UnknownDraw draw(seed);
  for (Hidden h : {Hidden::Concentration1, Hidden::Concentration2}) {
    const std::string* setting = items.find(hiddenKey(h));
    if (!setting || *setting == "oui") continue;
    const model::RangeRead range = model::readDrawRange(*setting);
    if (!range.range) return std::nullopt;
    if (!items.set(hiddenValueKey(h), scramble(draw.draw(*range.range))) || !items.set(hiddenKey(h), "oui"))
      return std::nullopt;
  }
  // The scatter's seed, when the teacher fixed none, is this work's own.
  if (const std::string* on = items.find(kScatterKey); on && *on == "oui") {
    const std::string* given = items.find(kSeedKey);
    if ((!given || !readSeed(*given)) && !items.set(kSeedKey, std::to_string(seed))) return std::nullopt;
  }
  if (!writeWork(items, work)) return std::nullopt;
  return items;
}

bool makesPupilWork(const ExtensionItems& configuration, const ExerciseResults& results) {
  if (!results.results.empty()) return true;
  for (Hidden h : kHiddenItems)
    if (configuration.find(hiddenKey(h))) return true;
  return false;
}

TextQuestion pupilNameQuestion() {
  return {VELMIRA_TEXT("velmira::msg", "Votre nom :"), VELMIRA_TEXT("velmira::msg", "Nom de l'élève"), ""};
}

std::optional<std::string> expectedValue(const ExtensionItems& items, const std::string& expected) {
  if (expected == "c1") return hiddenValue(items, Hidden::Concentration1);
  if (expected == "c2") return hiddenValue(items, Hidden::Concentration2);
  if (!readTypedNumber(expected)) return std::nullopt;
  return expected;
}

std::vector<std::string> correctionHeading(const ExtensionItems& items) {
  const auto work = readWork(items);
  if (!work) return {};
  std::vector<std::string> lines;
  for (Hidden h : kHiddenItems) {
    const auto value = hiddenValue(items, h);
    if (!value) continue;
    if (lines.empty()) lines.push_back(msg::shown(VELMIRA_TEXT("velmira::msg", "Valeurs cachées de ce travail :")));
    if (h == Hidden::Solute2) {
      const auto k = readTypedNumber(*value);
      lines.push_back(
          msg::shownFormat(VELMIRA_TEXT("velmira::msg", "soluté de la solution 2 : %1"),
                           {k ? msg::shown(model::soluteName(static_cast<int>(*k))) : std::string(kHiddenText)}));
    } else {
      lines.push_back(hiddenName(h) + " = " + *value + " mol/L");
    }
  }
  if (!work->results.results.empty())
    lines.push_back(msg::shownFormat(VELMIRA_TEXT("velmira::msg", "Résultats attendus (à %1 % près) :"),
                                     {num::general(tolerancePercent(work->results))}));
  for (const ResultDeclaration& r : work->results.results)
    lines.push_back(r.label + " = " + expectedValue(items, r.expected).value_or(kHiddenText));
  return lines;
}

std::string workTextPath(const std::string& configurationPath) {
  const std::size_t name = configurationPath.find_last_of('/') + 1;  // npos + 1 is 0
  const std::size_t dot = configurationPath.rfind('.');
  const std::size_t end = dot != std::string::npos && dot > name ? dot : configurationPath.size();
  return configurationPath.substr(0, end) + ".rtf";
}

Message givenRefused(const std::string& problem) {
  return msg::information(
      msg::shownFormat(VELMIRA_TEXT("velmira::msg", "Ce résultat n'est pas gardé : %1."), {problem}),
      VELMIRA_TEXT("velmira::msg", "Résultat"));
}

Message hiddenValueDamaged() {
  return msg::information(
      VELMIRA_TEXT("velmira::msg", "Une valeur cachée de ce travail est endommagée : elle est ignorée."),
      VELMIRA_TEXT("velmira::msg", "Valeur cachée"));
}

}  // namespace velmira::files
