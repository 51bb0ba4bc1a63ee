// SPDX-License-Identifier: GPL-3.0-or-later
// velmira-outil texte: the plain text of a rich-text statement as the text
// pane shows it, one line per paragraph; with --rtf, an RTF file written
// from a marked-up text.
#include <ostream>

#include "files/rtf/RtfFile.h"
#include "files/rtf/RtfReader.h"
#include "platform/core/Messages.h"
#include "tools/Commands.h"
#include "tools/MarkedText.h"
#include "tools/ToolFiles.h"
#include "tools/Usage.h"

namespace velmira::tools {

namespace {

// What is said when a text is longer than the reader keeps.
const std::string kLimits = "(" + std::to_string(rtf::kMaxParagraphs - 1) + " paragraphes, " +
                            std::to_string(rtf::kMaxRuns) + " passages mis en forme, " +
                            std::to_string(rtf::kMaxKeptText >> 20) + " Mo de texte, " +
                            std::to_string(rtf::kMaxRtfFileBytes >> 20) + " Mo de RTF au plus)";
const std::string kCutRead = "texte trop long : seul le début est lu " + kLimits;
const std::string kCutWritten = "texte trop long : seul le début est écrit " + kLimits;

int writeRtf(const std::string& source, const std::string& output, std::ostream& err) {
  const rtf::FileBytes bytes = rtf::readFileBytes(source);
  if (bytes.error != rtf::ReadError::None) {
    err << "velmira-outil texte : lecture impossible de « " << source << " » : " << rtf::describe(bytes.error) << "\n";
    return 1;
  }
  const MarkedText text = readMarkedText(bytes.bytes);
  if (!text.document) {
    err << "velmira-outil texte : " << source << ", " << text.error << "\n";
    return 1;
  }
  fileio::SaveFailure failure;
  bool cut = false;
  if (!rtf::saveRtfFile(output, *text.document, &failure, fileio::ReadOnlyTarget::Refuse, &cut)) {
    err << "velmira-outil texte : " << msg::writeFailure(output, failure).text << "\n";
    return 1;
  }
  if (cut) err << "velmira-outil texte : « " << escaped(output) << " » : " << kCutWritten << "\n";
  return 0;
}

}  // namespace

int textCommand(const Args& args, std::ostream& out, std::ostream& err) {
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
  if (read.document->truncated) err << "velmira-outil texte : « " << escaped(path) << " » : " << kCutRead << "\n";
  return 0;
}

}  // namespace velmira::tools
