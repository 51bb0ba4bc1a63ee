// SPDX-License-Identifier: GPL-3.0-or-later
// velmira-outil classe: the class table of a folder of pupils' works.
#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "files/ClassMarking.h"
#include "files/ConfigFile.h"
#include "platform/core/SafeFile.h"
#include "tools/Commands.h"
#include "tools/ToolFiles.h"

namespace velmira::tools {

int classCommand(const Args& args, std::ostream& out, std::ostream& err) {
  const char* who = "velmira-outil classe : ";
  std::optional<std::string> folder;
  bool csv = false;
  for (const std::string& a : args) {
    if (a == "--csv") {
      csv = true;
    } else if (!a.empty() && a[0] == '-') {
      err << who << "option inconnue « " << escaped(a) << " » (voir --help)\n";
      return 2;
    } else if (!folder) {
      folder = a;
    } else {
      err << who << "un seul dossier\n";
      return 2;
    }
  }
  namespace fs = std::filesystem;
  std::error_code ec;
  if (!folder || !fs::is_directory(*folder, ec)) {
    err << who << (folder ? "« " + escaped(*folder) + " » n'est pas un dossier" : std::string("indiquer le dossier"))
        << " (velmira-outil classe DOSSIER [--csv])\n";
    return 2;
  }

  // Every *.C07 of the folder, any letter case, in name order.
  std::vector<std::string> names;
  for (fs::directory_iterator it(*folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (fileio::hasExtension(name, files::kConfigExtension)) names.push_back(name);
  }
  if (ec) {
    err << who << "lecture impossible du dossier « " << escaped(*folder) << " » : " << ec.message() << "\n";
    return 1;
  }
  std::sort(names.begin(), names.end());

  std::vector<std::pair<std::string, files::WorkFile>> works;
  int status = 0;
  for (const std::string& name : names) {
    files::WorkFile work = files::readWorkFile((fs::path(*folder) / name).string());
    if (work.state == files::WorkFileState::Unreadable) status = 1;
    for (files::Hidden h : files::damagedHidden(work))
      err << who << escaped(name) << " : la valeur cachée " << files::hiddenName(h)
          << " est endommagée : elle est comptée absente\n";
    works.emplace_back(name, std::move(work));
  }
  const files::ClassTable table = files::classTable(works, csv);
  out << (csv ? files::classTableCsv(table) : files::classTableText(table));
  return status;
}

}  // namespace velmira::tools
