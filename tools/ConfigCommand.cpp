// SPDX-License-Identifier: GPL-3.0-or-later
// velmira-outil config: builds a configuration file from settings and table
// operations.
#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "files/ConfigFile.h"
#include "files/PupilWork.h"
#include "files/ScatterRecord.h"
#include "model/EntryRules.h"
#include "model/Knob.h"
#include "model/UnknownDraw.h"
#include "model/Workbench.h"
#include "platform/core/NumberText.h"
#include "platform/core/RecordFile.h"
#include "table/ColumnStatistics.h"
#include "table/Spreadsheet.h"
#include "table/Table.h"
#include "table/TableText.h"
#include "tools/Commands.h"
#include "tools/ConfigSettings.h"
#include "tools/StreamMessages.h"
#include "tools/TableOperations.h"
#include "tools/ToolFiles.h"

namespace velmira::tools {

namespace {

// --set inconnue1|inconnue2=oui|non|MIN..MAX, inconnue_solute2=oui|non:
// nullopt for another key, false (said on `err`) for a bad value.
std::optional<bool> hideSetting(const std::string& key, const std::string& value, files::ExtensionItems& extension,
                                std::ostream& err) {
  for (files::Hidden h : files::kHiddenItems) {
    if (key != files::hiddenKey(h)) continue;
    if (value == "non") {
      extension.erase(files::hiddenKey(h));
      return true;
    }
    if (value != "oui" && h != files::Hidden::Solute2) {
      const model::RangeRead range = model::readDrawRange(value);
      if (!range.range) {
        err << "velmira-outil config : valeur non valide pour " << key << " : « " << value << " » ("
            << (range.problem == model::RangeProblem::Reversed     ? "MIN supérieur à MAX"
                : range.problem == model::RangeProblem::OutOfEntry ? "hors de 0,00001..0,1 mol/L"
                                                                   : "oui, non ou MIN..MAX")
            << ")\n";
        return false;
      }
    } else if (value != "oui") {
      err << "velmira-outil config : valeur non valide pour " << key << " : « " << value << " » (oui ou non)\n";
      return false;
    }
    if (!extension.set(files::hiddenKey(h), value)) return false;
    return true;
  }
  return std::nullopt;
}

// --set dispersion=oui|non, tirage=GRAINE: nullopt for another key, false
// (said on `err`) for a bad value. The scatter applies from then on;
// `seedGiven` tells whether the file has a seed of its own.
std::optional<bool> scatterSetting(const std::string& key, const std::string& value, files::ExtensionItems& extension,
                                   model::Workbench& wb, bool& seedGiven, std::ostream& err) {
  if (key != files::kScatterKey && key != files::kSeedKey) return std::nullopt;
  // The draws made so far are kept, unless what they were drawn from goes.
  if (seedGiven) files::keepScatter(extension, wb.scatter());
  if (key == files::kScatterKey) {
    if (value == "non") {
      extension.erase(files::kScatterKey);
      extension.erase(files::kDrawsKey);
    } else if (value == "oui") {
      extension.set(files::kScatterKey, value);
    } else {
      err << "velmira-outil config : valeur non valide pour " << key << " : « " << value << " » (oui ou non)\n";
      return false;
    }
  } else {
    if (!files::readSeed(value)) {
      err << "velmira-outil config : valeur non valide pour " << key << " : « " << value
          << " » (un entier de 0 à 18446744073709551615)\n";
      return false;
    }
    extension.set(files::kSeedKey, value);
    extension.erase(files::kDrawsKey);
    seedGiven = true;
  }
  files::applyScatter(extension, wb);
  wb.updateVoltmeters();
  return true;
}

}  // namespace

int configCommand(const Args& args, std::ostream& out, std::ostream& err) {
  enum class Output { Records, File, Table, Csv, Ods, Statistics };
  Output output = Output::Records;
  // One output per call: a second one is refused, not silently taken.
  const auto choose = [&](Output chosen) {
    if (output == Output::Records) {
      output = chosen;
      return true;
    }
    err << "velmira-outil config : une seule sortie parmi -o, --tableau, --csv, --ods et --statistiques\n";
    return false;
  };
  int statisticsCol = 0;
  std::optional<std::string> input, outputPath;
  // The settings and operations, run in the order given.
  std::vector<std::variant<std::pair<std::string, std::string>, TableOperation>> steps;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--set" || a == "-o" || a == "--ods") {
      if (i + 1 >= args.size()) {
        err << "velmira-outil config : " << a << " attend une valeur\n";
        return 2;
      }
      const std::string& v = args[++i];
      if (a != "--set") {
        if (!choose(a == "-o" ? Output::File : Output::Ods)) return 2;
        outputPath = v;
        continue;
      }
      const auto eq = v.find('=');
      if (eq == std::string::npos || eq == 0) {
        err << "velmira-outil config : réglage sans CLE=VALEUR : « " << v << " »\n";
        return 2;
      }
      steps.emplace_back(std::pair(v.substr(0, eq), v.substr(eq + 1)));
    } else if (a == "--tableau" || a == "--csv") {
      if (!choose(a == "--csv" ? Output::Csv : Output::Table)) return 2;
    } else if (a == "--statistiques") {
      const std::string c = i + 1 < args.size() ? args[++i] : std::string();
      if (c.size() != 1 || c[0] < '1' || c[0] > '0' + table::kCols) {
        err << "velmira-outil config : --statistiques attend un numéro de colonne (1 à 5)\n";
        return 2;
      }
      if (!choose(Output::Statistics)) return 2;
      statisticsCol = c[0] - '1';
    } else if (const int n = operationArguments(a); n >= 0) {
      if (i + n >= args.size()) {
        err << "velmira-outil config : " << a << " attend " << n << " valeur" << (n > 1 ? "s" : "") << "\n";
        return 2;
      }
      TableOperation op{a, {}};
      for (int k = 0; k < n; ++k) op.args.push_back(args[++i]);
      steps.emplace_back(std::move(op));
    } else if (!a.empty() && a[0] == '-') {
      err << "velmira-outil config : option inconnue « " << a << " »\n";
      return 2;
    } else if (!input) {
      input = a;
    } else {
      err << "velmira-outil config : un seul fichier d'entrée\n";
      return 2;
    }
  }

  StreamMessages messages(err);
  model::Workbench wb;
  wb.startupDefaults();
  table::Table table;
  // Items this version does not use are written back as they came.
  files::ExtensionItems extension;
  if (input && !loadConfiguration(*input, wb, table, err, "config", &extension)) return 1;

  // Without a seed of its own, the file keeps none: each work that opens it draws its own.
  bool seedGiven = extension.find(files::kSeedKey) != nullptr;
  Settings settings{wb, table, messages, err};
  TableOperations operations(wb, table, messages, err);
  for (const auto& step : steps) {
    if (const auto* kv = std::get_if<std::pair<std::string, std::string>>(&step)) {
      if (const auto hidden = hideSetting(kv->first, kv->second, extension, err)) {
        if (!*hidden) return 1;
        // What is hidden from now on is never recorded.
        for (int k = 1; k <= 2; ++k)
          wb.setConcealed(k == 1 ? model::Concentration1 : model::Concentration2,
                          files::hidesConcentration(extension, k));
        continue;
      }
      if (const auto graph = graphSetting(kv->first, kv->second, extension, err)) {
        if (!*graph) return 2;
        continue;
      }
      if (const auto scatter = scatterSetting(kv->first, kv->second, extension, wb, seedGiven, err)) {
        if (!*scatter) return 2;
        continue;
      }
      if (!settings.apply(kv->first, kv->second)) return 2;
    } else if (!operations.run(std::get<TableOperation>(step))) {
      return 2;
    }
  }
  wb.updateVoltmeters();
  if (!files::keepHidden(extension, wb)) {
    err << "velmira-outil config : valeur cachée impossible à enregistrer\n";
    return 1;
  }
  if (seedGiven)
    files::keepScatter(extension, wb.scatter());
  else
    wb.setScatter({});

  switch (output) {
    case Output::File:
      return files::writeConfiguration(*outputPath, wb, table, messages, false, extension) ? 0 : 1;
    case Output::Table:
      for (int r = 0; r < table.rows(); ++r) {
        for (int c = 0; c < table::kCols; ++c) out << (c ? "\t" : "") << table.cell(r, c);
        out << "\n";
      }
      return 0;
    case Output::Csv:
      out << table::csv(table);
      return 0;
    case Output::Ods:
      return table::writeOds(*outputPath, table, messages, false) ? 0 : 1;
    case Output::Statistics: {
      // 4 significant digits; what n does not allow is "non calculable".
      const table::ColumnStatistics st = table::columnStatistics(table, statisticsCol);
      const auto shown = [](const std::optional<double>& v) {
        return v ? num::format(*v, "0.000E+00") : std::string("non calculable");
      };
      out << "n\t" << st.n << "\nmoyenne\t" << shown(st.mean) << "\necart_type\t" << shown(st.s) << "\nu\t"
          << shown(st.u) << "\n";
      return 0;
    }
    case Output::Records:
      break;
  }
  auto recs = files::configRecords(wb, table);
  files::maskHiddenRecords(recs, extension);
  for (std::string& r : files::extensionRecords(extension)) recs.push_back(std::move(r));
  for (std::size_t n = 0; n < recs.size(); ++n) out << n + 1 << "\t" << escaped(recs[n]) << "\n";
  return 0;
}

}  // namespace velmira::tools
