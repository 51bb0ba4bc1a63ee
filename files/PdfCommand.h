// SPDX-License-Identifier: GPL-3.0-or-later
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
  Configuration,  // .C07: its saved graph (else C2 against C1), the table, the three bench pictures
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

// Whether `output` may receive the PDF printed from `input`: it ends in
// ".pdf" in any letter case, is not the input file (the same file under any
// name), and is either new or an existing file that begins with "%PDF-"
// (a link that leads nowhere is not new).
bool pdfOutputAllowed(const std::string& output, const std::string& input);
// "velmira --pdf : la sortie doit être un nouveau fichier .pdf ou un PDF
// existant : « SORTIE »"
std::string pdfOutputRefused(std::string_view output);
// What stands at `input` when it is not a file to read ("fichier
// introuvable", "c'est un dossier", "c'est un tube", "c'est un
// périphérique", "trop de liens symboliques"...); nullopt for a regular file.
std::optional<std::string> pdfInputFault(const std::string& input);

// "usage : velmira --pdf SORTIE.pdf FICHIER" and the kinds, on two lines.
std::string pdfUsage();
// "velmira : lecture impossible de « FICHIER » : CAUSE"
std::string pdfReadFailure(std::string_view file, std::string_view cause);
// "velmira : écriture impossible de « SORTIE » : CAUSE"
std::string pdfWriteFailure(std::string_view output, std::string_view cause);

}  // namespace velmira::files
