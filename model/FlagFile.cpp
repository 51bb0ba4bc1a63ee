#include "model/FlagFile.h"

#include <filesystem>

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

std::string takeExercise(const std::string& appFolder) {
  const std::string path = flagFilePath(appFolder);
  const std::string text = records::readRecord(path, kExerciseRecord).value_or("");
  records::writeRecord(path, kExerciseRecord, "");
  return num::trim(text);
}

}  // namespace velmira::model
