#include "files/rtf/RtfFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "files/rtf/RtfReader.h"
#include "files/rtf/RtfWriter.h"
#include "platform/core/RecordFile.h"

namespace velmira::rtf {

namespace {

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// Replaces `path` with `bytes`: a temporary file renamed over it; falls back
// to writing in place when the folder refuses new files.
bool replaceFile(const std::string& path, const std::string& bytes) {
  const std::string tmp = path + ".enregistrement~";
  if (records::writeFile(tmp, bytes)) {
    std::error_code ec;
    std::filesystem::rename(tmp, path, ec);
    if (!ec) return true;
    std::filesystem::remove(tmp, ec);
  }
  return records::writeFile(path, bytes);
}

}  // namespace

FileBytes readFileBytes(const std::string& path, std::size_t maxBytes) {
  FileBytes r;
  // Non-blocking, so that opening a pipe with no writer does not wait.
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (fd.get() < 0) {
    r.error = errno == ENOENT || errno == ENOTDIR ? ReadError::NotFound
              : errno == EACCES                   ? ReadError::AccessDenied
                                                  : ReadError::CannotOpen;
    return r;
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) {
    r.error = ReadError::ReadFailed;
    return r;
  }
  if (!S_ISREG(st.st_mode)) {
    r.error = ReadError::NotRegularFile;
    return r;
  }
  if (st.st_size < 0 || static_cast<unsigned long long>(st.st_size) > maxBytes) {
    r.error = ReadError::TooLarge;
    return r;
  }
  // One byte more than allowed shows a file that grew past the limit.
  std::string bytes(static_cast<std::size_t>(st.st_size) + 1, '\0');
  std::size_t got = 0;
  for (;;) {
    if (got == bytes.size()) {
      if (bytes.size() > maxBytes) {
        r.error = ReadError::TooLarge;
        return r;
      }
      bytes.resize(std::min(maxBytes + 1, bytes.size() * 2));
    }
    const ssize_t n = ::read(fd.get(), bytes.data() + got, bytes.size() - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      r.error = ReadError::ReadFailed;
      return r;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  r.bytes = std::move(bytes);
  return r;
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
    case ReadError::None: return "";
    case ReadError::NotFound: return "fichier introuvable";
    case ReadError::AccessDenied: return "accès refusé";
    case ReadError::CannotOpen: return "ouverture impossible";
    case ReadError::NotRegularFile: return "ce n'est pas un fichier ordinaire";
    case ReadError::TooLarge: return "fichier trop volumineux (plus de " + std::to_string(kMaxRtfFileBytes >> 20) + " Mo)";
    case ReadError::ReadFailed: return "erreur de lecture";
    case ReadError::NotRtf: return "ce n'est pas un texte au format RTF";
  }
  return "";
}

bool saveRtfFile(const std::string& path, const RichDocument& document) {
  return replaceFile(path, writeRtf(document));
}

}  // namespace velmira::rtf
