// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/FlagFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/core/NumberText.h"
#include "platform/core/RecordFile.h"

namespace velmira::model {

std::string withSeparator(const std::string& folder) {
  const char sep = static_cast<char>(std::filesystem::path::preferred_separator);
  if (!folder.empty() && (folder.back() == sep || folder.back() == '/')) return folder;
  return folder + sep;
}

std::string flagFilePath(const std::string& appFolder) { return withSeparator(appFolder) + kFlagFileName; }

void markRunning(const std::string& appFolder) { records::writeRecord(flagFilePath(appFolder), kRunningRecord, "OUI"); }

void markStopped(const std::string& appFolder) { records::writeRecord(flagFilePath(appFolder), kRunningRecord, "NON"); }

RunningMark::RunningMark(const std::string& appFolder)
    : folder_(appFolder), fd_(::open(appFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
  if (fd_ >= 0) {
    // An instance that is stopping holds the lock alone for as long as it marks "NON".
    for (int i = 0; i < 100 && ::flock(fd_, LOCK_SH | LOCK_NB) != 0; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  markRunning(appFolder);
}

RunningMark::~RunningMark() {
  if (fd_ >= 0) ::close(fd_);
}

RunningMark::RunningMark(RunningMark&& other) noexcept
    : folder_(std::move(other.folder_)), fd_(std::exchange(other.fd_, -1)) {}

RunningMark& RunningMark::operator=(RunningMark&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    folder_ = std::move(other.folder_);
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

void RunningMark::stop() {
  if (fd_ < 0) return;
  // The change to exclusive fails while another instance holds its share.
  if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) markStopped(folder_);
  ::close(fd_);
  fd_ = -1;
}

std::string takeExercise(const std::string& appFolder) {
  const std::string path = flagFilePath(appFolder);
  const std::string text = records::readRecord(path, kExerciseRecord).value_or("");
  records::writeRecord(path, kExerciseRecord, "");
  return num::trim(text);
}

}  // namespace velmira::model
