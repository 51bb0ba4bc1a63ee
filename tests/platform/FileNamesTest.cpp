// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "TempDir.h"
#include "platform/core/FileNames.h"

using namespace velmira;
namespace fs = std::filesystem;

namespace {

// "résultat" as an old medium or an archive writes it (Latin-1, Windows-1252).
const std::string kLatin1 = "r\xE9sultat";

TEST(FileNames, ANameThatIsNotUtf8IsShownAsWindows1252PartByPart) {
  EXPECT_TRUE(fileio::isUtf8("résultat.C07"));
  EXPECT_FALSE(fileio::isUtf8(kLatin1));
  EXPECT_FALSE(fileio::isUtf8("\xC3"));  // cut inside a character
  EXPECT_EQ(fileio::shownPath(kLatin1 + ".C07"), "résultat.C07");
  // Bytes Latin-1 lacks read as Windows-1252 has them.
  EXPECT_EQ(fileio::shownPath("\x80 \x9C"), "€ œ");
  // Each part on its own: a UTF-8 folder's name stays as it is.
  EXPECT_EQ(fileio::shownPath("/media/cl\xE9/élève/" + kLatin1 + ".E24"), "/media/clé/élève/résultat.E24");
  EXPECT_EQ(fileio::shownPath("/a/résultat.C07"), "/a/résultat.C07");
  EXPECT_EQ(fileio::shownPath(""), "");
}

TEST(FileNames, AFieldNamesTheChosenBytesWhileItShowsThem) {
  const std::string native = "/tmp/" + kLatin1 + ".C07";
  EXPECT_EQ(fileio::fieldPath("/tmp/résultat.C07", native), native);
  // Typed over, the field names what was typed (UTF-8).
  EXPECT_EQ(fileio::fieldPath("/tmp/résultats.C07", native), "/tmp/résultats.C07");
  EXPECT_EQ(fileio::fieldPath("tp", ""), "tp");
  EXPECT_EQ(fileio::fieldPath("", ""), "");
}

TEST(FileNames, AFolderListsItsFilesOfOneExtensionAsBytes) {
  test::TempDir dir;
  const fs::path d = dir.path();
  for (const std::string& name : {kLatin1 + ".E24", std::string("élève.e24"), std::string("b.E24"),
                                  std::string("notes.txt"), std::string(".cache.E24")})
    std::ofstream(d / name) << "x";
  fs::create_directory(d / "dossier.E24");
  fs::create_symlink(d / "b.E24", d / "lien.E24");
  fs::create_symlink(d / "absent.E24", d / "perdu.E24");
  std::vector<std::string> names = fileio::folderFiles(d.string(), ".E24");
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"b.E24", "lien.E24", kLatin1 + ".E24", "élève.e24"}));
  EXPECT_LE(fileio::folderFiles(d.string(), ".E24", 3).size(), 3u);
  EXPECT_TRUE(fileio::folderFiles((d / "absent").string(), ".E24").empty());
}

}  // namespace
