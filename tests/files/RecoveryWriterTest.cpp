// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <future>
#include <mutex>
#include <vector>

#include "TempDir.h"
#include "files/RecoveryWriter.h"

using namespace velmira;

namespace {

// Copies named by their work's name: the jobs composed, in order, the first
// one held until `release` while the others are given.
struct Writer : ::testing::Test {
  test::TempDir dir;
  files::RecoveryFiles files = files::recoveryFiles(dir.path().string(), 7);
  std::promise<void> started, release;
  std::shared_future<void> released = release.get_future().share();
  std::mutex mutex;
  std::vector<std::string> composed;
  std::atomic<int> written{0};

  files::RecoveryWriter::Compose job(const std::string& name, bool held = false) {
    return [this, name, held] {
      if (held) {
        started.set_value();
        released.wait();
      }
      const std::lock_guard lock(mutex);
      composed.push_back(name);
      return files::RecoveryContents{"configuration " + name, name, ""};
    };
  }
  std::function<void(bool)> counted() {
    return [this](bool ok) { written += ok ? 1 : 100; };
  }
  std::string copyName() const { return test::contents(files.name); }
};

TEST_F(Writer, TheNewestJobWinsAndTheLastIsOnDiskOnceTheWriterGoes) {
  {
    files::RecoveryWriter w(files, counted());
    w.write(job("premier", true));
    started.get_future().wait();
    // Given while the first is written: only the last of them is done.
    w.write(job("deuxième"));
    w.remove();
    w.write(job("troisième"));
    w.write(job("quatrième"));
    release.set_value();
  }
  EXPECT_EQ(composed, (std::vector<std::string>{"premier", "quatrième"}));
  EXPECT_EQ(written, 2);
  EXPECT_EQ(copyName(), "quatrième");
  EXPECT_EQ(test::contents(files.config), "configuration quatrième");

  // A removal given last is done last.
  files::RecoveryWriter w(files, counted());
  w.write(job("cinquième"));
  w.remove();
  w.wait();
  EXPECT_FALSE(std::filesystem::exists(files.config));
  EXPECT_FALSE(std::filesystem::exists(files.name));
  w.write(job("sixième"));
  w.wait();
  EXPECT_EQ(copyName(), "sixième");
}

TEST_F(Writer, NothingIsWrittenOnceCancelledButTheJobInProgress) {
  files::RecoveryWriter w(files, counted());
  w.write(job("en cours", true));
  started.get_future().wait();
  w.write(job("en attente"));
  w.cancel();
  w.write(job("après"));
  w.remove();
  release.set_value();
  w.stop();
  EXPECT_EQ(composed, std::vector<std::string>{"en cours"});
  EXPECT_EQ(written, 1);
  EXPECT_EQ(copyName(), "en cours");
  // Stopped: the copy is left to its owner, who may remove it.
  w.write(job("arrêté"));
  w.wait();
  EXPECT_EQ(copyName(), "en cours");
}

TEST_F(Writer, ACopyThatCannotBeWrittenIsSaid) {
  std::filesystem::remove_all(dir.path());
  std::filesystem::create_directories(dir.path() / "7.C07");  // a folder in the copy's place
  files::RecoveryWriter w(files, counted());
  w.write(job("bloqué"));
  w.wait();
  EXPECT_EQ(written, 100);
}

}  // namespace
