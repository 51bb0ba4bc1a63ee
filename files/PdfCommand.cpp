#include "files/PdfCommand.h"

#include <algorithm>
#include <cctype>

namespace velmira::files {

namespace {

bool endsWithNoCase(std::string_view text, std::string_view end) {
  if (text.size() < end.size()) return false;
  return std::equal(end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b)); });
}


}  // namespace

std::optional<PrintedKind> printedKind(std::string_view path) {
  if (endsWithNoCase(path, ".rtf")) return PrintedKind::Text;
  if (endsWithNoCase(path, ".e24") || endsWithNoCase(path, ".pem")) return PrintedKind::Exercise;
  if (endsWithNoCase(path, ".c07")) return PrintedKind::Configuration;
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
