// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/RecoveryFiles.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <optional>
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
// A path and its last part, as the system allows them.
constexpr std::size_t kPathLimit = 4096;
constexpr std::size_t kFileNameLimit = 255;
constexpr std::size_t kTextLimit = 16 * 1024 * 1024;
// The start-up scan's bounds: copies looked at, and entries of the folder read.
constexpr std::size_t kCopiesLookedAt = 100;
constexpr std::size_t kEntriesRead = 10000;

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

bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

std::string timeText(std::int64_t seconds) {
  const std::time_t t = static_cast<std::time_t>(seconds);
  std::tm local{};
  if (!localtime_r(&t, &local)) return std::string();
  char day[32], hour[16];
  std::snprintf(day, sizeof day, "%02d/%02d/%04d", local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
  std::snprintf(hour, sizeof hour, "%02d:%02d", local.tm_hour, local.tm_min);
  return msg::shownFormat(VELMIRA_TEXT("velmira::msg", "%1 à %2"), {day, hour});
}

}  // namespace

std::string checkedWorkName(std::string_view nom) {
  if (nom.size() > kPathLimit) return std::string();
  for (std::size_t i = 0; i < nom.size();) {
    char32_t c;
    if (!records::nextCodePoint(nom, i, c) || isControl(c)) return std::string();
  }
  const std::size_t slash = nom.rfind('/');
  const std::size_t last = slash == std::string_view::npos ? nom.size() : nom.size() - slash - 1;
  if (last > kFileNameLimit) return std::string();
  return std::string(nom);
}

std::optional<long long> recoveryCopyNumber(const std::string& name) {
  const std::string extension = kConfigExtension;
  if (name.size() <= extension.size() || name.size() > extension.size() + 18 ||
      name.compare(name.size() - extension.size(), extension.size(), extension) != 0)
    return std::nullopt;
  const std::string stem = name.substr(0, name.size() - extension.size());
  if (stem[0] == '0' || !std::all_of(stem.begin(), stem.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  return std::stoll(stem);
}

RecoveryFiles recoveryFiles(const std::string& folder, long long pid) {
  const std::string base = (fs::path(folder) / std::to_string(pid)).string();
  return {base + kConfigExtension, base + ".nom", base + ".rtf", base + ".lock"};
}

namespace {

// A recovery file is the program's own: a link in its place is replaced, never followed.
bool writeOwn(const std::string& path, const std::string& bytes) {
  return fileio::replaceFile(path, bytes, nullptr, nullptr, fileio::ReadOnlyTarget::Refuse, fileio::Links::Refuse);
}

std::string readOwn(const std::string& path, std::size_t limit) {
  return fileio::readRegularFile(path, limit, fileio::Links::Refuse).value_or(std::string());
}

}  // namespace

bool recoveryFolderUsable(const std::string& folder) {
  std::error_code ec;
  const fs::file_status status = fs::symlink_status(folder, ec);
  if (status.type() == fs::file_type::not_found) return true;
  return !ec && status.type() == fs::file_type::directory;
}

bool writeRecovery(const RecoveryFiles& files, const std::string& snapshot, const std::string& workName,
                   const std::string& rtf) {
  if (!recoveryFolderUsable(fs::path(files.config).parent_path().string())) return false;
  bool ok = writeOwn(files.config, snapshot) && writeOwn(files.name, workName);
  if (rtf.empty()) {
    std::error_code ec;
    fs::remove(files.text, ec);
  } else {
    ok = ok && writeOwn(files.text, rtf);
  }
  return ok;
}

void removeRecovery(const RecoveryFiles& files) {
  if (!recoveryFolderUsable(fs::path(files.config).parent_path().string())) return;
  std::error_code ec;
  for (const std::string* p : {&files.config, &files.name, &files.text}) fs::remove(*p, ec);
}

std::string restartStateText(const RestartState& state) {
  std::string text;
  for (bool flag : {state.saved, state.textModified, state.textReadOnly, state.textFile}) text += flag ? '1' : '0';
  return text + ':' + state.textPath;
}

std::optional<RestartState> readRestartState(std::string_view text) {
  if (text.size() < 5 || text[4] != ':') return std::nullopt;
  bool flags[4];
  for (int i = 0; i < 4; ++i) {
    if (text[i] != '0' && text[i] != '1') return std::nullopt;
    flags[i] = text[i] == '1';
  }
  return RestartState{flags[0], flags[1], flags[2], flags[3], std::string(text.substr(5))};
}

std::optional<RecoveryCopy> readRecovery(const RecoveryFiles& files) {
  const auto contents =
      fileio::readFile(files.config, configRecordCount(table::kMaxRows) * records::kRecordSize, fileio::Links::Refuse);
  if (contents.failure != fileio::ReadFailure::None || !isConfiguration(contents.bytes)) return std::nullopt;
  RecoveryCopy copy;
  copy.files = files;
  copy.snapshot = contents.bytes;
  copy.workName = checkedWorkName(readOwn(files.name, kNameLimit));
  copy.rtf = readOwn(files.text, kTextLimit);
  return copy;
}

std::vector<RecoveryCopy> leftCopies(const std::string& folder,
                                     const std::function<bool(const std::string& lockPath)>& lockHeld) {
  struct Found {
    RecoveryCopy copy;
    fs::file_time_type time;
  };
  std::vector<Found> found;
  if (!recoveryFolderUsable(folder)) return {};
  fileio::removeStaleTemporaries(folder);
  std::size_t looked = 0, read = 0;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end && read++ < kEntriesRead; it.increment(ec)) {
    const auto pid = recoveryCopyNumber(it->path().filename().string());
    if (!pid) continue;
    if (++looked > kCopiesLookedAt) break;
    std::error_code lc;
    if (it->is_symlink(lc) || lc) continue;  // never read through, nor moved
    RecoveryFiles files = recoveryFiles(folder, *pid);
    if (lockHeld(files.lock)) continue;
    std::optional<RecoveryCopy> copy = readRecovery(files);
    if (!copy) {
      setAside(files.config);
      continue;
    }
    Found f;
    f.copy = std::move(*copy);
    std::error_code tc;
    f.time = fs::last_write_time(it->path(), tc);
    if (!tc) {
      const auto sys = std::chrono::file_clock::to_sys(f.time);
      f.copy.savedAt = std::chrono::duration_cast<std::chrono::seconds>(sys.time_since_epoch()).count();
    }
    found.push_back(std::move(f));
  }
  std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) { return a.time > b.time; });
  std::vector<RecoveryCopy> copies;
  copies.reserve(found.size());
  for (Found& f : found) copies.push_back(std::move(f.copy));
  return copies;
}

ChoiceQuestion resumeQuestion(const std::vector<RecoveryCopy>& copies) {
  ChoiceQuestion q;
  q.text = VELMIRA_TEXT("velmira::msg", "Des travaux non enregistrés ont été retrouvés :");
  q.title = VELMIRA_TEXT("velmira::msg", "Reprendre un travail");
  q.takeCaption = kResumeCaption;
  q.noneCaption = VELMIRA_TEXT("velmira::msg", "Ne rien reprendre");
  for (std::size_t i = 0; i < copies.size() && i < kCopiesOffered; ++i) {
    const std::string& path = copies[i].workName;
    std::string name = path.empty() ? "" : fs::path(path).filename().string();
    if (name.empty()) name = msg::shown(VELMIRA_TEXT("velmira::msg", "Travail sans nom"));
    q.lines.push_back(name + " (" + timeText(copies[i].savedAt) + ")");
  }
  return q;
}

Message recoveryImpossible() {
  return msg::exclamationOk(
      VELMIRA_TEXT("velmira::msg",
                   "La copie de secours du travail ne peut pas être écrite : en cas d'arrêt, le travail non "
                   "enregistré serait perdu. Pensez à enregistrer."),
      "Velmira");
}

}  // namespace velmira::files
