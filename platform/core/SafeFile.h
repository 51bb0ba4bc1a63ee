#pragma once
// Files replaced whole or not at all, and files read without blocking.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace velmira::fileio {

// The write(2) used by `replaceFile`; tests put a failing one in its place.
using WriteFn = ssize_t (*)(int fd, const void* data, std::size_t size);

// Replaces the file at `path` with `bytes`: a temporary file in the same
// folder is written, flushed to disk and renamed over the target. On any
// failure the temporary file is removed and the target is left exactly as
// it was; false then. An existing target keeps its permissions; a symbolic
// link keeps pointing at the file it names, which is the one replaced.
// Something that is not a regular file (a folder, a device, a pipe) is
// refused.
bool replaceFile(const std::string& path, std::string_view bytes, WriteFn write = nullptr);

// Why a file could not be read.
enum class ReadFailure { None, NotFound, AccessDenied, CannotOpen, NotRegularFile, TooLarge, ReadFailed };

struct FileContents {
  std::string bytes;
  ReadFailure failure = ReadFailure::None;
};

// The regular file at `path`, whole: anything else (missing, a folder, a
// pipe, a device), a file over `limit` bytes or a read error gives its
// failure. A pipe never blocks.
FileContents readFile(const std::string& path, std::size_t limit);

// At most the first `limit` bytes of the regular file at `path`; nullopt
// when it cannot be read (as `readFile`).
std::optional<std::string> readRegularFile(const std::string& path, std::size_t limit);

// True when `path` names a regular file (following links).
bool isRegularFile(const std::string& path);
// True when something exists at `path` (following links).
bool exists(const std::string& path);

}  // namespace velmira::fileio
