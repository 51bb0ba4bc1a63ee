// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file of the zoom: read and written as an INI text, never
// through anything but a regular file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "TempDir.h"
#include "platform/core/ZoomFile.h"

using namespace velmira;
namespace fs = std::filesystem;

TEST(ZoomFile, KeptAndReadBackWithTheFilesOtherLines) {
  test::TempDir dir;
  const std::string path = dir.file("velmira/velmira.ini");
  EXPECT_EQ(fileio::readZoom(path), 100);
  ASSERT_TRUE(fileio::writeZoom(path, 150));
  EXPECT_EQ(test::contents(path), "[affichage]\nzoom=150\n");
  EXPECT_EQ(fileio::readZoom(path), 150);
  { std::ofstream(path) << "[General]\ncle=1\n\n[affichage]\nautre=2\nzoom=175\n[fin]\nzoom=300\n"; }
  EXPECT_EQ(fileio::readZoom(path), 175);
  ASSERT_TRUE(fileio::writeZoom(path, 125));
  EXPECT_EQ(test::contents(path), "[General]\ncle=1\n\n[affichage]\nautre=2\nzoom=125\n[fin]\nzoom=300\n");
  { std::ofstream(path) << "[affichage]\r\nzoom = 999\r\n"; }
  EXPECT_EQ(fileio::readZoom(path), 100);  // not a step
  { std::ofstream(path) << "[autre]\nzoom=200\n"; }
  EXPECT_EQ(fileio::readZoom(path), 100);
  ASSERT_TRUE(fileio::writeZoom(path, 200));
  EXPECT_EQ(test::contents(path), "[autre]\nzoom=200\n\n[affichage]\nzoom=200\n");
}

TEST(ZoomFile, APipeAFolderOrALinkIsNeverOpenedNorWritten) {
  test::TempDir dir;
  const std::string pipe = dir.file("tube.ini"), folder = dir.file("dossier.ini"), link = dir.file("lien.ini");
  const std::string pointed = dir.file("autre.ini");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  fs::create_directory(folder);
  { std::ofstream(pointed) << "[affichage]\nzoom=200\n"; }
  fs::create_symlink(pointed, link);
  const auto start = std::chrono::steady_clock::now();
  for (const std::string& p : {pipe, folder, link, std::string("/dev/zero")}) {
    EXPECT_EQ(fileio::readZoom(p), 100) << p;
    fileio::SaveFailure failure;
    EXPECT_FALSE(fileio::writeZoom(p, 150, &failure)) << p;
    EXPECT_EQ(msg::zoomNotStored(failure).text,
              "Le zoom n'a pas pu être enregistré : " +
                  std::string(p == folder ? "c'est un dossier" : "ce n'est pas un fichier ordinaire"));
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_TRUE(fs::is_fifo(pipe));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(test::contents(pointed), "[affichage]\nzoom=200\n");
}
