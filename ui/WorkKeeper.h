// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pupil's work as the main window keeps it: the history of its steps
// (undo, redo, the unsaved state), the configuration file it belongs to
// with the file's extension items, and its recovery copy.
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

#include "files/ExtensionBlock.h"
#include "files/PupilWork.h"
#include "files/RecoveryFiles.h"
#include "files/WorkHistory.h"
#include "graph/GraphSettings.h"

namespace velmira {
class MessageService;
}
namespace velmira::model {
class Workbench;
}
namespace velmira::table {
class Table;
}
namespace velmira::files::ui {
class TextPane;
}

namespace velmira::ui {

class RecoveryKeeper;

class WorkKeeper : public QObject {
  Q_OBJECT
 public:
  WorkKeeper(model::Workbench& wb, table::Table& table, MessageService& messages, QObject* parent);

  const files::WorkHistory& history() const { return history_; }
  // The work differs from its file (or was never saved).
  bool modified() const { return history_.modified(); }
  // `nomconfig`: the configuration last opened or saved (full path).
  const std::string& path() const { return path_; }

  // The history restarts at the current work (`saved`: as its file holds it).
  void restart(bool saved);
  // One step named `step` when the work changed since the last step.
  void note(const QString& step);
  // The previous or next state put back; false when there is none.
  bool undo();
  bool redo();
  // The work written to `path`, which becomes its file; false after the message.
  bool save(const std::string& path);
  // The configuration at `path` read and applied, `path` the work's file;
  // false when refused (its message shown, nothing changed).
  bool load(const std::string& path);
  // The loaded exercise's configuration becomes a pupil's work: its ranges
  // drawn from `seed` once, the name and results kept. False when its
  // items cannot make one (nothing changed then).
  bool startPupilWork(const files::WorkItems& work, std::uint64_t seed);
  const files::ExtensionItems& extension() const { return extension_; }
  // Result k (from 0) of the pupil's work given `given`; false when the
  // work is no pupil's or the item cannot be kept (nothing changed then).
  bool setGiven(std::size_t k, const files::GivenResult& given);
  // The graph's settings written into the work's items, a step when they
  // change it; false when the items cannot take them.
  bool keepGraphSettings(const graph::GraphSettings& settings, const QString& step);

  // From now on the copy is kept in `folder`, with the text of `pane` when
  // it has unsaved changes.
  void keepRecovery(const QString& folder, files::ui::TextPane& pane);
  RecoveryKeeper* recovery() const { return recovery_; }
  // The work whole, even unchanged, written to `files` with `rtf` as its
  // text, for this program started again; false when it was not written.
  bool writeRestartCopy(const files::RecoveryFiles& files, const std::string& rtf) const;
  // A restart copy's work taken back as it was (`saved`: as its file holds
  // it); false after the message when it cannot be.
  bool resumeRestartCopy(const files::RecoveryCopy& copy, bool saved);
  // At start-up: the copies of runs that stopped, offered in one question,
  // newest first, the pupil choosing one or none. The copy chosen becomes
  // the unsaved work (its text in `pane`) once `mayReplace` agrees, then
  // `resumed` runs; its files go once this run's own copy is on disk. The
  // copies offered and not chosen are removed.
  void offerLeftCopies(files::ui::TextPane& pane, const std::function<bool()>& mayReplace,
                       const std::function<void()>& resumed);

 signals:
  // The history, the unsaved state or the file changed (the caption, the undo entries).
  void changed();

 private:
  void changedNow();
  bool resume(const files::RecoveryCopy& copy);

  model::Workbench& wb_;
  table::Table& table_;
  MessageService& messages_;
  files::ExtensionItems extension_;  // the file's items this version does not use, kept for the next save
  files::WorkHistory history_;
  std::string path_;
  RecoveryKeeper* recovery_ = nullptr;
};

}  // namespace velmira::ui
