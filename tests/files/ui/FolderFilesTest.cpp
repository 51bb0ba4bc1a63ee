// SPDX-License-Identifier: GPL-3.0-or-later
// The file list of the file windows: its order, its filling a part at a
// time, and the rows that follow the folder's changes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPersistentModelIndex>
#include <QTemporaryDir>
#include <QTest>

#include "files/ui/FolderFiles.h"

namespace velmira::files::ui {
namespace {

struct FolderFilesTest : ::testing::Test {
  QTemporaryDir folder;
  FolderFiles files{".E24", QIcon()};
  std::vector<int> rowsWhenListed;

  void SetUp() override {
    files.listed = [this] { rowsWhenListed.push_back(files.rowCount()); };
  }
  void make(const QString& name) {
    QFile f(QDir(folder.path()).filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  QStringList rows() const {
    QStringList names;
    for (int r = 0; r < files.rowCount(); ++r) names << files.data(files.index(r), Qt::DisplayRole).toString();
    return names;
  }
  bool waitFor(int count) {
    for (int i = 0; i < 200 && files.rowCount() != count; ++i) QTest::qWait(20);
    return files.rowCount() == count;
  }
};

TEST_F(FolderFilesTest, TheFilesOfThePatternInNameOrderNumbersByValue) {
  for (const char* name : {"exo10.E24", "Exo2.E24", "exo1.e24", "b.E24", "notes.txt", "a.E24.rtf"}) make(name);
  QDir(folder.path()).mkdir("dossier.E24");
  files.setFolder(folder.path());
  ASSERT_TRUE(waitFor(4));
  EXPECT_EQ(rows(), (QStringList{"b.E24", "exo1.e24", "Exo2.E24", "exo10.E24"}));
}

TEST_F(FolderFilesTest, ALargeFolderComesAPartAtATimeAndChangesKeepTheRowsShown) {
  const int count = FolderFiles::kRowsAtOnce * 2 + 10;
  for (int i = 0; i < count; ++i) make(QString("f%1.E24").arg(i, 4, 10, QLatin1Char('0')));
  files.setFolder(folder.path());
  ASSERT_TRUE(waitFor(count));
  // Told once the first part is in, and once all are.
  EXPECT_EQ(rowsWhenListed, (std::vector<int>{FolderFiles::kRowsAtOnce, count}));
  EXPECT_EQ(files.fileName(0), "f0000.E24");
  EXPECT_EQ(files.fileName(count - 1), QString("f%1.E24").arg(count - 1, 4, 10, QLatin1Char('0')));

  // One file gone, one new: the rows around them stay where the list has them.
  const QPersistentModelIndex kept = files.index(500);
  ASSERT_EQ(files.fileName(kept.row()), "f0500.E24");
  ASSERT_TRUE(QFile::remove(QDir(folder.path()).filePath("f0010.E24")));
  make("f0499b.E24");
  for (int i = 0; i < 200 && files.fileName(10) != "f0011.E24"; ++i) QTest::qWait(20);
  ASSERT_TRUE(waitFor(count));
  EXPECT_EQ(files.fileName(10), "f0011.E24");
  EXPECT_EQ(files.fileName(499), "f0499b.E24");
  EXPECT_TRUE(kept.isValid());
  EXPECT_EQ(files.fileName(kept.row()), "f0500.E24");
  EXPECT_EQ(kept.row(), 500);

  // Another folder: the list starts again.
  QTemporaryDir other;
  files.setFolder(other.path());
  EXPECT_EQ(files.rowCount(), 0);
  EXPECT_FALSE(kept.isValid());
}

}  // namespace
}  // namespace velmira::files::ui
