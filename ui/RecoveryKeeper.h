// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps the recovery copy of the main window's work up to date: shortly
// after a change a snapshot is taken on the window's thread and the copy
// composed and written off it (files::RecoveryWriter), under the run's lock;
// a clean exit removes it. Offers the copies of runs that stopped without
// saving.
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "files/RecoveryFiles.h"
#include "files/RecoveryWriter.h"

class QLockFile;

namespace velmira {
class MessageService;
namespace ui {

class RecoveryKeeper : public QObject {
  Q_OBJECT
 public:
  // The longest wait between a change and its copy on disk, in ms.
  static constexpr int kDelay = 2000;

  // `snapshot` copies what the copy is made of, on the window's thread, into
  // the job that composes the copy off it; nullopt when there is nothing
  // unsaved to keep (the copy is then removed).
  RecoveryKeeper(QString folder, MessageService& messages,
                 std::function<std::optional<files::RecoveryWriter::Compose>()> snapshot, QObject* parent = nullptr);
  ~RecoveryKeeper() override;

  const QString& folder() const { return folder_; }
  // The work changed: the copy follows within kDelay.
  void schedule();
  // Writes now (the tests' way to skip the wait) and waits for the disk.
  void writeNow();
  // A clean exit: the write waiting is dropped, the one in progress waited
  // for, and no copy is kept.
  void discard();
  // The copies of runs that stopped, newest first (unreadable ones set aside).
  std::vector<files::RecoveryCopy> leftCopies() const;

 signals:
  // A write ended; `ok` false when the copy could not be written.
  void written(bool ok);

 private:
  void write();
  void finished(bool ok);
  bool ensureLock();

  QString folder_;
  MessageService& messages_;
  std::function<std::optional<files::RecoveryWriter::Compose>()> snapshot_;
  files::RecoveryFiles files_;
  QTimer timer_;
  std::unique_ptr<QLockFile> lock_;
  bool warned_ = false;
  bool discarded_ = false;
  std::unique_ptr<files::RecoveryWriter> writer_;
};

}  // namespace ui
}  // namespace velmira
