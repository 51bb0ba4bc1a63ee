// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/RecoveryKeeper.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>

#include "platform/core/Messages.h"

namespace velmira::ui {

RecoveryKeeper::RecoveryKeeper(QString folder, MessageService& messages,
                               std::function<std::optional<files::RecoveryWriter::Compose>()> snapshot, QObject* parent)
    : QObject(parent),
      folder_(std::move(folder)),
      messages_(messages),
      snapshot_(std::move(snapshot)),
      files_(files::recoveryFiles(folder_.toStdString(), QCoreApplication::applicationPid())) {
  timer_.setSingleShot(true);
  timer_.setInterval(kDelay / 2);
  connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::write);
  writer_ = std::make_unique<files::RecoveryWriter>(files_, [this](bool ok) {
    QMetaObject::invokeMethod(
        this, [this, ok] { finished(ok); }, Qt::QueuedConnection);
  });
}

// The newest copy reaches the disk before the keeper goes.
RecoveryKeeper::~RecoveryKeeper() { writer_.reset(); }

void RecoveryKeeper::schedule() {
  if (!discarded_ && !timer_.isActive()) timer_.start();
}

void RecoveryKeeper::writeNow() {
  timer_.stop();
  write();
  writer_->wait();
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
  std::optional<files::RecoveryWriter::Compose> job = snapshot_();
  if (!job) {
    if (lock_) writer_->remove();  // else nothing was ever written
    return;
  }
  if (!ensureLock()) {
    finished(false);
    return;
  }
  writer_->write(std::move(*job));
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
  writer_->stop();
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
