// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files replaced whole or not at all, and files read without blocking.
#include <sys/types.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmira::fileio {

// The write(2) used by `replaceFile`; tests put a failing one in its place.
using WriteFn = ssize_t (*)(int fd, const void* data, std::size_t size);

// Why a save failed.
enum class SaveCause {
  None,
  IsFolder,       // the path names a folder
  FolderMissing,  // its folder does not exist
  NameTooLong,
  DiskFull,        // no room left, or the user's quota is used up
  AccessDenied,    // the folder or the file may not be written
  ReadOnlyFile,    // the file is marked read-only
  NotRegularFile,  // a pipe, a device, a socket
  UnfitText,       // the file's format cannot hold a text to save (nothing was written)
  System,          // another failure: `error` tells it
};

struct SaveFailure {
  SaveCause cause = SaveCause::None;
  int error = 0;  // the system's error number behind the cause, when there is one
};

// The cause a system error number stands for (System for the others).
SaveCause saveCauseOf(int error);

// A read-only target is refused unless the user agreed to replace it.
enum class ReadOnlyTarget { Refuse, Replace };

// Whether a symbolic link is followed, or never: a read refuses it, a save
// replaces the link itself (the file it names is left untouched).
enum class Links { Follow, Refuse };

// The name of the temporary files `replaceFile` writes before renaming them.
inline constexpr std::string_view kTemporaryPrefix = ".velmira-";

// Replaces the file at `path` with `bytes`: a temporary file in the same
// folder is written, flushed to disk and renamed over the target. On any
// failure the temporary file is removed and the target is left exactly as
// it was; false then, with the cause in `failure` when given. An existing
// target keeps its permissions, and its owner and group when root saves it;
// a symbolic link keeps pointing at the file it names, which is the one
// replaced. Something that is not a regular file (a folder, a device, a
// pipe) is refused, and so is a read-only file unless `readOnly` says
// Replace. With `links` Refuse a link at `path` is never followed: the new
// file takes the link's place. The temporary file is locked while it is
// written, and the folder's stale temporaries are removed first
// (`removeStaleTemporaries`).
bool replaceFile(const std::string& path, std::string_view bytes, WriteFn write = nullptr,
                 SaveFailure* failure = nullptr, ReadOnlyTarget readOnly = ReadOnlyTarget::Refuse,
                 Links links = Links::Follow);

// Removes the temporaries a killed save left in `folder`: regular files
// (never a link) named kTemporaryPrefix and six characters, last changed
// more than `age` seconds ago, that no running save holds locked. At most
// `limit` entries of the folder are looked at. Returns how many went.
int removeStaleTemporaries(const std::string& folder, int age = 60, std::size_t limit = 10000);

// True when `path` names an existing file marked read-only (no write
// permission bit, or none for this user), following links.
bool isReadOnlyFile(const std::string& path);

// Why a file could not be read.
enum class ReadFailure { None, NotFound, AccessDenied, CannotOpen, NotRegularFile, TooLarge, ReadFailed };

struct FileContents {
  std::string bytes;
  ReadFailure failure = ReadFailure::None;
};

// The regular file at `path`, whole: anything else (missing, a folder, a
// pipe, a device, a link when `links` refuses them), a file over `limit`
// bytes or a read error gives its failure. A pipe never blocks.
FileContents readFile(const std::string& path, std::size_t limit, Links links = Links::Follow);

// At most the first `limit` bytes of the regular file at `path`; nullopt
// when it cannot be read (as `readFile`).
std::optional<std::string> readRegularFile(const std::string& path, std::size_t limit, Links links = Links::Follow);

// True when `path` names a regular file (following links).
bool isRegularFile(const std::string& path);

// True when `path` ends with `extension` (".C07"), in any letter case.
bool hasExtension(std::string_view path, std::string_view extension);
// True when something exists at `path` (following links).
bool exists(const std::string& path);

}  // namespace velmira::fileio
