// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/PdfCommand.h"

#include <sys/stat.h>

#include <cerrno>

#include "files/ConfigFile.h"
#include "files/ExerciseFile.h"
#include "platform/core/Messages.h"
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

bool pdfOutputAllowed(const std::string& output, const std::string& input) {
  if (!fileio::hasExtension(output, ".pdf")) return false;
  struct stat own {};
  if (::lstat(output.c_str(), &own) != 0) return true;  // new, or its folder's fault said by the write
  struct stat out {};
  if (::stat(output.c_str(), &out) != 0) return false;  // a dangling link or a loop
  struct stat in {};
  if (::stat(input.c_str(), &in) == 0 && in.st_dev == out.st_dev && in.st_ino == out.st_ino) return false;
  if (!S_ISREG(out.st_mode)) return false;
  const auto start = fileio::readRegularFile(output, 5);
  return start && *start == "%PDF-";
}

std::string pdfOutputRefused(std::string_view output) {
  return "velmira --pdf : la sortie doit être un nouveau fichier .pdf ou un PDF existant : « " + std::string(output) +
         " »";
}

std::optional<std::string> pdfInputFault(const std::string& input) {
  struct stat st {};
  if (::stat(input.c_str(), &st) != 0) return msg::systemErrorText(errno == ENOTDIR ? ENOENT : errno);
  if (S_ISREG(st.st_mode)) return std::nullopt;
  if (S_ISDIR(st.st_mode)) return "c'est un dossier";
  if (S_ISFIFO(st.st_mode)) return "c'est un tube";
  if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) return "c'est un périphérique";
  return "ce n'est pas un fichier ordinaire";
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
