#include "files/RecoveryFiles.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "files/ConfigFile.h"
#include "files/ConfigLayout.h"
#include "platform/core/RecordFile.h"
#include "platform/core/SafeFile.h"

namespace velmira::files {

namespace fs = std::filesystem;

namespace {

// Room for the longest name and text the program writes.
constexpr std::size_t kNameLimit = 64 * 1024;
constexpr std::size_t kTextLimit = 16 * 1024 * 1024;

bool isConfiguration(const std::string& bytes) {
  records::RecordReader reader;
  reader.setBytes(bytes);
  const auto signature = reader.read(1);
  return signature && *signature == kSignature;
}

void setAside(const std::string& path) {
  std::error_code ec;
  fs::rename(path, path + kUnreadableSuffix, ec);
  // A copy that cannot even be renamed goes, so that it is not offered at every start.
  if (ec) fs::remove(path, ec);
}

}  // namespace

RecoveryFiles recoveryFiles(const std::string& folder, long long pid) {
  const std::string base = (fs::path(folder) / std::to_string(pid)).string();
  return {base + kConfigExtension, base + ".nom", base + ".rtf", base + ".lock"};
}

bool writeRecovery(const RecoveryFiles& files, const std::string& snapshot, const std::string& workName,
                   const std::string& rtf) {
  bool ok = fileio::replaceFile(files.config, snapshot) && fileio::replaceFile(files.name, workName);
  if (rtf.empty()) {
    std::error_code ec;
    fs::remove(files.text, ec);
  } else {
    ok = ok && fileio::replaceFile(files.text, rtf);
  }
  return ok;
}

void removeRecovery(const RecoveryFiles& files) {
  std::error_code ec;
  for (const std::string* p : {&files.config, &files.name, &files.text}) fs::remove(*p, ec);
}

std::vector<RecoveryCopy> leftCopies(const std::string& folder,
                                     const std::function<bool(const std::string& lockPath)>& lockHeld) {
  struct Found {
    RecoveryCopy copy;
    fs::file_time_type time;
  };
  std::vector<Found> found;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path p = it->path();
    if (p.extension() != kConfigExtension) continue;
    const std::string stem = p.stem().string();
    if (stem.empty() || !std::all_of(stem.begin(), stem.end(), [](char c) { return c >= '0' && c <= '9'; })) continue;
    long long pid = 0;
    try {
      pid = std::stoll(stem);
    } catch (...) {
      continue;
    }
    RecoveryFiles files = recoveryFiles(folder, pid);
    if (lockHeld(files.lock)) continue;
    const auto contents = fileio::readFile(files.config, configRecordCount(table::kMaxRows) * records::kRecordSize);
    if (contents.failure != fileio::ReadFailure::None || !isConfiguration(contents.bytes)) {
      setAside(files.config);
      continue;
    }
    Found f;
    f.copy.files = std::move(files);
    f.copy.snapshot = contents.bytes;
    f.copy.workName = fileio::readRegularFile(f.copy.files.name, kNameLimit).value_or(std::string());
    f.copy.rtf = fileio::readRegularFile(f.copy.files.text, kTextLimit).value_or(std::string());
    std::error_code tc;
    f.time = fs::last_write_time(p, tc);
    found.push_back(std::move(f));
  }
  std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) { return a.time > b.time; });
  std::vector<RecoveryCopy> copies;
  copies.reserve(found.size());
  for (Found& f : found) copies.push_back(std::move(f.copy));
  return copies;
}

Message resumeQuestion() {
  return msg::resumeOrNot("Velmira s'est arrêté sans que votre travail soit enregistré. Reprendre ce travail ?",
                          "Velmira");
}

Message recoveryImpossible() {
  return msg::exclamationOk(
      "La copie de secours du travail ne peut pas être écrite : en cas d'arrêt, le travail non enregistré serait "
      "perdu. Pensez à enregistrer.",
      "Velmira");
}

}  // namespace velmira::files
