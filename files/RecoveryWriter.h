// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recovery copy written on a thread of its own, so that the program's
// thread only takes a snapshot: one job at a time, in the order given; a job
// still waiting when a newer one comes is dropped (the newest wins); once
// stopped, nothing more is written.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "files/RecoveryFiles.h"

namespace velmira::files {

// What the copy holds: the work, its file's name, the pane's text (RTF,
// empty when not modified).
struct RecoveryContents {
  std::string snapshot;
  std::string workName;
  std::string rtf;
};

class RecoveryWriter {
 public:
  // Makes the contents on the writer's thread, from what it holds.
  using Compose = std::function<RecoveryContents()>;

  // `written(ok)` is called on the writer's thread after each write (never
  // after a removal); `ok` is false when the copy could not be written.
  RecoveryWriter(RecoveryFiles files, std::function<void(bool ok)> written);
  // Waits for every job given (the newest copy is on disk), then stops.
  ~RecoveryWriter();
  RecoveryWriter(const RecoveryWriter&) = delete;
  RecoveryWriter& operator=(const RecoveryWriter&) = delete;

  // The copy made from `compose`, after the job in progress.
  void write(Compose compose);
  // The copy removed, after the job in progress.
  void remove();
  // Returns once every job given is done.
  void wait();
  // The job waiting is dropped and later ones are ignored; the one in
  // progress goes on.
  void cancel();
  // Cancels, then waits for the job in progress: nothing is written once
  // this returns.
  void stop();

 private:
  void give(std::optional<Compose> job);
  void run();

  RecoveryFiles files_;
  std::function<void(bool)> written_;
  std::mutex mutex_;
  std::condition_variable changed_;
  // The job waiting: a write, or nullopt for a removal.
  std::optional<std::optional<Compose>> waiting_;
  bool busy_ = false;
  bool stopped_ = false;
  std::thread thread_;
};

}  // namespace velmira::files
