#include "files/PdfCommand.h"

#include "files/ConfigFile.h"
#include "files/ExerciseFile.h"
#include "platform/core/SafeFile.h"

namespace velmira::files {

std::optional<PrintedKind> printedKind(std::string_view path) {
  if (fileio::hasExtension(path, ".rtf")) return PrintedKind::Text;
  if (fileio::hasExtension(path, kExerciseExtension) || fileio::hasExtension(path, kGettingStartedExtension))
    return PrintedKind::Exercise;
  if (fileio::hasExtension(path, kConfigExtension)) return PrintedKind::Configuration;
  return std::nullopt;
}

std::optional<PdfRequest> pdfRequest(const std::vector<std::string>& args) {
  if (args.size() != 3 || args[0] != kPdfOption || args[1].empty() || args[2].empty()) return std::nullopt;
  const auto kind = printedKind(args[2]);
  if (!kind) return std::nullopt;
  return PdfRequest{args[1], args[2], *kind};
}

std::string pdfUsage() {
  return "usage : velmira --pdf SORTIE.pdf FICHIER\n"
         "FICHIER : un énoncé (.rtf, .E24, .PEM) ou une configuration (.C07)";
}

std::string pdfReadFailure(std::string_view file, std::string_view cause) {
  return "velmira : lecture impossible de « " + std::string(file) + " » : " + std::string(cause);
}

std::string pdfWriteFailure(std::string_view output, std::string_view cause) {
  return "velmira : écriture impossible de « " + std::string(output) + " » : " + std::string(cause);
}

}  // namespace velmira::files
