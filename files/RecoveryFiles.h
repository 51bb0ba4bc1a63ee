// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recovery copy of the pupil's work, kept while the program runs and
// offered again when a run stopped without saving: in the recovery folder,
// `<pid>.C07` (the work as a configuration file), `<pid>.nom` (the name of
// the work's file, UTF-8), `<pid>.rtf` (the exercise pane's text, when it was
// modified) and the run's lock `<pid>.lock`.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/Messages.h"

namespace velmira::files {

// The recovery folder inside the program's data folder.
inline constexpr const char* kRecoveryFolder = "recuperation";
// Inside it, the copy a run leaves for itself when it starts again (at
// another zoom): never offered as a run that stopped.
inline constexpr const char* kRestartFolder = "redemarrage";
// The suffix a copy that cannot be read is set aside with.
inline constexpr const char* kUnreadableSuffix = ".illisible";

struct RecoveryFiles {
  std::string config;
  std::string name;
  std::string text;
  std::string lock;
};

RecoveryFiles recoveryFiles(const std::string& folder, long long pid);
// The run's pid when `name` is a copy's name as the program writes it:
// `<pid>.C07`, the pid in digits with no leading zero; nullopt for any other.
std::optional<long long> recoveryCopyNumber(const std::string& name);

// True when `folder` may hold recovery files: a folder, or nothing yet,
// but never a symbolic link (the copies would land where it points).
bool recoveryFolderUsable(const std::string& folder);

// Writes the copy, each file whole or not at all (an empty `rtf` removes
// the text); a link in the place of one is replaced, never followed. False
// when any file could not be written, and without writing anything when the
// folder is a link (recoveryFolderUsable).
bool writeRecovery(const RecoveryFiles& files, const std::string& snapshot, const std::string& workName,
                   const std::string& rtf);
// Removes the copy (not the lock, which its owner releases); nothing
// through a folder that is a link.
void removeRecovery(const RecoveryFiles& files);

struct RecoveryCopy {
  RecoveryFiles files;
  std::string snapshot;
  std::string workName;  // checkedWorkName of the `.nom` text
  std::string rtf;
  std::int64_t savedAt = 0;  // when the copy was last written, seconds since 1970 (UTC)
};

// The work's file as a copy's `.nom` names it, when it is a name the
// program could have written: UTF-8, no control character, at most 4,096
// bytes and its last part at most 255; else empty (a work with no file).
std::string checkedWorkName(std::string_view nom);

// What a restart copy does not hold, handed to the program started again:
// whether the work was as its file holds it, and the text pane's state.
struct RestartState {
  bool saved = false;
  bool textModified = false;
  bool textReadOnly = false;
  bool textFile = false;  // the pane names a text file ("Texte : ")
  std::string textPath;   // the file the pane names, as bytes
};
// "SMRF:PATH", each flag a 0 or a 1.
std::string restartStateText(const RestartState& state);
// Nullopt for anything restartStateText does not write.
std::optional<RestartState> readRestartState(std::string_view text);

// The copy `files` names, when its configuration can be read and is one
// (its name checked: checkedWorkName).
std::optional<RecoveryCopy> readRecovery(const RecoveryFiles& files);

// The copies of runs that stopped: each `<pid>.C07` of `folder` whose lock
// `lockHeld` says no running program holds, newest first. A copy that is
// not a configuration is renamed with kUnreadableSuffix and left out; so is
// a copy that cannot be read at all. Only the program's own names are
// looked at, at most 100 of them; a symbolic link is skipped unread. The
// folder's stale temporaries are removed first. A folder that is a link
// gives none, and nothing in it is read, moved or removed. Each work's name is checked
// (checkedWorkName).
std::vector<RecoveryCopy> leftCopies(const std::string& folder,
                                     const std::function<bool(const std::string& lockPath)>& lockHeld);

// The most copies one question offers; older ones wait for a later start.
inline constexpr std::size_t kCopiesOffered = 20;
// "Reprendre un travail": one line per copy, in the order of `copies`
// (leftCopies gives the newest first), at most kCopiesOffered: the work's
// file name, or "Travail sans nom", and the copy's local date and time.
ChoiceQuestion resumeQuestion(const std::vector<RecoveryCopy>& copies);
// Said once per run when the copy cannot be written.
Message recoveryImpossible();

}  // namespace velmira::files
