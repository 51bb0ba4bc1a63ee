// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/SafeFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <string>

namespace velmira::fileio {

namespace {

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  int release() {
    const int f = fd_;
    fd_ = -1;
    return f;
  }

 private:
  int fd_;
};

// The file a path names once its symbolic links are followed; the path
// itself when it does not exist yet.
std::optional<std::string> resolvedTarget(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) {
    if (errno == ENOENT) return path;
    return std::nullopt;
  }
  if (!S_ISLNK(st.st_mode)) return path;
  char* real = ::realpath(path.c_str(), nullptr);
  if (!real) {
    // A dangling link: write where it points.
    char buf[PATH_MAX];
    const ssize_t n = ::readlink(path.c_str(), buf, sizeof buf - 1);
    if (n <= 0) return std::nullopt;
    std::string target(buf, static_cast<std::size_t>(n));
    if (target.front() != '/') {
      const auto slash = path.rfind('/');
      if (slash != std::string::npos) target = path.substr(0, slash + 1) + target;
    }
    return target;
  }
  std::string r(real);
  std::free(real);
  return r;
}

std::string folderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool writeAll(int fd, std::string_view bytes, WriteFn write) {
  constexpr std::size_t kChunk = 64 * 1024;
  std::size_t done = 0;
  while (done < bytes.size()) {
    const std::size_t n = std::min(kChunk, bytes.size() - done);
    const ssize_t w = write(fd, bytes.data() + done, n);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) return false;
    done += static_cast<std::size_t>(w);
  }
  return true;
}

}  // namespace

SaveCause saveCauseOf(int error) {
  switch (error) {
    case EISDIR:
      return SaveCause::IsFolder;
    case ENOENT:
    case ENOTDIR:
      return SaveCause::FolderMissing;
    case ENAMETOOLONG:
      return SaveCause::NameTooLong;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return SaveCause::DiskFull;
    case EACCES:
    case EPERM:
      return SaveCause::AccessDenied;
    default:
      return SaveCause::System;
  }
}

namespace {

bool markedReadOnly(const std::string& path, const struct stat& st) {
  return (st.st_mode & 0222) == 0 || (::access(path.c_str(), W_OK) != 0 && errno == EACCES);
}

}  // namespace

bool isReadOnlyFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && markedReadOnly(path, st);
}

namespace {

// ".velmira-" and the six characters mkstemp puts in place of XXXXXX.
bool isTemporaryName(std::string_view name) {
  if (name.size() != kTemporaryPrefix.size() + 6 || name.substr(0, kTemporaryPrefix.size()) != kTemporaryPrefix)
    return false;
  return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(kTemporaryPrefix.size()), name.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

}  // namespace

int removeStaleTemporaries(const std::string& folder, int age, std::size_t limit) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return 0;
  const int dfd = ::dirfd(dir);
  const std::time_t now = std::time(nullptr);
  int removed = 0;
  std::size_t seen = 0;
  while (const dirent* e = ::readdir(dir)) {
    if (++seen > limit) break;
    if (!isTemporaryName(e->d_name)) continue;
    struct stat seenFirst {};
    if (::fstatat(dfd, e->d_name, &seenFirst, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(seenFirst.st_mode)) continue;
    // Opened without following a link, nor waiting should it have become a pipe.
    Fd fd(::openat(dfd, e->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    if (now - st.st_mtime <= age) continue;
    // A running save holds its temporary locked.
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) continue;
    // Still the file opened (not replaced meanwhile) before it goes.
    struct stat named {};
    if (::fstatat(dfd, e->d_name, &named, AT_SYMLINK_NOFOLLOW) != 0 || named.st_dev != st.st_dev ||
        named.st_ino != st.st_ino)
      continue;
    if (::unlinkat(dfd, e->d_name, 0) == 0) ++removed;
  }
  ::closedir(dir);
  return removed;
}

bool replaceFile(const std::string& path, std::string_view bytes, WriteFn write, SaveFailure* failure,
                 ReadOnlyTarget readOnly, Links links) {
  auto fail = [failure](SaveCause cause, int error = 0) {
    if (failure) *failure = {cause, error};
    return false;
  };
  auto failWith = [&fail](int error) { return fail(saveCauseOf(error), error); };
  if (!write) write = [](int fd, const void* d, std::size_t n) { return ::write(fd, d, n); };
  if (path.empty()) return fail(SaveCause::FolderMissing, ENOENT);
  const auto target = links == Links::Follow ? resolvedTarget(path) : std::optional<std::string>(path);
  if (!target) return failWith(errno);
  struct stat st {};
  const bool exists = (links == Links::Follow ? ::stat(target->c_str(), &st) : ::lstat(target->c_str(), &st)) == 0 &&
                      !S_ISLNK(st.st_mode);
  if (!exists && errno != ENOENT && !S_ISLNK(st.st_mode)) return failWith(errno);
  if (exists && S_ISDIR(st.st_mode)) return fail(SaveCause::IsFolder, EISDIR);
  if (exists && !S_ISREG(st.st_mode)) return fail(SaveCause::NotRegularFile);
  if (exists && readOnly == ReadOnlyTarget::Refuse && markedReadOnly(*target, st)) return fail(SaveCause::ReadOnlyFile);
  const std::string folder = folderOf(*target);
  removeStaleTemporaries(folder);
  std::string tmp = folder + "/" + std::string(kTemporaryPrefix) + "XXXXXX";
  Fd fd(::mkostemp(tmp.data(), O_CLOEXEC));
  if (fd.get() < 0) return failWith(errno);
  // Held until the rename, so that no other run takes it for a stale one.
  ::flock(fd.get(), LOCK_EX | LOCK_NB);
  mode_t mode;
  if (exists) {
    mode = st.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  int error = 0;
  auto step = [&error](bool done) {
    if (!done && error == 0) error = errno != 0 ? errno : EIO;
    return done;
  };
  errno = 0;
  // Root keeps the file its owner's (before the mode: a change of owner drops set-id bits).
  bool ok = step(writeAll(fd.get(), bytes, write)) &&
            step(!exists || ::geteuid() != 0 || ::fchown(fd.get(), st.st_uid, st.st_gid) == 0) &&
            step(::fchmod(fd.get(), mode) == 0) && step(::fsync(fd.get()) == 0);
  ok = step(::close(fd.release()) == 0) && ok;
  if (ok) ok = step(::rename(tmp.c_str(), target->c_str()) == 0);
  if (!ok) {
    ::unlink(tmp.c_str());
    return failWith(error);
  }
  // The rename itself reaches the disk with the folder.
  Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY));
  if (dir.get() >= 0) ::fsync(dir.get());
  if (failure) *failure = {};
  return true;
}

namespace {

// Reads the regular file at `path`; past `limit` bytes, either stops there
// (`truncate`) or fails.
FileContents readRegular(const std::string& path, std::size_t limit, bool truncate, Links links) {
  FileContents r;
  // Non-blocking, so that opening a pipe with no writer does not wait.
  Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | (links == Links::Refuse ? O_NOFOLLOW : 0)));
  if (fd.get() < 0) {
    r.failure = errno == ENOENT || errno == ENOTDIR ? ReadFailure::NotFound
                : errno == EACCES                   ? ReadFailure::AccessDenied
                                                    : ReadFailure::CannotOpen;
    return r;
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) {
    r.failure = ReadFailure::ReadFailed;
    return r;
  }
  if (!S_ISREG(st.st_mode)) {
    r.failure = ReadFailure::NotRegularFile;
    return r;
  }
  const auto size = static_cast<unsigned long long>(std::max<off_t>(st.st_size, 0));
  if (!truncate && size > limit) {
    r.failure = ReadFailure::TooLarge;
    return r;
  }
  // One byte more than the size shows a file that grew meanwhile.
  std::string bytes(static_cast<std::size_t>(std::min<unsigned long long>(size, limit)) + 1, '\0');
  std::size_t got = 0;
  for (;;) {
    if (got == bytes.size()) {
      if (bytes.size() > limit) {
        if (truncate) {
          got = limit;
          break;
        }
        r.failure = ReadFailure::TooLarge;
        return r;
      }
      bytes.resize(std::min(limit + 1, bytes.size() * 2));
    }
    const ssize_t n = ::read(fd.get(), bytes.data() + got, bytes.size() - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      r.failure = ReadFailure::ReadFailed;
      return r;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  r.bytes = std::move(bytes);
  return r;
}

}  // namespace

FileContents readFile(const std::string& path, std::size_t limit, Links links) {
  return readRegular(path, limit, false, links);
}

std::optional<std::string> readRegularFile(const std::string& path, std::size_t limit, Links links) {
  FileContents r = readRegular(path, limit, true, links);
  if (r.failure != ReadFailure::None) return std::nullopt;
  return std::move(r.bytes);
}

bool isRegularFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool hasExtension(std::string_view path, std::string_view extension) {
  if (path.size() < extension.size()) return false;
  return std::equal(extension.begin(), extension.end(), path.end() - static_cast<std::ptrdiff_t>(extension.size()),
                    [](char a, char b) {
                      return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
                    });
}

bool exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

}  // namespace velmira::fileio
