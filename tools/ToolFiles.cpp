// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ToolFiles.h"

#include <cstdio>
#include <ostream>

#include "files/ConfigFile.h"
#include "files/PupilWork.h"
#include "platform/core/SafeFile.h"
#include "tools/StreamMessages.h"

namespace velmira::tools {

bool loadConfiguration(const std::string& path, model::Workbench& wb, table::Table& table, std::ostream& err,
                       const std::string& command, files::ExtensionItems* extension) {
  const std::string who = "velmira-outil " + command + " : ";
  if (!fileio::exists(path)) {
    err << who << "fichier introuvable : " << path << "\n";
    return false;
  }
  if (!fileio::isRegularFile(path)) {
    err << who << path << " n'est pas un fichier ordinaire\n";
    return false;
  }
  StreamMessages messages(err);
  auto configuration = files::readConfiguration(path, wb, table, messages);
  if (!configuration) {
    err << "  (" << path << ")\n";
    return false;
  }
  // Hidden values are computed from as visible ones; never printed.
  if (!files::revealHidden(configuration->extension, wb))
    err << who << path << " : une valeur cachée est endommagée : elle est ignorée\n";
  if (extension) *extension = std::move(configuration->extension);
  return true;
}

std::string escaped(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\x%02X", static_cast<unsigned char>(c));
          out += buf;
        } else {
          out += c;
        }
    }
  }
  return out;
}

}  // namespace velmira::tools
