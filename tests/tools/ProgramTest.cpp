// velmira-outil as a whole program: help, exit status, lost output.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

namespace {

struct ProgramRun {
  int status;
  std::string out;
};

ProgramRun run(const std::string& args) {
  const std::string cmd = std::string(VELMIRA_OUTIL) + " " + args + " 2>/dev/null";
  ProgramRun r{-1, {}};
  FILE* p = ::popen(cmd.c_str(), "r");
  if (!p) return r;
  std::array<char, 4096> buf;
  std::size_t n;
  while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
  const int st = ::pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

}  // namespace

TEST(Program, EveryCommandAnswersHelpWithItsOwnUsage) {
  for (const char* cmd : {"mesures", "config", "calcul", "exercice", "travail", "classe", "ions"}) {
    const ProgramRun r = run(std::string(cmd) + " --help");
    EXPECT_EQ(r.status, 0) << cmd;
    EXPECT_EQ(r.out.rfind(std::string("Usage : velmira-outil ") + cmd, 0), 0u) << r.out;
  }
  EXPECT_EQ(run("--help").status, 0);
  EXPECT_EQ(run("inconnue").status, 2);
  EXPECT_EQ(run("exercice --lire /absent.E24").status, 1);
}

TEST(Program, LostOutputIsAFailure) {
  EXPECT_EQ(run("calcul 1+1 >/dev/null").status, 0);
  EXPECT_EQ(run("calcul 1+1 >/dev/full").status, 1);
  EXPECT_EQ(run("config >/dev/full").status, 1);
}
