// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/rtf/RtfFile.h"

#include "files/rtf/RtfReader.h"
#include "files/rtf/RtfWriter.h"
#include "platform/core/SafeFile.h"

namespace velmira::rtf {

FileBytes readFileBytes(const std::string& path, std::size_t maxBytes) {
  static constexpr ReadError kErrors[] = {ReadError::None,       ReadError::NotFound,       ReadError::AccessDenied,
                                          ReadError::CannotOpen, ReadError::NotRegularFile, ReadError::TooLarge,
                                          ReadError::ReadFailed};
  fileio::FileContents file = fileio::readFile(path, maxBytes);
  return {std::move(file.bytes), kErrors[static_cast<int>(file.failure)]};
}

FileRead loadRtfFile(const std::string& path, std::size_t maxBytes) {
  FileRead r;
  FileBytes file = readFileBytes(path, maxBytes);
  if (file.error != ReadError::None) {
    r.error = file.error;
    return r;
  }
  r.document = readRtf(file.bytes);
  if (!r.document) r.error = ReadError::NotRtf;
  return r;
}

std::string describe(ReadError error) {
  switch (error) {
    case ReadError::None:
      return "";
    case ReadError::NotFound:
      return "fichier introuvable";
    case ReadError::AccessDenied:
      return "accès refusé";
    case ReadError::CannotOpen:
      return "ouverture impossible";
    case ReadError::NotRegularFile:
      return "ce n'est pas un fichier ordinaire";
    case ReadError::TooLarge:
      return "fichier trop volumineux (plus de " + std::to_string(kMaxRtfFileBytes >> 20) + " Mo)";
    case ReadError::ReadFailed:
      return "erreur de lecture";
    case ReadError::NotRtf:
      return "ce n'est pas un texte au format RTF";
  }
  return "";
}

bool saveRtfFile(const std::string& path, const RichDocument& document, fileio::SaveFailure* failure,
                 fileio::ReadOnlyTarget readOnly, bool* cut) {
  return fileio::replaceFile(path, writeRtf(document, cut), nullptr, failure, readOnly);
}

}  // namespace velmira::rtf
