#pragma once
// The sub-commands of velmira-outil. Each takes its arguments (after the
// sub-command name) and returns the exit status.
#include <iosfwd>
#include <string>
#include <vector>

namespace velmira::tools {

using Args = std::vector<std::string>;

int commandeMesures(const Args& args, std::ostream& out, std::ostream& err);
int commandeConfig(const Args& args, std::ostream& out, std::ostream& err);
int commandeGraphe(const Args& args, std::ostream& out, std::ostream& err);
int commandeCalcul(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int commandeTexte(const Args& args, std::ostream& out, std::ostream& err);
int commandeExercice(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace velmira::tools
