// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exercise files (.E24) and getting-started files (.PEM): record files of
// eleven texts naming the statement, the configuration and their corrected
// versions, with what the preview shows (difficulty, notions, title). A
// getting-started file uses only the first two records.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "files/ExtensionBlock.h"
#include "platform/core/Messages.h"
#include "platform/core/RecordFile.h"

namespace velmira::files {

inline constexpr const char* kExerciseExtension = ".E24";
inline constexpr const char* kGettingStartedExtension = ".PEM";

enum class ExerciseItem {
  Statement,               // RTF file name, relative to the exercise's folder
  Configuration,           // configuration file name, same folder; empty when none
  CorrectedStatement,      // empty when none
  CorrectedConfiguration,  // empty when none
  Difficulty,              // 0..3, written " 2"
  Unshown,                 // read with the preview, never shown
  Notions,                 // pieces shown one after the other under the notions heading
  Title,
};

struct ExerciseRecords {
  ExerciseItem item;
  std::size_t count;
};

inline constexpr std::array<ExerciseRecords, 8> kExerciseLayout = {{
    {ExerciseItem::Statement, 1},
    {ExerciseItem::Configuration, 1},
    {ExerciseItem::CorrectedStatement, 1},
    {ExerciseItem::CorrectedConfiguration, 1},
    {ExerciseItem::Difficulty, 1},
    {ExerciseItem::Unshown, 1},
    {ExerciseItem::Notions, 4},
    {ExerciseItem::Title, 1},
}};

// Record number (from 1) of the first record of an item.
constexpr std::size_t exerciseRecord(ExerciseItem item) {
  std::size_t n = 1;
  for (const ExerciseRecords& r : kExerciseLayout) {
    if (r.item == item) return n;
    n += r.count;
  }
  return 0;
}

inline constexpr std::size_t kNotions = 4;
inline constexpr std::size_t kExerciseRecordCount = 11;
inline constexpr int kMaxDifficulty = 3;
inline constexpr std::size_t kStars = 3;

static_assert(exerciseRecord(ExerciseItem::Difficulty) == 5 && exerciseRecord(ExerciseItem::Notions) == 7 &&
              exerciseRecord(ExerciseItem::Title) == kExerciseRecordCount);

// The texts of an exercise file, as written.
struct Exercise {
  std::string statement;
  std::string configuration;
  std::string correctedStatement;
  std::string correctedConfiguration;
  std::string difficulty;
  std::string unshown;
  std::array<std::string, kNotions> notions;
  std::string title;
  // Written after the eleven records, where older readers never read.
  ExtensionItems extension;
};

// The eleven records in file order (the extension block left out).
std::vector<std::string> exerciseRecords(const Exercise& exercise);

// Replaces the file at `path` whole; false when a text does not fit a record
// (over 126 characters, or outside Windows-1252) or the write fails, and the
// file is then left as it was.
// The cause in `failure` when given (UnfitText for a text).
bool writeExercise(const std::string& path, const Exercise& exercise, fileio::SaveFailure* failure = nullptr);

// An exercise file read into memory: its eleven records and its extension block.
class ExerciseFile {
 public:
  // False when the file cannot be opened or read (missing, not a regular
  // file; a pipe never blocks).
  bool load(const std::string& path);
  // The empty text past the end of the file; nullopt for a damaged record.
  std::optional<std::string> read(ExerciseItem item, std::size_t k = 0) const;
  // The records of two items; nullopt when either is damaged.
  std::optional<std::pair<std::string, std::string>> readBoth(ExerciseItem first, ExerciseItem second) const;
  // Record 3 or 4 names a corrected statement or configuration.
  bool corrected() const;
  // The first of the records the program cannot do without (1 to 4: what
  // opening, the preview and the correction read) that is damaged; 0 when
  // they all read.
  std::size_t firstDamagedRecord() const;
  // The extension block after the eleven records.
  ExtensionRead extension() const;

 private:
  records::RecordReader records_;
};

// activityFolder: the folder of a file, with its final separator.
std::string exerciseFolder(const std::string& filePath);
// A file named in a record: the folder followed by the name as stored, a
// "\" of a name written on Windows read as the separator.
std::string referencedPath(const std::string& folder, const std::string& name);
// A name an exercise may give: a plain file name, no folder part ("/" or
// "\"), neither "." nor "..", so that it names a file in the exercise's own
// folder.
bool plainFileName(const std::string& name);

// "Vérifier: ... l'état du lecteur." / "Lecture impossible": an exercise
// file that cannot be opened or read.
Message exerciseUnreadable();

inline constexpr const char* kCorrected = "Exercice corrigé";
inline constexpr const char* kNotCorrected = "Non corrigé";

enum class PreviewState {
  Blank,       // no file named: nothing was read
  Unreadable,  // the file or its records 3-4 could not be read; the message was shown
  Read,
};

// What the preview shows of an exercise file.
struct ExercisePreview {
  PreviewState state = PreviewState::Blank;
  bool corrected = false;               // record 3 or 4 names a file
  std::array<bool, kStars> stars = {};  // star i is lit
  std::string notions;                  // records 7-10 that are not blank, joined as they stand
  std::string title;                    // record 11 trimmed

  const char* status() const { return corrected ? kCorrected : kNotCorrected; }
};

// The preview (`apercu`) of the file `path` names. A record after
// the fourth that cannot be read leaves its part of the preview empty.
// Unreadable is said to `messages` (exerciseUnreadable); without them the
// caller says it when it must.
ExercisePreview readPreview(const std::string& exercisePath);
ExercisePreview readPreview(const std::string& exercisePath, MessageService& messages);

}  // namespace velmira::files
