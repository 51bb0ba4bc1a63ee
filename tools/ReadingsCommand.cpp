// SPDX-License-Identifier: GPL-3.0-or-later
// velmira-outil mesures: the twelve display texts of configuration files;
// velmira-outil ions: the ions' limiting molar conductivities.
#include <ostream>

#include "model/Equilibria.h"
#include "model/Workbench.h"
#include "platform/core/NumberText.h"
#include "table/Table.h"
#include "tools/Commands.h"
#include "tools/ToolFiles.h"

namespace velmira::tools {

int readingsCommand(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << "velmira-outil mesures : indiquer au moins un fichier de configuration (.C07)\n";
    return 2;
  }
  int status = 0;
  for (const std::string& path : args) {
    model::Workbench wb;
    wb.startupDefaults();
    table::Table table;
    err.flush();
    if (!loadConfiguration(path, wb, table, err, "mesures")) {
      status = 1;
      continue;
    }
    if (args.size() > 1) out << "# " << path << "\n";
    // Named as the window's display labels afficheur(0..8) and ecrangbf(0..2).
    for (std::size_t i = 0; i < model::kMeterSlots.size(); ++i)
      out << "afficheur(" << i << ")\t" << wb.display(model::kMeterSlots[i].meter, model::kMeterSlots[i].bench) << "\n";
    for (int b = 1; b <= model::kBenches; ++b) out << "ecrangbf(" << b - 1 << ")\t" << wb.generatorText(b) << "\n";
  }
  return status;
}

int ionsCommand(const Args& args, std::ostream& out, std::ostream& err) {
  if (!args.empty()) {
    err << "velmira-outil ions : cette commande ne prend pas d'argument\n";
    return 2;
  }
  for (int i = 0; i < model::kIonCount; ++i) {
    const auto ion = static_cast<model::Ion>(i);
    out << model::ionFormula(ion) << "\t" << num::format(model::ionData(ion).limitingConductivity, "0.00") << "\n";
  }
  return 0;
}

}  // namespace velmira::tools
