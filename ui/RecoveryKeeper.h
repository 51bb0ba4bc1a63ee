// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps the recovery copy of the main window's work up to date: shortly
// after a change the copy is written off the window's thread, under the
// run's lock; a clean exit removes it. Offers the copies of runs that
// stopped without saving.
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "files/RecoveryFiles.h"

class QLockFile;

namespace velmira {
class MessageService;
namespace ui {

class RecoveryKeeper : public QObject {
  Q_OBJECT
 public:
  // What the copy holds: the work, its file's name, the pane's text (RTF,
  // empty when not modified).
  struct Contents {
    std::string snapshot;
    std::string workName;
    std::string rtf;
  };
  // The longest wait between a change and its copy on disk, in ms.
  static constexpr int kDelay = 2000;

  // `compose` gives the contents, or nullopt when there is nothing unsaved
  // to keep (the copy is then removed).
  RecoveryKeeper(QString folder, MessageService& messages, std::function<std::optional<Contents>()> compose,
                 QObject* parent = nullptr);
  ~RecoveryKeeper() override;

  const QString& folder() const { return folder_; }
  // The work changed: the copy follows within kDelay.
  void schedule();
  // Writes now (the tests' way to skip the wait) and waits for the disk.
  void writeNow();
  // A clean exit: no copy is kept.
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
  std::function<std::optional<Contents>()> compose_;
  files::RecoveryFiles files_;
  QTimer timer_;
  QThreadPool pool_;
  std::unique_ptr<QLockFile> lock_;
  bool warned_ = false;
  bool discarded_ = false;
};

}  // namespace ui
}  // namespace velmira
