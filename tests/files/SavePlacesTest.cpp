// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "files/SavePlaces.h"

using namespace velmira;
namespace fs = std::filesystem;

namespace {

TEST(SavePlaces, TheWindowsStartWhereThePupilsFilesAre) {
  test::TempDir dir;
  const std::string app = dir.file("app"), docs = dir.file("docs"), mine = dir.file("travaux");
  for (const auto& f : {app, docs, mine}) fs::create_directories(f);
  fs::create_directories(app + "/exercices");

  // A shipped file: its name, in the documents.
  auto p = files::savePlace(app + "/exercices/ex1.C07", app, docs);
  EXPECT_EQ(p.folder, docs);
  EXPECT_EQ(p.name, "ex1.C07");
  // The pupil's own file: its folder.
  p = files::savePlace(mine + "/mesures.C07", app, docs);
  EXPECT_EQ(p.folder, mine);
  EXPECT_EQ(p.name, "mesures.C07");
  // None: the documents, then the folder last saved into.
  EXPECT_EQ(files::savePlace("", app, docs).folder, docs);
  files::noteSaved(mine + "/autre.csv");
  EXPECT_EQ(files::savePlace("", app, docs).folder, mine);
  EXPECT_EQ(files::savePlace(dir.file("parti/x.C07"), app, docs).folder, mine);  // its folder is gone
}

TEST(SavePlaces, TheApplicationFolderIsRecognisedHoweverNamed) {
  test::TempDir dir;
  const std::string app = dir.file("app");
  fs::create_directories(app + "/exercices");
  fs::create_directory_symlink(app, dir.file("lien"));
  EXPECT_TRUE(files::insideFolder(app + "/exercices/ex1.rtf", app));
  EXPECT_TRUE(files::insideFolder(app + "/nouveau.C07", app + "/"));
  EXPECT_TRUE(files::insideFolder(dir.file("lien") + "/exercices/../x.C07", app));
  EXPECT_FALSE(files::insideFolder(dir.file("app2/x.C07"), app));
  EXPECT_FALSE(files::insideFolder(dir.file("x.C07"), app));
  EXPECT_FALSE(files::insideFolder("x.C07", ""));
}

}  // namespace
