// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ExerciseFile.h"

#include <algorithm>

#include "model/FlagFile.h"
#include "platform/core/NumberText.h"
#include "platform/core/SafeFile.h"

namespace velmira::files {

std::vector<std::string> exerciseRecords(const Exercise& e) {
  std::vector<std::string> r;
  r.reserve(kExerciseRecordCount);
  for (const ExerciseRecords& group : kExerciseLayout) {
    switch (group.item) {
      case ExerciseItem::Statement:
        r.push_back(e.statement);
        break;
      case ExerciseItem::Configuration:
        r.push_back(e.configuration);
        break;
      case ExerciseItem::CorrectedStatement:
        r.push_back(e.correctedStatement);
        break;
      case ExerciseItem::CorrectedConfiguration:
        r.push_back(e.correctedConfiguration);
        break;
      case ExerciseItem::Difficulty:
        r.push_back(e.difficulty);
        break;
      case ExerciseItem::Unshown:
        r.push_back(e.unshown);
        break;
      case ExerciseItem::Notions:
        r.insert(r.end(), e.notions.begin(), e.notions.end());
        break;
      case ExerciseItem::Title:
        r.push_back(e.title);
        break;
    }
  }
  return r;
}

bool writeExercise(const std::string& path, const Exercise& exercise, fileio::SaveFailure* failure) {
  records::RecordWriter writer;
  const auto recs = exerciseRecords(exercise);
  writer.reserve(recs.size());
  for (std::size_t n = 0; n < recs.size(); ++n) {
    if (!writer.write(n + 1, recs[n])) {
      if (failure) *failure = {fileio::SaveCause::UnfitText};
      return false;
    }
  }
  writeExtension(writer, recs.size() + 1, exercise.extension);
  writer.trimLast();
  return fileio::replaceFile(path, writer.bytes(), nullptr, failure);
}

bool ExerciseFile::load(const std::string& path) {
  // The block, and the record that shows whether it goes on past its limit.
  return records_.load(path, kExerciseRecordCount + kMaxExtensionRecords + 1);
}

ExtensionRead ExerciseFile::extension() const { return readExtension(records_, kExerciseRecordCount + 1); }

std::optional<std::string> ExerciseFile::read(ExerciseItem item, std::size_t k) const {
  return records_.read(exerciseRecord(item) + k);
}

std::optional<std::pair<std::string, std::string>> ExerciseFile::readBoth(ExerciseItem first,
                                                                          ExerciseItem second) const {
  auto a = read(first);
  auto b = a ? read(second) : std::nullopt;
  if (!b) return std::nullopt;
  return std::pair(std::move(*a), std::move(*b));
}

bool ExerciseFile::corrected() const {
  const auto named = [this](ExerciseItem item) { return !num::trim(read(item).value_or("")).empty(); };
  return named(ExerciseItem::CorrectedStatement) || named(ExerciseItem::CorrectedConfiguration);
}

std::size_t ExerciseFile::firstDamagedRecord() const {
  for (std::size_t n = exerciseRecord(ExerciseItem::Statement);
       n <= exerciseRecord(ExerciseItem::CorrectedConfiguration); ++n)
    if (!records_.read(n)) return n;
  return 0;
}

bool plainFileName(const std::string& name) {
  const std::string n = num::trim(name);
  return !n.empty() && n != "." && n != ".." && n.find_first_of("/\\") == std::string::npos;
}

std::string exerciseFolder(const std::string& filePath) {
  const auto slash = filePath.rfind('/');
  return model::withSeparator(slash == std::string::npos ? std::string(".") : filePath.substr(0, slash));
}

std::string referencedPath(const std::string& folder, const std::string& name) {
  std::string n = name;
  std::replace(n.begin(), n.end(), '\\', '/');
  return model::withSeparator(folder) + n;
}

Message exerciseUnreadable() {
  return msg::criticalOk(VELMIRA_TEXT("velmira::msg", "Vérifier\u00A0:\n- le nom du fichier,\n- l'état du lecteur."),
                         VELMIRA_TEXT("velmira::msg", "Lecture impossible"));
}

ExercisePreview readPreview(const std::string& exercisePath, MessageService& messages) {
  ExercisePreview p = readPreview(exercisePath);
  if (p.state == PreviewState::Unreadable) messages.show(exerciseUnreadable());
  return p;
}

ExercisePreview readPreview(const std::string& exercisePath) {
  ExercisePreview p;
  if (num::trim(exercisePath).empty()) return p;
  ExerciseFile file;
  if (!file.load(exercisePath) ||
      !file.readBoth(ExerciseItem::CorrectedStatement, ExerciseItem::CorrectedConfiguration)) {
    p.state = PreviewState::Unreadable;
    return p;
  }
  p.state = PreviewState::Read;
  p.corrected = file.corrected();
  const double difficulty = num::leadingValue(file.read(ExerciseItem::Difficulty).value_or(""));
  for (std::size_t i = 0; i < kStars; ++i) p.stars[i] = difficulty > static_cast<double>(i);
  for (std::size_t k = 0; k < kNotions; ++k) {
    const auto piece = file.read(ExerciseItem::Notions, k);
    if (piece && !num::trim(*piece).empty()) p.notions += *piece;
  }
  p.title = num::trim(file.read(ExerciseItem::Title).value_or(""));
  return p;
}

}  // namespace velmira::files
