// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/RecoveryWriter.h"

#include <exception>
#include <utility>

namespace velmira::files {

RecoveryWriter::RecoveryWriter(RecoveryFiles files, std::function<void(bool ok)> written)
    : files_(std::move(files)), written_(std::move(written)), thread_([this] { run(); }) {}

RecoveryWriter::~RecoveryWriter() {
  wait();
  stop();
}

void RecoveryWriter::write(Compose compose) { give(std::move(compose)); }

void RecoveryWriter::remove() { give(std::nullopt); }

void RecoveryWriter::give(std::optional<Compose> job) {
  {
    const std::lock_guard lock(mutex_);
    if (stopped_) return;
    waiting_ = std::move(job);
  }
  changed_.notify_all();
}

void RecoveryWriter::wait() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !waiting_ && !busy_; });
}

void RecoveryWriter::cancel() {
  {
    const std::lock_guard lock(mutex_);
    stopped_ = true;
    waiting_.reset();
  }
  changed_.notify_all();
}

void RecoveryWriter::stop() {
  cancel();
  {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !busy_; });
  }
  if (thread_.joinable()) thread_.join();
}

void RecoveryWriter::run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopped_ || waiting_; });
    if (stopped_) return;
    std::optional<Compose> job = std::move(*waiting_);
    waiting_.reset();
    busy_ = true;
    lock.unlock();
    if (job) {
      bool ok = false;
      try {
        const RecoveryContents c = (*job)();
        ok = writeRecovery(files_, c.snapshot, c.workName, c.rtf);
      } catch (const std::exception&) {
        // No room to compose the copy: said as a copy not written.
      }
      if (written_) written_(ok);
    } else {
      removeRecovery(files_);
    }
    lock.lock();
    busy_ = false;
    changed_.notify_all();
  }
}

}  // namespace velmira::files
