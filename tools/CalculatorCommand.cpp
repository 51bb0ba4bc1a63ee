// SPDX-License-Identifier: GPL-3.0-or-later
// velmira-outil calcul: evaluates expressions as the calculator and the column
// formulas do, one line CODE<TAB>RESULT per expression: the evaluator's raw
// text, or with --machine what the calculator's display shows after EXE.
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "expr/Calculator.h"
#include "expr/Evaluator.h"
#include "platform/core/NumberText.h"
#include "tools/Commands.h"

namespace velmira::tools {

namespace {

struct Mode {
  expr::Angle angle = expr::Angle::Degrees;
  bool machine = false;
  bool scientific = false;
  std::optional<std::string> mask;
};

void printResult(std::string expression, const Mode& mode, std::ostream& out) {
  if (mode.machine) {
    const expr::Evaluation e = expr::evaluateForDisplay(std::move(expression), mode.angle, mode.scientific);
    out << num::numberText(expr::errorCode(e.error)) << '\t' << e.text << '\n';
    return;
  }
  const expr::Result result = expr::evaluate(std::move(expression), mode.angle);
  std::string text = result.text();
  if (result.ok() && mode.mask) text = num::format(num::leadingValue(text), *mode.mask);
  out << num::numberText(expr::errorCode(result.error())) << '\t' << text << '\n';
}

// An argument of the form "--word" is an option; "-2^2" or "--3" is an
// expression.
bool looksLikeOption(const std::string& a) {
  if (a.size() < 3 || a[0] != '-' || a[1] != '-') return false;
  const char c = a[2];
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

int calculatorCommand(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
  Mode mode;
  std::vector<std::string> expressions;
  bool options = true;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (options && a == "--") {
      options = false;
    } else if (options && a == "--degres") {
      mode.angle = expr::Angle::Degrees;
    } else if (options && a == "--radians") {
      mode.angle = expr::Angle::Radians;
    } else if (options && a == "--machine") {
      mode.machine = true;
    } else if (options && a == "--scientifique") {
      mode.scientific = true;
    } else if (options && a == "--masque") {
      if (i + 1 >= args.size()) {
        err << "velmira-outil calcul : --masque attend un format (0.00E+00, 0.000...)\n";
        return 2;
      }
      mode.mask = args[++i];
    } else if (options && looksLikeOption(a)) {
      err << "velmira-outil calcul : option inconnue « " << a
          << " » (options : --degres, --radians, --machine, --scientifique, --masque)\n";
      return 2;
    } else {
      expressions.push_back(a);
    }
  }
  if (mode.scientific && !mode.machine) {
    err << "velmira-outil calcul : --scientifique va avec --machine\n";
    return 2;
  }
  if (mode.mask && mode.machine) {
    err << "velmira-outil calcul : --masque ne va pas avec --machine\n";
    return 2;
  }
  if (!expressions.empty()) {
    for (const std::string& e : expressions) printResult(e, mode, out);
    return 0;
  }
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    printResult(line, mode, out);
  }
  return 0;
}

}  // namespace velmira::tools
