// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rich-text files on disk: reading with a size limit, writing whole.
#include <cstddef>
#include <optional>
#include <string>

#include "files/rtf/RichDocument.h"
#include "platform/core/SafeFile.h"

namespace velmira::rtf {

// Files over this are refused unread.
inline constexpr std::size_t kMaxRtfFileBytes = 64u << 20;

enum class ReadError { None, NotFound, AccessDenied, CannotOpen, NotRegularFile, TooLarge, ReadFailed, NotRtf };

struct FileRead {
  std::optional<RichDocument> document;  // set when error is None
  ReadError error = ReadError::None;
};

// The bytes of a regular file of at most `maxBytes`; anything else (a
// folder, a pipe, a device) is refused without waiting on it.
struct FileBytes {
  std::string bytes;
  ReadError error = ReadError::None;
};
FileBytes readFileBytes(const std::string& path, std::size_t maxBytes = kMaxRtfFileBytes);

FileRead loadRtfFile(const std::string& path, std::size_t maxBytes = kMaxRtfFileBytes);

// Why a file could not be read, in French ("fichier introuvable"...).
std::string describe(ReadError error);

// Writes the document as RTF through a temporary file beside `path`, so that
// a failed save leaves an existing file whole. False on any failure, its
// cause in `failure` when given; a read-only file is replaced only when
// `readOnly` says so. `cut` as writeRtf.
bool saveRtfFile(const std::string& path, const RichDocument& document, fileio::SaveFailure* failure = nullptr,
                 fileio::ReadOnlyTarget readOnly = fileio::ReadOnlyTarget::Refuse, bool* cut = nullptr);

}  // namespace velmira::rtf
