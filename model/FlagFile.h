#pragma once
// The flag file shared with the launcher, in the application folder:
// record 2 is this module's running flag, record 31 an exercise to open.
// No error is ever reported: a failing access leaves the file as it is. A
// symbolic link (or anything but a regular file) in its place is never
// followed nor written: the launcher's request is then unavailable.
#include <string>

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
// Reads record 31, then empties it; returns the text read (trimmed of blanks).
std::string takeExercise(const std::string& appFolder);

}  // namespace velmira::model
