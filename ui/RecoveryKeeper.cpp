// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/RecoveryKeeper.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>

#include "platform/core/Messages.h"

namespace velmira::ui {

RecoveryKeeper::RecoveryKeeper(QString folder, MessageService& messages,
                               std::function<std::optional<Contents>()> compose, QObject* parent)
    : QObject(parent),
      folder_(std::move(folder)),
      messages_(messages),
      compose_(std::move(compose)),
      files_(files::recoveryFiles(folder_.toStdString(), QCoreApplication::applicationPid())) {
  timer_.setSingleShot(true);
  timer_.setInterval(kDelay / 2);
  connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::write);
  // One writer: the copies reach the disk in the order they were made.
  pool_.setMaxThreadCount(1);
}

RecoveryKeeper::~RecoveryKeeper() { pool_.waitForDone(); }

void RecoveryKeeper::schedule() {
  if (!discarded_ && !timer_.isActive()) timer_.start();
}

void RecoveryKeeper::writeNow() {
  timer_.stop();
  write();
  pool_.waitForDone();
  QCoreApplication::sendPostedEvents(this);
}

bool RecoveryKeeper::ensureLock() {
  if (lock_) return true;
  // A link in the folder's place is never written through.
  if (!QDir().mkpath(folder_) || !files::recoveryFolderUsable(folder_.toStdString())) return false;
  auto lock = std::make_unique<QLockFile>(QString::fromStdString(files_.lock));
  if (!lock->tryLock(0)) return false;
  lock_ = std::move(lock);
  return true;
}

void RecoveryKeeper::write() {
  if (discarded_) return;
  std::optional<Contents> contents = compose_();
  if (!contents) {
    if (!lock_) return;  // nothing was ever written
    pool_.start([files = files_] { files::removeRecovery(files); });
    return;
  }
  if (!ensureLock()) {
    finished(false);
    return;
  }
  pool_.start([this, files = files_, c = std::move(*contents)] {
    const bool ok = files::writeRecovery(files, c.snapshot, c.workName, c.rtf);
    QMetaObject::invokeMethod(
        this, [this, ok] { finished(ok); }, Qt::QueuedConnection);
  });
}

void RecoveryKeeper::finished(bool ok) {
  // Said once: the work itself is untouched, only its copy is missing.
  if (!ok && !warned_) {
    warned_ = true;
    messages_.show(files::recoveryImpossible());
  }
  emit written(ok);
}

void RecoveryKeeper::discard() {
  discarded_ = true;
  timer_.stop();
  pool_.waitForDone();
  if (lock_) {
    files::removeRecovery(files_);
    lock_->unlock();
    lock_.reset();
  }
}

std::vector<files::RecoveryCopy> RecoveryKeeper::leftCopies() const {
  return files::leftCopies(folder_.toStdString(), [this](const std::string& path) {
    if (path == files_.lock) return true;  // this run's own
    // A lock whose program is gone is stale: taking it shows it is free.
    QLockFile lock(QString::fromStdString(path));
    if (!lock.tryLock(0)) return true;
    lock.unlock();
    return false;
  });
}

}  // namespace velmira::ui
