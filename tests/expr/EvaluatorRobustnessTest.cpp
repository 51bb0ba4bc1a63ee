// SPDX-License-Identifier: GPL-3.0-or-later
// Any text at all: the evaluator returns a code, in bounded time, without a fault,
// and never writes a non-finite value.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "EvaluationRun.h"
#include "expr/Evaluator.h"
#include "platform/core/NumberText.h"

namespace velmira::expr {
namespace {

using test::Outcome;
using test::run;

void expectSane(const std::string& input, const Outcome& o) {
  ASSERT_TRUE(o.err >= 0 && o.err <= 3) << "[" << input << "] err " << o.err;
  if (o.err == 0) {
    ASSERT_EQ(o.text.find(' '), std::string::npos) << "[" << input << "]";
  }
}

std::string repeat(const std::string& piece, std::size_t length) {
  std::string s;
  while (s.size() < length) s += piece;
  s.resize(length);
  return s;
}

// Well-formed expressions over the language: every success is a number text.
std::string cleanExpression(std::mt19937& rng, int depth = 0) {
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  static const char* const kNumbers[] = {"0",      "1", "2",   "3.5",   ".25", "10",   "30",      "1E-3",
                                         "2.5E+2", "7", "4D1", "0.001", "90",  "1E-9", "6.02E+23"};
  static const char* const kFunctions[] = {"sin ", "cos ", "tan ",    "ln ",     "log ",
                                           "exp ", "SQR ", "invSIN ", "invCOS ", "invTAN "};
  static const char* const kOps[] = {" + ", " - ", " * ", " / ", " ^ "};
  std::string s;
  const int terms = 1 + pick(3);
  for (int k = 0; k < terms; ++k) {
    if (k > 0) s += kOps[pick(5)];
    if (pick(5) == 0) s += "-";
    const int kind = depth > 2 ? 0 : pick(4);
    if (kind <= 1) {
      s += kNumbers[pick(15)];
    } else if (kind == 2) {
      s += "(" + cleanExpression(rng, depth + 1) + ")";
    } else {
      s += kFunctions[pick(10)];
      s += pick(2) ? "(" + cleanExpression(rng, depth + 1) + ")" : kNumbers[pick(15)];
    }
  }
  return s;
}

TEST(EvaluateRobustness, RandomBytesReturnACode) {
  std::mt19937 rng(424242);
  static const std::string kAlphabet =
      "0123456789.+-*/^() EeDdSINCOTALGXPQRVinvsqrlogexpF,;\t\r\n\x01\x7f\xc3\xa9\xe2\x88\x9a";
  for (int n = 0; n < 20000; ++n) {
    std::string s;
    const int len = static_cast<int>(rng() % 40);
    for (int k = 0; k < len; ++k)
      s += rng() % 16 == 0 ? static_cast<char>(rng() % 256) : kAlphabet[rng() % kAlphabet.size()];
    expectSane(s, run(s, test::alternateAngle(n)));
  }
}

TEST(EvaluateRobustness, WellFormedSuccessesReadBackAsFiniteNumbers) {
  std::mt19937 rng(99);
  int successes = 0;
  for (int n = 0; n < 5000; ++n) {
    const std::string e = cleanExpression(rng);
    Outcome o = run(e, test::alternateAngle(n));
    expectSane(e, o);
    if (o.err != 0) continue;
    ++successes;
    num::Leading l = num::leading(o.text);
    ASSERT_FALSE(l.overflow) << e << " -> " << o.text;
    ASSERT_EQ(l.length, o.text.size()) << e << " -> " << o.text;
    ASSERT_TRUE(std::isfinite(l.value)) << e;
  }
  EXPECT_GT(successes, 2000);
}

TEST(EvaluateRobustness, LongTexts) {
  const std::size_t n = 10000;
  EXPECT_EQ(run(repeat("1+", n - 1)).text, "5000");
  EXPECT_EQ(run(repeat("2*", n - 1) + "1").err, 1);  // overflows
  EXPECT_EQ(run(repeat("(", n)).err, 2);
  EXPECT_EQ(run(repeat("*", n)).err, 3);
  EXPECT_EQ(run(repeat("-", n - 1)).text, "0");
  EXPECT_EQ(run(repeat("-", n)).text, "");              // an even run folds to "+", then goes
  EXPECT_EQ(run(repeat("9", n)).text, repeat("9", n));  // left as written
  EXPECT_EQ(run(repeat("9", n) + "+1").err, 1);         // reading overflows
  EXPECT_EQ(run(repeat("sin ", n)).err, 1);
  std::mt19937 rng(5);
  static const std::string kAlphabet = "0123456789.+-*/^()ESINCOLGTQRXV ";
  for (int k = 0; k < 5; ++k) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += kAlphabet[rng() % kAlphabet.size()];
    expectSane(s, run(s));
  }
}

TEST(EvaluateRobustness, DeepNesting) {
  const std::string open(5000, '('), close(5000, ')');
  EXPECT_EQ(run(open + "1+1" + close).text, "2");
  EXPECT_EQ(run(open + "1" + close).text, "1");
  EXPECT_EQ(run(open + "1+1" + close.substr(1)).err, 2);
  Outcome o = run(repeat("(1+", 9000) + "1" + std::string(1000, ')'));
  EXPECT_EQ(o.err, 2);
  // One function per cycle inside parentheses: the cycle limit ends it.
  EXPECT_EQ(run(repeat("sin(", 1600) + "0" + std::string(400, ')')).err, 1);
}

TEST(EvaluateRobustness, ControlAndNonAsciiCharacters) {
  for (int c = 0; c < 32; ++c) {
    std::string s = "1+" + std::string(1, static_cast<char>(c)) + "2";
    expectSane(s, run(s));
  }
  EXPECT_EQ(run("\t").text, "\t");
  expectSane("\xc3\xa9+1", run("\xc3\xa9+1"));
  EXPECT_EQ(run("\xc3\xa9+1").text, "1");  // an unknown word reads as 0
  EXPECT_EQ(run(std::string("1\0+2", 4)).text, "3");
  for (const char* e : {"+", "-", "*", "/", "^", "(", ")", "()", ")(", "E", ".", "-.", "E+", "INV"})
    expectSane(e, run(e));
}

TEST(EvaluateRobustness, CountsBeyondTheCountersAreAParenthesesError) {
  // A wrapped 16-bit count would fake a result ("6", or the parentheses).
  const std::string deep = std::string(32768, '(') + "1+2" + std::string(32768, ')') + "*3";
  EXPECT_EQ(run(deep).err, 2);
  const std::string inverted = std::string(32768, ')') + std::string(32768, '(');
  EXPECT_EQ(run(inverted).err, 2);
  const std::string fits = std::string(32767, '(') + "1+2" + std::string(32767, ')') + "*3";
  EXPECT_EQ(run(fits).err, 0);
  EXPECT_EQ(run(fits).text, "9");
}

}  // namespace
}  // namespace velmira::expr
