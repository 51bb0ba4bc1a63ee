// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The flag file shared with the launcher, in the application folder:
// record 2 is this module's running flag, record 31 an exercise to open.
// No error is ever reported: a failing access leaves the file as it is. A
// symbolic link (or anything but a regular file) in its place is never
// followed nor written: the launcher's request is then unavailable.
#include <string>
#include <utility>

namespace velmira::model {

inline constexpr const char* kFlagFileName = "TEMPQZ.TMP";
inline constexpr std::size_t kRunningRecord = 2;
inline constexpr std::size_t kExerciseRecord = 31;

// The application folder followed by the separator, then the file name.
std::string flagFilePath(const std::string& appFolder);
// The folder with its final separator added when missing.
std::string withSeparator(const std::string& folder);

void markRunning(const std::string& appFolder);  // "OUI"
void markStopped(const std::string& appFolder);  // "NON"

// A run's mark in the flag file: "OUI" while any instance runs. Each running
// instance holds a shared lock on the flag file's folder (nothing is written
// for it); the instance that stops marks "NON" only when it can take that
// lock alone, so the last one to close writes it.
class RunningMark {
 public:
  RunningMark() = default;
  // Takes this run's share (waiting a moment for an instance that is
  // marking "NON"), then marks "OUI".
  explicit RunningMark(const std::string& appFolder);
  ~RunningMark();
  RunningMark(RunningMark&& other) noexcept;
  RunningMark& operator=(RunningMark&& other) noexcept;
  RunningMark(const RunningMark&) = delete;
  RunningMark& operator=(const RunningMark&) = delete;

  // Gives up this run's share, marking "NON" when no other instance runs.
  void stop();

 private:
  std::string folder_;
  int fd_ = -1;
};
// Reads record 31, then empties it; returns the text read (trimmed of blanks).
std::string takeExercise(const std::string& appFolder);

}  // namespace velmira::model
