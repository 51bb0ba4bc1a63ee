// SPDX-License-Identifier: GPL-3.0-or-later
// A practical for a class of three, played with the built velmira-outil: the
// teacher builds an exercise with an unknown drawn per pupil, three works are
// made with travail, and classe marks them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "TempDir.h"
#include "ToolRun.h"
#include "files/ClassMarking.h"
#include "files/PupilWork.h"
#include "platform/core/NumberText.h"

namespace {

using velmira::test::ProgramRun;

std::string quoted(const std::string& arg) {
  std::string q = "'";
  for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

ProgramRun run(const std::vector<std::string>& args) {
  std::string line;
  for (const std::string& a : args) line += " " + quoted(a);
  return velmira::test::runTool(line);
}

std::vector<std::vector<std::string>> tabLines(const std::string& text) {
  std::vector<std::vector<std::string>> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    lines.emplace_back();
    std::size_t start = 0;
    for (auto tab = line.find('\t');; tab = line.find('\t', start)) {
      lines.back().push_back(line.substr(start, tab - start));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
  }
  return lines;
}

// The command lines at the start of `text`, each "velmira-outil ..." with its
// continuation lines (ending in "\\") joined, up to the first other line.
std::vector<std::string> exampleCommands(const std::string& text) {
  std::vector<std::string> commands;
  std::istringstream in(text);
  std::string line, pending;
  while (std::getline(in, line)) {
    const auto start = line.find_first_not_of(' ');
    std::string part = start == std::string::npos ? std::string() : line.substr(start);
    if (pending.empty() && part.rfind("velmira-outil ", 0) != 0) break;
    const bool goesOn = !part.empty() && part.back() == '\\';
    if (goesOn) part.pop_back();
    pending += part;
    if (!goesOn) {
      commands.push_back(pending);
      pending.clear();
    }
  }
  return commands;
}

}  // namespace

TEST(ClassPractical, ThreePupilsEachWithTheirOwnUnknownAreMarked) {
  velmira::test::TempDir dir;
  const std::string ex = dir.file("dosage.E24"), works = dir.file("classe");
  ASSERT_EQ(std::system(("mkdir " + quoted(works)).c_str()), 0);
  {
    std::FILE* f = std::fopen(dir.file("enonce.txt").c_str(), "w");
    ASSERT_TRUE(f);
    std::fputs("# Dosage\nDéterminer c1.\n", f);
    std::fclose(f);
  }
  ASSERT_EQ(run({"texte", "--rtf", dir.file("enonce.txt"), "-o", dir.file("enonce.rtf")}).status, 0);
  ASSERT_EQ(run({"config", "--set", "solute1=17", "--set", "c1=0,01", "--set", "inconnue1=0,005..0,02", "-o",
                 dir.file("dosage.C07")})
                .status,
            0);
  ASSERT_EQ(run({"exercice", "--enonce", dir.file("enonce.rtf"), "--config", dir.file("dosage.C07"), "--titre",
                 "Dosage", "--difficulte", "1", "--resultat", "c1 (mol/L)", "c1", "-o", ex})
                .status,
            0);

  // Each pupil's unknown, read back from a first work of that seed: the same
  // seed draws the same value.
  const std::array<std::string, 3> pupils = {"Léa", "Noé", "Tom"}, seeds = {"11", "12", "13"};
  std::array<std::string, 3> unknown;
  std::array<std::string, 3> file;
  for (std::size_t i = 0; i < 3; ++i) {
    file[i] = works + "/eleve" + std::to_string(i + 1) + ".C07";
    ASSERT_EQ(run({"travail", ex, "--tirage", seeds[i], "--nom", pupils[i], "-o", file[i]}).status, 0);
    const auto value = velmira::files::hiddenValue(velmira::files::readWorkFile(file[i]).items,
                                                   velmira::files::Hidden::Concentration1);
    ASSERT_TRUE(value) << file[i];
    unknown[i] = *value;
    // The readings are those of the drawn value; the value is never printed.
    const ProgramRun readings = run({"mesures", file[i]});
    ASSERT_EQ(readings.status, 0);
    EXPECT_EQ(readings.out.find(unknown[i]), std::string::npos);
    ASSERT_EQ(run({"config", "--set", "solute1=17", "--set", "c1=" + unknown[i], "-o", dir.file("visible.C07")}).status,
              0);
    EXPECT_EQ(readings.out, run({"mesures", dir.file("visible.C07")}).out);
  }
  EXPECT_NE(unknown[0], unknown[1]);

  // Léa hands in her own value, Noé half of his, Tom nothing.
  const double noe = *velmira::num::readDouble(unknown[1]) / 2;
  ASSERT_EQ(
      run({"travail", ex, "--tirage", seeds[0], "--nom", pupils[0], "--resultat", "1=" + unknown[0], "-o", file[0]})
          .status,
      0);
  ASSERT_EQ(run({"travail", ex, "--tirage", seeds[1], "--nom", pupils[1], "--resultat",
                 "1=" + velmira::num::format(noe, "0.000E+00") + ":0,0001", "-o", file[1]})
                .status,
            0);

  const ProgramRun marked = run({"classe", works});
  EXPECT_EQ(marked.status, 0);
  const auto lines = tabLines(marked.out);
  ASSERT_EQ(lines.size(), 4u) << marked.out;
  const std::vector<std::string> header = {"fichier", "nom", "exercice",    "c1",  "attendu 1",
                                           "donné 1", "u 1", "écart 1 (%)", "z 1", "verdict 1"};
  EXPECT_EQ(lines[0], header);
  for (std::size_t i = 0; i < 3; ++i) {
    ASSERT_EQ(lines[i + 1].size(), header.size()) << marked.out;
    EXPECT_EQ(lines[i + 1][1], pupils[i]);
    std::string expected = lines[i + 1][4];
    std::replace(expected.begin(), expected.end(), '.', ',');
    EXPECT_EQ(velmira::num::readDouble(expected), velmira::num::readDouble(unknown[i])) << lines[i + 1][4];
  }
  EXPECT_EQ(lines[1][9], "juste");
  EXPECT_EQ(lines[2][9], "faux");
  EXPECT_EQ(lines[2][7], "-50.00");
  EXPECT_EQ(lines[3][9], "");

  // A file the program cannot read is said, the rest marked, and the status is 1.
  {
    std::FILE* f = std::fopen((works + "/notes.c07").c_str(), "w");
    ASSERT_TRUE(f);
    std::fputs("notes", f);
    std::fclose(f);
  }
  const ProgramRun withNotes = run({"classe", works, "--csv"});
  EXPECT_EQ(withNotes.status, 1);
  EXPECT_NE(withNotes.out.find("\r\nnotes.c07;illisible : "), std::string::npos) << withNotes.out;
  EXPECT_NE(withNotes.out.find(";juste\r\n"), std::string::npos);
  EXPECT_EQ(run({"classe"}).status, 2);
}

TEST(ClassPractical, TheWorkedExampleOfBothHelpsRunsAsWritten) {
  const ProgramRun help = run({"--help"});
  ASSERT_EQ(help.status, 0);
  const auto from = help.out.find("Exemple, du début à la fin");
  ASSERT_NE(from, std::string::npos);
  const std::vector<std::string> commands = exampleCommands(help.out.substr(help.out.find('\n', from) + 1));
  ASSERT_EQ(commands.size(), 7u) << help.out.substr(from);
  // The help page shows the same example.
  std::ifstream page(VELMIRA_HELP_PAGE, std::ios::binary);
  const std::string html((std::istreambuf_iterator<char>(page)), std::istreambuf_iterator<char>());
  const auto pre = html.find("<pre>\n", html.find("id=\"enseignant\""));
  ASSERT_NE(pre, std::string::npos);
  EXPECT_EQ(exampleCommands(html.substr(pre + 6, html.find("</pre>", pre) - pre - 6)), commands);

  velmira::test::TempDir dir;
  ASSERT_EQ(std::system(("cd " + quoted(dir.path().string()) +
                         " && mkdir tp copies && printf '# Dosage\\nc1 ?\\n' > enonce.txt")
                            .c_str()),
            0);
  for (const std::string& c : commands) {
    const std::string line = std::string(VELMIRA_OUTIL) + c.substr(std::string("velmira-outil").size());
    const int st = std::system(("cd " + quoted(dir.path().string()) + " && " + line + " >/dev/null 2>&1").c_str());
    EXPECT_TRUE(WIFEXITED(st) && WEXITSTATUS(st) == 0) << line;
  }
  EXPECT_EQ(velmira::files::readWorkFile(dir.file("copies/lea.C07")).work.name, "Léa Martin");
}
