// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluator's passes on their own: spaced form, checks, counts, and what a
// fault leaves behind.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "expr/EvaluatorPasses.h"

namespace velmira::expr::detail {
namespace {

std::string splitOf(std::string s) {
  splitTokens(s);
  return s;
}
std::string normaliseOf(std::string s) {
  normalise(s);
  return s;
}
int checkOf(const std::string& s) { return errorCode(checkSyntax(s)); }

TEST(SplitTokens, SpacesOperatorsAndFunctionCodes) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"2*-3", " 2 * -3 "},
      {"2+3-4", " 2 + 3 - 4 "},
      {"2^3/4", " 2 ^ 3 / 4 "},
      {"+5", " 5 "},
      {"1E-3+2D+1", " 1E-3 + 2D+1 "},
      {"(-3+1)", " (-3 + 1) "},
      {"(+3)", " ( + 3) "},
      {"2*/3", " 2 *  / 3 "},
      {"sqr4", " SQR 4 "},
      {"SIN30*COS60", " SIN 30 * COS 60 "},
      {"LOG-2", " LOG -2 "},
      {"EXP(1)", " EXP (1) "},
      {"INVSIN1", " ISI 1 "},
      {"INVCOS(1)", " ICO (1) "},
      {"INVTAN-1", " ITA -1 "},
      {"INVXYZ", " IXY  "},
      {"", "  "},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(splitOf(in), out) << in;
}

TEST(SplitTokens, LnBecomesLonWithOneSpaceEveryTime) {
  EXPECT_EQ(splitOf("LN5"), " LON 5 ");
  EXPECT_EQ(splitOf("LON5"), " LON 5 ");
  EXPECT_EQ(splitOf("LN(2+3)"), " LON (2 + 3) ");
  // Retokenising a spaced form gives it back.
  EXPECT_EQ(normaliseOf(" LON 25 "), " LON 25 ");
  EXPECT_EQ(normaliseOf(normaliseOf("2*ln(12+13)")), " 2 * LON (12 + 13) ");
}

TEST(Normalise, SignsAndLoneNumberParentheses) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"2 - - 3", " 2 + 3 "}, {"2+-3", " 2 - 3 "},    {"2-+-+3", " 2 + 3 "},        {"+-3", " -3 "},
      {"++3", " 3 "},         {"---3", " -3 "},       {"(-3.5)*2", " -3.5 * 2 "},   {"2*(-3)", " 2 * -3 "},
      {"-(-3)", " 3 "},       {"(1E-5)", " (1E-5) "}, {"((2))+((.5))", " 2 + .5 "}, {"(2+3)", " (2 + 3) "},
      {"()", " () "},         {"(-)", " - "},         {"sin 30", " SIN 30 "},       {"a b c", " ABC "},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(normaliseOf(in), out) << in;
}

TEST(CheckSyntax, CountsParenthesesAndOperatorPairs) {
  EXPECT_EQ(checkOf(" (2 + 3 "), 2);
  EXPECT_EQ(checkOf(" )2 + 3( "), 0);  // order is not checked
  EXPECT_EQ(checkOf(" 2 *  / 3 "), 3);
  EXPECT_EQ(checkOf(" 2 ^  - 3 "), 3);
  EXPECT_EQ(checkOf(" 2 * -3 "), 0);
  EXPECT_EQ(checkOf(" 2 +  + 3 "), 0);  // only * / ^ are checked
  EXPECT_EQ(checkOf(" (2 *  / 3 "), 3);
}

TEST(CountOperations, CountsGroupsCodesAndParentheses) {
  Counters n;
  countOperations(" SIN (2 + 3) * COS 4 - ISI .5 / 2 ^ 3 ", n);
  EXPECT_EQ(n.parentheses, 1);
  EXPECT_EQ(n.functions, 3);
  EXPECT_EQ(n.operators, 5);
  countOperations(" 2 * - ^ 3 ", n);  // the unspaced sign between two groups forms a third
  EXPECT_EQ(n.operators, 3);
  countOperations("  ", n);
  EXPECT_EQ(n.parentheses + n.functions + n.operators, 0);
}

TEST(ReduceOperators, FixedOrderAndStopAtCounter) {
  Counters n;
  std::string t = " 1 + 2 * 3 - 4 / 2 ^ 2 ";
  countOperations(t, n);
  EXPECT_TRUE(reduceOperators(t, n));
  EXPECT_EQ(t, " 6 ");
  EXPECT_EQ(n.operators, 0);
  // The shared counter limits the work of one pass.
  t = " 1 + 2 + 3 ";
  n.operators = 1;
  EXPECT_TRUE(reduceOperators(t, n));
  EXPECT_EQ(t, " 3 + 3 ");
}

TEST(ReduceOperators, FaultLeavesTheFailingStepUndone) {
  Counters n;
  std::string t = " 2 ^ 2 + 1 / 0 ";
  countOperations(t, n);
  EXPECT_FALSE(reduceOperators(t, n));
  EXPECT_EQ(t, " 4 + 1 / 0 ");
  EXPECT_EQ(n.operators, 2);
}

TEST(ReduceFunctions, AppliesReadyFunctionsLeftToRightAndStopsAtAFault) {
  Counters n;
  std::string t = " SIN 30 + SQR -1 + COS 0 ";
  countOperations(t, n);
  EXPECT_FALSE(reduceFunctions(t, n, Angle::Degrees));
  EXPECT_EQ(t, " .5 + SQR -1 + COS 0 ");
  EXPECT_EQ(n.functions, 2);

  t = " SIN SQR 900 ";
  countOperations(t, n);
  EXPECT_TRUE(reduceFunctions(t, n, Angle::Degrees));
  EXPECT_EQ(t, " .5 ");
}

TEST(ReduceFunctions, ArgumentEndsAtSpaceOrClosingParenthesis) {
  Counters n;
  std::string t = " (SQR 16) ";
  countOperations(t, n);
  EXPECT_TRUE(reduceFunctions(t, n, Angle::Degrees));
  EXPECT_EQ(t, " (4) ");
  t = " SQR 16X + 1 ";  // read by the leading-number rule
  countOperations(t, n);
  EXPECT_TRUE(reduceFunctions(t, n, Angle::Degrees));
  EXPECT_EQ(t, " 4 + 1 ");
}

TEST(ReduceFunctions, SignedArgumentWaitsUnlessANumberFollows) {
  Counters n;
  std::string t = " SIN -(10 + 20) ";
  countOperations(t, n);
  EXPECT_TRUE(reduceFunctions(t, n, Angle::Degrees));
  EXPECT_EQ(t, " SIN -(10 + 20) ");
  t = " SIN -SIN 30 ";
  countOperations(t, n);
  EXPECT_TRUE(reduceFunctions(t, n, Angle::Degrees));
  EXPECT_EQ(t, " -.00872653549837393 ");
}

TEST(ReduceParentheses, InnermostGroupsUntilAFunctionIsInside) {
  Counters n;
  std::string t = normaliseOf("(1+2)*(3+(4-1))");
  countOperations(t, n);
  EXPECT_TRUE(reduceParentheses(t, n));
  EXPECT_EQ(t, " 3 * 6 ");
  t = normaliseOf("(1+2)*SIN(3+(4-1)+X)");
  countOperations(t, n);
  EXPECT_TRUE(reduceParentheses(t, n));
  EXPECT_EQ(t, " (1 + 2) * SIN (3 + 3 + X) ");
}

TEST(ReduceParentheses, FaultInsideAGroupKeepsTheGroup) {
  Counters n;
  std::string t = normaliseOf("(1+1)*(2/0)");
  countOperations(t, n);
  EXPECT_FALSE(reduceParentheses(t, n));
  EXPECT_EQ(t, " (1 + 1) * (2 / 0) ");
}

}  // namespace
}  // namespace velmira::expr::detail
