// velmira-outil mesures: the twelve display texts of configuration files.
#include <ostream>

#include "files/ConfigFile.h"
#include "model/Workbench.h"
#include "table/Table.h"
#include "tools/Commands.h"
#include "tools/StreamMessages.h"

namespace velmira::tools {

int commandeMesures(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << "velmira-outil mesures : indiquer au moins un fichier de configuration (.C07)\n";
    return 2;
  }
  StreamMessages messages(err);
  int status = 0;
  for (const std::string& path : args) {
    model::Workbench wb;
    wb.startupDefaults();
    table::Table table;
    err.flush();
    if (!files::chargeconfig(path, wb, table, messages)) {
      err << "  (" << path << ")\n";
      status = 1;
      continue;
    }
    if (args.size() > 1) out << "# " << path << "\n";
    for (int i = 0; i < 9; ++i) out << "afficheur(" << i << ")\t" << wb.afficheur(i) << "\n";
    for (int i = 0; i < 3; ++i) out << "ecrangbf(" << i << ")\t" << wb.ecrangbf(i) << "\n";
  }
  return status;
}

}  // namespace velmira::tools
