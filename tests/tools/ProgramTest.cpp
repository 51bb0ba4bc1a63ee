// SPDX-License-Identifier: GPL-3.0-or-later
// velmira-outil as a whole program: help, exit status, lost output.
#include <gtest/gtest.h>

#include <string>

#include "ToolRun.h"

namespace {

using velmira::test::ProgramRun;

ProgramRun run(const std::string& args) { return velmira::test::runTool(args); }

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
