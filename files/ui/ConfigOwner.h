// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the open, save and exercise windows ask of the window that owns the
// workbench and the table: the current configuration name and the single
// writer and reader.
#include <functional>
#include <string>

#include "files/PupilWork.h"

namespace velmira {
class MessageService;
}

namespace velmira::files::ui {

class ConfigOwner {
 public:
  virtual ~ConfigOwner() = default;
  // `nomconfig`: the configuration last opened or saved (full path).
  virtual const std::string& configPath() const = 0;
  // The work written to `path`, which becomes the work's file; the caption
  // shows the name. False (after the write message) on failure.
  virtual bool saveConfiguration(const std::string& path) = 0;
  // The configuration at `path` read and applied, every control redrawn once,
  // `path` the work's file. False when the file was refused (its message
  // shown): nothing has changed then.
  virtual bool loadConfiguration(const std::string& path) = 0;
  // Before the work is replaced: true when it may go (saved, or the pupil
  // agreed); false leaves everything as it is.
  virtual bool mayReplaceWork() { return true; }
  // The configuration just loaded from an exercise becomes a pupil's work
  // (its unknowns drawn once, the name and the results kept). False when it
  // cannot; the owners that keep no work make none.
  virtual bool startPupilWork(const WorkItems&) { return false; }
  // The configuration just loaded, with these results asked, makes a pupil's work.
  virtual bool makesPupilWork(const ExerciseResults&) const { return false; }
  // The work's extension items (a pupil's work keeps its name, hidden values and results there).
  virtual ExtensionItems workItems() const { return {}; }
};

// Opening a configuration by its name, as the open window does: a name that
// is not a file shows "Nom de fichier incorrect ou chemin non valide", else
// the owner may keep its unsaved work, else `beforeLoad` runs and then
// loadConfiguration. False when nothing was loaded.
bool openConfiguration(ConfigOwner& owner, MessageService& messages, const std::string& name,
                       const std::function<void()>& beforeLoad = {});

}  // namespace velmira::files::ui
