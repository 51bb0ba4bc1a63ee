// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sub-commands of velmira-outil. Each takes its arguments (after the
// sub-command name) and returns the exit status.
#include <iosfwd>
#include <string>
#include <vector>

namespace velmira::tools {

using Args = std::vector<std::string>;

// mesures, config, graphe, calcul, texte, exercice, travail, classe, ions, in that order.
int readingsCommand(const Args& args, std::ostream& out, std::ostream& err);
int configCommand(const Args& args, std::ostream& out, std::ostream& err);
int graphCommand(const Args& args, std::ostream& out, std::ostream& err);
int calculatorCommand(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int textCommand(const Args& args, std::ostream& out, std::ostream& err);
int exerciseCommand(const Args& args, std::ostream& out, std::ostream& err);
int workCommand(const Args& args, std::ostream& err);
int classCommand(const Args& args, std::ostream& out, std::ostream& err);
int ionsCommand(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace velmira::tools
