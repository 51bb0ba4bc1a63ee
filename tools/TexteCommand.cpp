// velmira-outil texte: the plain text of a rich-text statement as the text
// pane shows it, one line per paragraph; with --rtf, an RTF file written
// from a marked-up text.
#include <ostream>

#include "files/rtf/RtfFile.h"
#include "tools/Commands.h"
#include "tools/MarkedText.h"
#include "tools/Usage.h"

namespace velmira::tools {

namespace {

int writeRtf(const std::string& source, const std::string& output, std::ostream& err) {
  const rtf::FileBytes bytes = rtf::readFileBytes(source);
  if (bytes.error != rtf::ReadError::None) {
    err << "velmira-outil texte : lecture impossible de « " << source << " » : " << rtf::describe(bytes.error)
        << "\n";
    return 1;
  }
  const MarkedText text = readMarkedText(bytes.bytes);
  if (!text.document) {
    err << "velmira-outil texte : " << source << ", " << text.error << "\n";
    return 1;
  }
  if (!rtf::saveRtfFile(output, *text.document)) {
    err << "velmira-outil texte : écriture impossible de « " << output << " »\n";
    return 1;
  }
  return 0;
}

}  // namespace

int commandeTexte(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    out << usage("texte");
    return out.flush() ? 0 : 1;
  }
  if (!args.empty() && args[0] == "--rtf") {
    if (args.size() != 4 || args[2] != "-o") {
      err << "velmira-outil texte : --rtf SOURCE.txt -o FICHIER.rtf\n";
      return 2;
    }
    return writeRtf(args[1], args[3], err);
  }
  if (args.size() != 1) {
    err << "velmira-outil texte : indiquer un fichier RTF\n" << usage("texte");
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
