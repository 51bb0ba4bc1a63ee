// SPDX-License-Identifier: GPL-3.0-or-later
// velmira-outil: command-line companion for teachers preparing exercises.
#include <iostream>
#include <string>

#include "files/ProgramUsage.h"
#include "tools/Commands.h"
#include "tools/Usage.h"

namespace {

// "--help" or "-h" among the options of a command (before a "--").
bool asksForHelp(const velmira::tools::Args& args) {
  for (const std::string& a : args) {
    if (a == "--") return false;
    if (a == "--help" || a == "-h") return true;
  }
  return false;
}

int run(const std::string& cmd, const velmira::tools::Args& args) {
  using namespace velmira::tools;
  if (cmd == "mesures") return readingsCommand(args, std::cout, std::cerr);
  if (cmd == "config") return configCommand(args, std::cout, std::cerr);
  if (cmd == "graphe") return graphCommand(args, std::cout, std::cerr);
  if (cmd == "calcul") return calculatorCommand(args, std::cin, std::cout, std::cerr);
  if (cmd == "texte") return textCommand(args, std::cout, std::cerr);
  if (cmd == "exercice") return exerciseCommand(args, std::cout, std::cerr);
  if (cmd == "travail") return workCommand(args, std::cerr);
  if (cmd == "classe") return classCommand(args, std::cout, std::cerr);
  if (cmd == "ions") return ionsCommand(args, std::cout, std::cerr);
  std::cerr << "velmira-outil : commande inconnue « " << cmd << " » (voir --help)\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using velmira::tools::usage;
  if (argc < 2) {
    std::cerr << usage("");
    return 2;
  }
  const std::string cmd = argv[1];
  const velmira::tools::Args args(argv + 2, argv + argc);
  int status;
  if (cmd == "--help" || cmd == "-h" || cmd == "aide") {
    std::cout << usage("");
    status = 0;
  } else if (cmd == velmira::files::kVersionOption) {
    std::cout << velmira::files::versionLine("velmira-outil", VELMIRA_VERSION) << "\n";
    status = 0;
  } else if (!usage(cmd).empty() && asksForHelp(args)) {
    std::cout << usage(cmd);
    status = 0;
  } else {
    try {
      status = run(cmd, args);
    } catch (const std::exception& e) {
      std::cerr << "velmira-outil : erreur interne : " << e.what() << "\n";
      return 3;
    }
  }
  // Output that did not reach its destination is a failure.
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "velmira-outil : écriture impossible sur la sortie standard\n";
    return 1;
  }
  return status;
}
