// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/ZoomFile.h"

#include <sys/stat.h>

#include <cerrno>
#include <charconv>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include "platform/core/ScreenFit.h"

namespace velmira::fileio {

namespace {

constexpr std::string_view kSection = "[affichage]";
constexpr std::string_view kKey = "zoom";
// Far more than the few lines the program writes.
constexpr std::size_t kLimit = 64 * 1024;

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// The value of `zoom=` on a line, when the line sets it.
std::optional<std::string_view> zoomValue(std::string_view line) {
  line = trimmed(line);
  const auto eq = line.find('=');
  if (eq == std::string_view::npos || trimmed(line.substr(0, eq)) != kKey) return std::nullopt;
  return trimmed(line.substr(eq + 1));
}

// The first line of `rest` (without its '\n'), taken off it.
std::string_view takeLine(std::string_view& rest) {
  const auto nl = rest.find('\n');
  const std::string_view line = rest.substr(0, nl);
  rest = nl == std::string_view::npos ? std::string_view() : rest.substr(nl + 1);
  return line;
}

bool isSection(std::string_view line) { return trimmed(line).substr(0, 1) == "["; }

// The file's text: nullopt when something that is not a regular file stands
// there (`failure` tells what), empty when there is nothing yet.
std::optional<std::string> settingsText(const std::string& path, SaveFailure* failure) {
  auto fail = [failure](SaveCause cause, int error) {
    if (failure) *failure = {cause, error};
    return std::nullopt;
  };
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) {
    if (errno == ENOENT) return std::string();
    return fail(saveCauseOf(errno), errno);
  }
  if (S_ISDIR(st.st_mode)) return fail(SaveCause::IsFolder, EISDIR);
  if (!S_ISREG(st.st_mode)) return fail(SaveCause::NotRegularFile, 0);
  FileContents r = readFile(path, kLimit, Links::Refuse);
  if (r.failure == ReadFailure::AccessDenied) return fail(SaveCause::AccessDenied, EACCES);
  if (r.failure != ReadFailure::None) return fail(SaveCause::System, EIO);
  return std::move(r.bytes);
}

}  // namespace

int readZoom(const std::string& path) {
  const auto text = settingsText(path, nullptr);
  if (!text) return kZoomLeast;
  bool inSection = false;
  std::string_view rest = *text;
  while (!rest.empty()) {
    const std::string_view line = takeLine(rest);
    if (isSection(line)) {
      inSection = trimmed(line) == kSection;
    } else if (const auto value = zoomValue(line); inSection && value) {
      int percent = 0;
      const auto [end, ec] = std::from_chars(value->data(), value->data() + value->size(), percent);
      return ec == std::errc() && end == value->data() + value->size() ? validZoom(percent) : kZoomLeast;
    }
  }
  return kZoomLeast;
}

bool writeZoom(const std::string& path, int percent, SaveFailure* failure) {
  const auto text = settingsText(path, failure);
  if (!text) return false;
  const std::string setting = std::string(kKey) + "=" + std::to_string(validZoom(percent)) + "\n";
  std::string out;
  bool inSection = false, written = false;
  auto put = [&] {
    if (inSection && !written) out += setting;
    written = written || inSection;
  };
  std::string_view rest = *text;
  while (!rest.empty()) {
    const std::string_view line = takeLine(rest);
    if (isSection(line)) {
      put();
      inSection = trimmed(line) == kSection;
    } else if (inSection && zoomValue(line)) {
      put();  // the old value's place
      continue;
    }
    out.append(line);
    out += '\n';
  }
  put();
  if (!written) {
    if (!out.empty()) out += '\n';
    out.append(kSection);
    out += '\n';
    out += setting;
  }
  std::error_code ec;
  const auto folder = std::filesystem::path(path).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, ec);
  return replaceFile(path, out, nullptr, failure, ReadOnlyTarget::Refuse, Links::Refuse);
}

}  // namespace velmira::fileio

namespace velmira::msg {

Message zoomNotStored(const fileio::SaveFailure& failure) {
  return criticalOk(
      shownFormat(VELMIRA_TEXT("velmira::msg", "Le zoom n'a pas pu être enregistré : %1"), {saveCauseText(failure)}),
      VELMIRA_TEXT("velmira::msg", "Zoom"));
}

}  // namespace velmira::msg
