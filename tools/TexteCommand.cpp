// velmira-outil texte: the plain text of a rich-text statement as the text
// pane shows it, one line per paragraph.
#include <ostream>

#include "files/rtf/RtfFile.h"
#include "tools/Commands.h"

namespace velmira::tools {

namespace {

const char* kTexteUsage =
    "Usage : velmira-outil texte FICHIER.rtf\n"
    "    Affiche le texte du fichier RTF tel que la fenêtre exercice le montre\n"
    "    (UTF-8, une ligne par paragraphe).\n";

}  // namespace

int commandeTexte(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    out << kTexteUsage;
    return out.flush() ? 0 : 1;
  }
  if (args.size() != 1) {
    err << "velmira-outil texte : indiquer un fichier RTF\n" << kTexteUsage;
    return 2;
  }
  const std::string& path = args[0];
  const rtf::FileRead read = rtf::loadRtfFile(path);
  if (!read.document) {
    err << "velmira-outil texte : lecture impossible de « " << path << " » : " << rtf::describe(read.error) << "\n";
    return 1;
  }
  out << rtf::plainText(*read.document);
  if (!out.flush()) {
    err << "velmira-outil texte : écriture impossible sur la sortie\n";
    return 1;
  }
  return 0;
}

}  // namespace velmira::tools
