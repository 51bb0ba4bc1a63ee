#include "platform/core/SafeFile.h"

#include <cerrno>
#include <climits>
#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

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

bool replaceFile(const std::string& path, std::string_view bytes, WriteFn write) {
  if (!write) write = [](int fd, const void* d, std::size_t n) { return ::write(fd, d, n); };
  const auto target = resolvedTarget(path);
  if (!target) return false;
  struct stat st {};
  const bool exists = ::stat(target->c_str(), &st) == 0;
  if (exists && !S_ISREG(st.st_mode)) return false;
  if (!exists && errno != ENOENT) return false;

  const std::string folder = folderOf(*target);
  std::string tmp = folder + "/.velmira-XXXXXX";
  Fd fd(::mkstemp(tmp.data()));
  if (fd.get() < 0) return false;
  mode_t mode;
  if (exists) {
    mode = st.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  bool ok = writeAll(fd.get(), bytes, write) && ::fchmod(fd.get(), mode) == 0 && ::fsync(fd.get()) == 0;
  ok = ::close(fd.release()) == 0 && ok;
  if (ok) ok = ::rename(tmp.c_str(), target->c_str()) == 0;
  if (!ok) {
    ::unlink(tmp.c_str());
    return false;
  }
  // The rename itself reaches the disk with the folder.
  Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY));
  if (dir.get() >= 0) ::fsync(dir.get());
  return true;
}

namespace {

// Reads the regular file at `path`; past `limit` bytes, either stops there
// (`truncate`) or fails.
FileContents readRegular(const std::string& path, std::size_t limit, bool truncate) {
  FileContents r;
  // Non-blocking, so that opening a pipe with no writer does not wait.
  Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
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

FileContents readFile(const std::string& path, std::size_t limit) { return readRegular(path, limit, false); }

std::optional<std::string> readRegularFile(const std::string& path, std::size_t limit) {
  FileContents r = readRegular(path, limit, true);
  if (r.failure != ReadFailure::None) return std::nullopt;
  return std::move(r.bytes);
}

bool isRegularFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

}  // namespace velmira::fileio
