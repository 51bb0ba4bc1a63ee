// SPDX-License-Identifier: GPL-3.0-or-later
// The --set settings of velmira-outil config.
#include "tools/ConfigSettings.h"

#include <algorithm>
#include <cmath>
#include <ostream>

#include "files/ExtensionBlock.h"
#include "graph/GraphSettings.h"
#include "model/EntryRules.h"
#include "model/Knob.h"
#include "model/Workbench.h"
#include "platform/core/NumberText.h"
#include "platform/core/RecordFile.h"
#include "table/Recording.h"
#include "table/Table.h"

namespace velmira::tools {

std::optional<double> wholeNumber(std::string text) {
  text = num::trim(text);
  std::replace(text.begin(), text.end(), ',', '.');
  if (text.empty()) return std::nullopt;
  const auto r = num::leading(text);
  if (r.overflow || r.length != text.size()) return std::nullopt;
  return r.value;
}

std::optional<int> wholeInteger(const std::string& text, int lo, int hi) {
  auto v = wholeNumber(text);
  // The range first: a double out of int's range has no int conversion.
  if (!v || *v < lo || *v > hi || *v != std::trunc(*v)) return std::nullopt;
  return static_cast<int>(*v);
}

std::optional<bool> graphSetting(const std::string& key, const std::string& value, files::ExtensionItems& extension,
                                 std::ostream& err) {
  if (!graph::graphKey(key)) return std::nullopt;
  if (const auto why = graph::graphValueProblem(key, value)) {
    err << "velmira-outil config : valeur non valide pour " << key << " : \xC2\xAB " << value << " \xC2\xBB (" << *why
        << ")\n";
    return false;
  }
  return extension.set(key, graph::storedGraphValue(key, value));
}

namespace {

// The key number after a prefix: "amplitude2" -> 2 within 1..max.
std::optional<int> suffixNumber(const std::string& key, const std::string& prefix, int max) {
  if (key.size() != prefix.size() + 1 || key.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
  const int n = key.back() - '0';
  return n >= 1 && n <= max ? std::optional<int>(n) : std::nullopt;
}

// Types a text into an entry field through its key filter, then leaves it.
void typeEntry(model::Workbench& wb, int field, const std::string& typed, MessageService& messages) {
  std::string text;
  for (char ch : typed) {
    const auto k = model::filterEntryKey(static_cast<unsigned char>(ch));
    if (k.action == model::KeyAction::Insert) text += k.ch;
  }
  wb.setEntryText(field, text);
  model::validateEntry(wb, field, messages);
}

}  // namespace

bool Settings::invalid(const std::string& key, const std::string& value, const std::string& why) {
  err << "velmira-outil config : valeur non valide pour " << key << " : \xC2\xAB " << value << " \xC2\xBB (" << why
      << ")\n";
  return false;
}

// A text a configuration record can hold: at most 126 characters, all in
// Windows-1252.
bool Settings::fitsRecord(const std::string& key, const std::string& value) {
  const auto encoded = records::toCp1252(value);
  if (!encoded) return invalid(key, value, "caract\xC3\xA8res hors du jeu Windows-1252");
  if (encoded->size() > records::kMaxText)
    return invalid(key, value, num::format(static_cast<double>(records::kMaxText), "0") + " caract\xC3\xA8res au plus");
  return true;
}

bool Settings::apply(const std::string& key, const std::string& value) {
  static const std::pair<const char*, int> kEntryKeys[] = {{"c1", model::Concentration1}, {"c2", model::Concentration2},
                                                           {"L", model::Distance},        {"S", model::Area},
                                                           {"V1", model::Volume1},        {"V2", model::Volume2}};
  for (auto [name, field] : kEntryKeys) {
    if (key == name) {
      typeEntry(wb, field, value, messages);
      return true;
    }
  }
  if (auto b = suffixNumber(key, "solute", 2)) {
    auto k = wholeInteger(value, 1, model::kSoluteCount);
    if (!k)
      return invalid(key, value,
                     "un num\xC3\xA9ro de solut\xC3\xA9 de 1 \xC3\xA0 " + num::format(model::kSoluteCount, "0"));
    wb.setSoluteTag(*b - 1, num::format(*k, "0"));
    wb.updateMeters();
    return true;
  }
  for (const char* prefix : {"amplitude", "frequence"}) {
    if (auto b = suffixNumber(key, prefix, 3)) {
      auto v = wholeNumber(value);
      if (!v || *v < 0 || *v > model::kKnobMax) return invalid(key, value, "une valeur de bouton de 0 \xC3\xA0 0.6");
      const int knob = 2 * (*b - 1) + (prefix[0] == 'f' ? 1 : 0);
      wb.setKnobTag(knob, num::plain(*v));
      wb.updateVoltmeters();
      return true;
    }
  }
  // The instruments' selectors: each click is followed by its recomputation.
  struct Selector {
    const char* prefix;
    int size;  // buttons per bench
    void (model::Workbench::*select)(int, bool);
    void (model::Workbench::*recompute)();
    const char* range;
  };
  static const Selector kSelectors[] = {{"conductimetre", 6, &model::Workbench::setConductimeterRange,
                                         &model::Workbench::updateMeters, "une position de 0 \xC3\xA0 5"},
                                        {"amperemetre", 4, &model::Workbench::setAmmeterCalibre,
                                         &model::Workbench::updateMeters, "un calibre de 0 \xC3\xA0 3"},
                                        {"voltmetre", 4, &model::Workbench::setVoltmeterCalibre,
                                         &model::Workbench::updateVoltmeters, "un calibre de 0 \xC3\xA0 3"}};
  for (const Selector& sel : kSelectors) {
    if (auto b = suffixNumber(key, sel.prefix, 3)) {
      auto j = wholeInteger(value, 0, sel.size - 1);
      if (!j) return invalid(key, value, sel.range);
      (wb.*sel.select)(sel.size * (*b - 1) + *j, true);
      (wb.*sel.recompute)();
      return true;
    }
  }
  if (key == "montage") {
    if (value == "gbf")
      wb.setGeneratorMontage(true);
    else if (value == "conductimetre")
      wb.setConductimeterMontage(true);
    else
      return invalid(key, value, "gbf ou conductimetre");
    table::followMontage(table, wb.conductimeterMontage());
    return true;
  }
  if (key == "masque") {
    if (std::find(table::kMasks.begin(), table::kMasks.end(), value) == table::kMasks.end())
      return invalid(key, value, "un des formats ########0.00, ########0.000, (vide), 0.00E+00, 0.000E+00");
    table.setMask(value);
    table.reformat();
    return true;
  }
  if (auto c = suffixNumber(key, "saisie", 5)) {
    auto code = wholeInteger(value, table::kEntryEmpty, table::kEntryCodes);
    if (!code) return invalid(key, value, "un code de 1 \xC3\xA0 " + std::to_string(table::kEntryCodes));
    table.setAutoEntry(*c - 1, *code);
    return true;
  }
  if (key == "lignes") {
    auto n = wholeInteger(value, 1, table::kMaxRows - 1);
    if (!n) return invalid(key, value, "un nombre de lignes de 1 \xC3\xA0 100");
    table.setRows(*n + 1);
    return true;
  }
  if (auto c = suffixNumber(key, "formule", 5)) {
    if (!fitsRecord(key, value)) return false;
    table.setFormula(*c - 1, value);
    return true;
  }
  if (key.rfind("cellule(", 0) == 0 && key.back() == ')') {
    const std::string inside = key.substr(8, key.size() - 9);
    const auto comma = inside.find(',');
    std::optional<int> row, col;
    if (comma != std::string::npos) {
      row = wholeInteger(inside.substr(0, comma), 0, table::kMaxRows - 1);
      col = wholeInteger(inside.substr(comma + 1), 1, table::kCols);
    }
    if (!row || !col) {
      err << "velmira-outil config : cl\xC3\xA9 non valide \xC2\xAB " << key
          << " \xC2\xBB (cellule(LIGNE,COLONNE), ligne 0 \xC3\xA0 100, colonne 1 \xC3\xA0 5)\n";
      return false;
    }
    if (*row >= table.rows())
      return invalid(
          key, value,
          "le tableau n'a que " + num::trim(num::plain(table.rows() - 1)) + " lignes : r\xC3\xA9gler lignes d'abord");
    std::string text = value;
    if (*row > 0) {
      // A data cell holds the number with its digits, as a paste writes it.
      std::replace(text.begin(), text.end(), '.', ',');
      text = table::Table::keptText(text, table.mask());
      if (text.empty() && !num::trim(value).empty()) return invalid(key, value, "un nombre");
    }
    if (!fitsRecord(key, text)) return false;
    table.setCell(*row, *col - 1, text);
    return true;
  }
  err << "velmira-outil config : cl\xC3\xA9 inconnue \xC2\xAB " << key << " \xC2\xBB (voir --help)\n";
  return false;
}

}  // namespace velmira::tools
