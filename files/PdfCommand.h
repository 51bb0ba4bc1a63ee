#pragma once
// `velmira --pdf SORTIE.pdf FICHIER`: what is printed for a file, the
// arguments, and the texts and exit codes of the command.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmira::files {

// What a file prints, from its extension in any letter case.
enum class PrintedKind {
  Text,           // .rtf: the statement, as the exercise menu prints it
  Exercise,       // .E24, .PEM: the exercise's statement, the same way
  Configuration,  // .C07: graph of C2 against C1, the table, the three bench pictures
};
std::optional<PrintedKind> printedKind(std::string_view path);

inline constexpr const char* kPdfOption = "--pdf";
inline constexpr int kPdfWritten = 0;
inline constexpr int kPdfFailed = 1;
inline constexpr int kPdfBadArguments = 2;

struct PdfRequest {
  std::string output, input;
  PrintedKind kind = PrintedKind::Text;
};

// The arguments after the program's name; nullopt unless they are exactly
// "--pdf", an output and a file of a kind that prints.
std::optional<PdfRequest> pdfRequest(const std::vector<std::string>& args);

// "usage : velmira --pdf SORTIE.pdf FICHIER" and the kinds, on two lines.
std::string pdfUsage();
// "velmira : lecture impossible de « FICHIER » : CAUSE"
std::string pdfReadFailure(std::string_view file, std::string_view cause);
// "velmira : écriture impossible de « SORTIE » : CAUSE"
std::string pdfWriteFailure(std::string_view output, std::string_view cause);

}  // namespace velmira::files
