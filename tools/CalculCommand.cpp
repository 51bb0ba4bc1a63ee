// velmira-outil calcul: evaluates expressions as the calculator and the column
// formulas do, one line CODE<TAB>RESULT per expression.
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "expr/Evaluator.h"
#include "platform/core/NumberText.h"
#include "tools/Commands.h"

namespace velmira::tools {

namespace {

void printResult(std::string expression, std::int16_t angle, std::ostream& out) {
  std::int16_t err = 0;
  expr::evalue(expression, err, angle);
  out << num::numberText(err) << '\t' << (err == 0 ? expression : std::string()) << '\n';
}

// An argument of the form "--word" is an option; "-2^2" or "--3" is an
// expression.
bool looksLikeOption(const std::string& a) {
  if (a.size() < 3 || a[0] != '-' || a[1] != '-') return false;
  const char c = a[2];
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

int commandeCalcul(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
  std::int16_t angle = expr::kDegres;
  std::vector<std::string> expressions;
  bool options = true;
  for (const std::string& a : args) {
    if (options && a == "--") {
      options = false;
    } else if (options && a == "--degres") {
      angle = expr::kDegres;
    } else if (options && a == "--radians") {
      angle = expr::kRadians;
    } else if (options && looksLikeOption(a)) {
      err << "velmira-outil calcul : option inconnue \xC2\xAB " << a
          << " \xC2\xBB (options : --degres, --radians)\n";
      return 2;
    } else {
      expressions.push_back(a);
    }
  }
  if (!expressions.empty()) {
    for (const std::string& e : expressions) printResult(e, angle, out);
    return 0;
  }
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    printResult(line, angle, out);
  }
  return 0;
}

}  // namespace velmira::tools
