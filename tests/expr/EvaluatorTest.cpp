// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluator: results of whole expressions, error codes and faults.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "EvaluationRun.h"
#include "expr/Evaluator.h"

namespace velmira::expr {
namespace {

using test::Outcome;
using test::run;

void expectAll(const std::vector<std::pair<std::string, std::string>>& cases, Angle angle = Angle::Degrees) {
  for (const auto& [expression, expected] : cases) {
    Outcome o = run(expression, angle);
    EXPECT_EQ(o.err, 0) << expression;
    EXPECT_EQ(o.text, expected) << expression;
  }
}

void expectError(const std::vector<std::string>& expressions, int code) {
  for (const auto& e : expressions) EXPECT_EQ(run(e).err, code) << e;
}

TEST(Evaluate, FixedOperatorOrderWithSignsBoundToNumbers) {
  expectAll({{"2+3*4", "14"},
             {"(2+3)*4", "20"},
             {"2^3^2", "64"},
             {"-2^2", "4"},
             {"-3^2", "9"},
             {"-2^3", "-8"},
             {"2*3^2", "18"},
             {"2*-3", "-6"},
             {"5--3", "8"},
             {"5+-3", "2"},
             {"8/2/2", "2"},
             {"10/2*5", "25"},
             {"2-3+4", "3"},
             {"1+2-3+4-5", "-1"},
             {"2^-1", ".5"},
             {"2 ^ 2 * 3", "12"},
             {"((2+3)*(4-1))^2", "225"},
             {"2*(0-3)", "-6"},
             {"-(-3)", "3"},
             {"((((7))))", "7"}});
}

TEST(Evaluate, ResultsAreLocaleFreeNumberTexts) {
  expectAll({{"1/2", ".5"},
             {"-1/2", "-.5"},
             {"1/3", ".333333333333333"},
             {"2/3", ".666666666666667"},
             {"1/10000", ".0001"},
             {"1/100000", "1E-05"},
             {"-3/100000", "-3E-05"},
             {"10^14", "100000000000000"},
             {"10^15", "1E+15"},
             {"0-0", "0"},
             {"0*-1", "0"},
             {"1.5+1.25", "2.75"}});
}

TEST(Evaluate, ExponentsUnitSuffixesAndTheReadingRule) {
  expectAll({{"1E-3*1E+3", "1"},
             {"5E-3*1", ".005"},
             {"5E+3+1", "5001"},
             {"2E+12/1E+9", "2000"},
             {"3E-12*1E+12", "3"},
             {"4D2+0", "400"},
             {"4d-2*100", "4"},
             {".5+.5", "1"},
             {"2,5+1", "3"},  // "," is not a decimal point
             {"X+1", "1"},    // an unknown word reads as 0
             {"1.2.3+0", "1.2"}});
}

TEST(Evaluate, TextsWithoutOperationAreLeftAsWritten) {
  // Nothing reads a lone operand: the caller reads the result as a number.
  expectAll({{"", ""}, {"5E-3", "5E-3"}, {"  42  ", "42"}, {"(3)", "3"}, {"1 2", "12"}});
}

TEST(Evaluate, FunctionsInDegrees) {
  expectAll({{"sin 30", ".5"},
             {"sin(30)", ".5"},
             {"SIN30", ".5"},
             {"cos 60", ".5"},
             {"tan 45", "1"},
             {"invSIN 1", "90"},
             {"invSIN .5", "30"},
             {"invCOS 1", "0"},
             {"invCOS 0", "90"},
             {"invTAN 1", "45"},
             {"invSIN -1", "-90"},
             {"ln 1", "0"},
             {"ln 2", ".693147180559945"},
             {"log 1000", "3"},
             {"SQR 4", "2"},
             {"SQR(2+2)", "2"},
             {"exp 0", "1"},
             {"exp 1", "2.71828182845905"},
             {"2 * sin 30", "1"},
             {"sin sin sin 0", "0"},
             {"sin(sin(30))", ".00872653549837393"},
             {"sin 30 + cos 60", "1"}});
}

TEST(Evaluate, FunctionsInRadians) {
  expectAll({{"SIN 0", "0"},
             {"invSIN 1", "1.5707963267949"},
             {"invCOS 1", "0"},
             {"invTAN 1", ".785398163397448"},
             {"cos 0", "1"},
             {"sin(3.14159265358979/2)", "1"}},
            Angle::Radians);
}

TEST(Evaluate, InputErrors) {
  expectError({"(2+3", "2+3)", "((1)", "sin(30"}, 2);
  expectError({"2*/3", "2^*3", "2/^3", "2*+3", "2*", "2^", "(2*/3"}, 3);
  // Only counts are compared.
  EXPECT_EQ(run(")1+1(").err, 1);
}

TEST(Evaluate, ArithmeticFaultsEndWithCode1) {
  expectError({"1/0",         "0/0",     "SQR -1",    "LOG 0",        "ln -1",    "ln 0",   "(-8)^(1/3)",
               "-8^.5",       "0^-1",    "1E308*10",  "-1E308-1E308", "exp 1000", "10^400", "invSIN 2",
               "invCOS -1.5", "1E400+1", "sin 1E999", "2+3*(1/0)",    "sin(1/0)", "2^2+1/0"},
              1);
}

TEST(Evaluate, FaultFreeEdgesOfTheDomain) {
  expectAll({{"0^0", "1"},
             {"(-2)^2", "4"},
             {"(-8)^(1/1)", "-8"},
             {"SQR 0", "0"},
             {"10^-400", "0"},
             {"1E-400+1", "1"},
             {"tan 90", "1.63312393531954E+16"}});
}

TEST(Evaluate, FunctionNeedsAnArgumentNumber) { expectError({"SIN X", "SIN +30", "(X+1)", "SQR"}, 1); }

TEST(Evaluate, CycleLimit) {
  // Each cycle applies one function of a parenthesised nest.
  auto nest = [](int depth) {
    std::string s;
    for (int i = 0; i < depth; ++i) s += "sin(";
    s += "0";
    for (int i = 0; i < depth; ++i) s += ")";
    return s;
  };
  EXPECT_EQ(run(nest(100)).err, 0);
  EXPECT_EQ(run(nest(100)).text, "0");
  EXPECT_EQ(run(nest(101)).err, 1);
}

TEST(Evaluate, LnKeepsItsSpaceThroughRetokenising) {
  expectAll(
      {{"ln(2+3)", "1.6094379124341"}, {"ln(12+13)", "3.2188758248682"}, {"LN(EXP(2))", "2"}, {"2*ln(1+0)", "0"}});
}

TEST(Evaluate, FunctionArgumentSignNeedsADigit) {
  expectAll({{"sin -(10 + 20)", "-.5"},
             {"sin -sin 30", "-.00872653549837393"},
             {"sin -30", "-.5"},
             {"sin -.5", "-.00872653549837393"},
             {"cos -(60)", ".5"}});
  EXPECT_EQ(run("sqr -4").err, 1);  // a signed number is still read, and faults
}

TEST(Evaluate, LiteralQuirksKept) {
  // "2(3)": the parentheses of a lone number go, the digits join.
  expectAll({{"2(3)", "23"}, {"3sin-30", "2.5"}, {"2+", "2"}, {"-", "0"}, {"INV30", "I30"}});
  EXPECT_EQ(run("*").err, 3);
}

}  // namespace
}  // namespace velmira::expr
