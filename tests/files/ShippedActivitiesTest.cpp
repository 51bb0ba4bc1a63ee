// SPDX-License-Identifier: GPL-3.0-or-later
// Every exercise and getting-started file shipped in the application folder
// opens as the exercise window opens it: preview, statement, configuration,
// correction, with no message.
#include <gtest/gtest.h>

#include <filesystem>

#include "ExercisePane.h"
#include "RecordingMessages.h"
#include "files/ExerciseFile.h"
#include "files/ExerciseOpening.h"

using namespace velmira;
namespace fs = std::filesystem;

namespace {

const std::string kApp = VELMIRA_APP_DATA;

// The statement and the configuration were both loaded, in that order.
void expectLoadedPair(const test::ExercisePane& pane, const std::string& what) {
  ASSERT_EQ(pane.loaded.size(), 2u) << what;
  EXPECT_EQ(fs::path(pane.loaded[0]).extension(), ".rtf") << what;
  EXPECT_EQ(fs::path(pane.loaded[1]).extension(), ".C07") << what;
  EXPECT_GT(pane.text.size(), 200u) << what;
}

}  // namespace

TEST(ShippedActivities, EveryExerciseOpensWithItsCorrection) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(kApp + "/exercices")) {
    if (entry.path().extension() != files::kExerciseExtension) continue;
    ++count;
    const std::string path = entry.path().string();
    test::RecordingMessages messages;
    const auto preview = files::readPreview(path, messages);
    EXPECT_EQ(preview.state, files::PreviewState::Read) << path;
    EXPECT_TRUE(preview.corrected) << path;
    EXPECT_FALSE(preview.title.empty()) << path;
    EXPECT_FALSE(preview.notions.empty()) << path;

    test::ExercisePane pane(messages);
    EXPECT_EQ(files::openExercise(path, pane, messages).result, files::OpenResult::Opened) << path;
    expectLoadedPair(pane, path);
    test::ExercisePane correction(messages);
    EXPECT_EQ(files::openCorrection(path, correction, messages).result, files::OpenResult::Opened) << path;
    expectLoadedPair(correction, path);
    EXPECT_NE(correction.text, pane.text) << path;
    for (const Message& m : messages.shown) ADD_FAILURE() << path << ": " << m.title << " : " << m.text;
  }
  EXPECT_GE(count, 9);
}

TEST(ShippedActivities, BothGettingStartedFilesOpen) {
  for (auto activity : {files::GettingStarted::Simulator, files::GettingStarted::Table}) {
    test::RecordingMessages messages;
    test::ExercisePane pane(messages);
    const auto out = files::openGettingStarted(kApp, activity, pane, messages);
    EXPECT_EQ(out.result, files::OpenResult::Opened) << files::gettingStartedPath(kApp, activity);
    expectLoadedPair(pane, files::gettingStartedPath(kApp, activity));
    for (const Message& m : messages.shown) ADD_FAILURE() << m.title << " : " << m.text;
  }
}
