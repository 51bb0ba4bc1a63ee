// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pupil's work (workbench and table) as the bytes of its configuration
// file: one layout serves saving, the recovery copy and undo. The history
// of its states gives undo, redo and the unsaved state.
#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "files/ExtensionBlock.h"
#include "platform/core/Messages.h"

namespace velmira::model {
class Workbench;
}
namespace velmira::table {
class Table;
}

namespace velmira::files {

// The bytes writeConfiguration would write; nullopt when a text cannot be
// held by a record (the work then has no snapshot).
std::optional<std::string> workSnapshot(const model::Workbench& wb, const table::Table& table,
                                        const ExtensionItems& extension = {});

// Puts the work back as `snapshot` holds it, as a load does, its extension
// items into `extension`. False, after the load's message, when the bytes
// are not a configuration.
bool restoreWork(const std::string& snapshot, model::Workbench& wb, table::Table& table, ExtensionItems& extension,
                 MessageService& messages);

// The question asked before unsaved work is replaced or dropped.
Message unsavedWorkQuestion();
// The context of the steps' names in the catalogues: a name is kept as the
// windows give it (French, or already translated) and shown translated.
inline constexpr const char* kStepContext = "velmira::steps";
// The captions of the undo and redo entries for a step's name.
std::string undoCaption(const std::string& step);
std::string redoCaption(const std::string& step);

class WorkHistory {
 public:
  // Undo goes back this many steps at most.
  static constexpr std::size_t kMaxSteps = 200;

  // A new history starting at `snapshot`; `saved` when it is what the file
  // on disk holds.
  void reset(std::string snapshot, bool saved);
  // One step named `name` when `snapshot` differs from the current state;
  // the steps that were undone are dropped then. True when a step was made.
  bool record(std::string snapshot, std::string name);

  bool canUndo() const { return current_ > 0; }
  bool canRedo() const { return current_ + 1 < states_.size(); }
  // The name of the step undo or redo would take back or make again.
  const std::string& undoName() const;
  const std::string& redoName() const;
  // The state to put back, or nullptr when there is none.
  const std::string* undo();
  const std::string* redo();

  // The current state is what the file on disk holds now.
  void markSaved();
  // The work differs from what was last saved (always, when never saved).
  bool modified() const;
  const std::string& current() const;
  std::size_t steps() const { return states_.empty() ? 0 : states_.size() - 1; }

 private:
  struct State {
    std::string snapshot;
    std::string name;  // the step that led to it
  };
  std::deque<State> states_;
  std::size_t current_ = 0;
  std::optional<std::string> saved_;
};

}  // namespace velmira::files
