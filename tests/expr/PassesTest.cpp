// The evaluator's passes on their own: spaced form, checks, counts, and what a
// fault leaves behind.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "expr/Evaluator.h"

namespace velmira::expr {
namespace {

std::string decoupeOf(std::string s) {
  decoupe(s);
  return s;
}
std::string normaliseOf(std::string s) {
  normalise(s);
  return s;
}
std::int16_t verifieOf(const std::string& s) {
  std::int16_t err = 0;
  verifie(s, err);
  return err;
}

TEST(Decoupe, SpacesOperatorsAndFunctionCodes) {
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
  for (const auto& [in, out] : cases) EXPECT_EQ(decoupeOf(in), out) << in;
}

TEST(Decoupe, LnBecomesLonWithOneSpaceEveryTime) {
  EXPECT_EQ(decoupeOf("LN5"), " LON 5 ");
  EXPECT_EQ(decoupeOf("LON5"), " LON 5 ");
  EXPECT_EQ(decoupeOf("LN(2+3)"), " LON (2 + 3) ");
  // Retokenising a spaced form gives it back.
  EXPECT_EQ(normaliseOf(" LON 25 "), " LON 25 ");
  EXPECT_EQ(normaliseOf(normaliseOf("2*ln(12+13)")), " 2 * LON (12 + 13) ");
}

TEST(Normalise, SignsAndLoneNumberParentheses) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"2 - - 3", " 2 + 3 "},
      {"2+-3", " 2 - 3 "},
      {"2-+-+3", " 2 + 3 "},
      {"+-3", " -3 "},
      {"++3", " 3 "},
      {"---3", " -3 "},
      {"(-3.5)*2", " -3.5 * 2 "},
      {"2*(-3)", " 2 * -3 "},
      {"-(-3)", " 3 "},
      {"(1E-5)", " (1E-5) "},
      {"((2))+((.5))", " 2 + .5 "},
      {"(2+3)", " (2 + 3) "},
      {"()", " () "},
      {"(-)", " - "},
      {"sin 30", " SIN 30 "},
      {"a b c", " ABC "},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(normaliseOf(in), out) << in;
}

TEST(Verifie, CountsParenthesesAndOperatorPairs) {
  EXPECT_EQ(verifieOf(" (2 + 3 "), 2);
  EXPECT_EQ(verifieOf(" )2 + 3( "), 0);  // order is not checked
  EXPECT_EQ(verifieOf(" 2 *  / 3 "), 3);
  EXPECT_EQ(verifieOf(" 2 ^  - 3 "), 3);
  EXPECT_EQ(verifieOf(" 2 * -3 "), 0);
  EXPECT_EQ(verifieOf(" 2 +  + 3 "), 0);  // only * / ^ are checked
  EXPECT_EQ(verifieOf(" (2 *  / 3 "), 3);
}

TEST(Compte, CountsGroupsCodesAndParentheses) {
  compte(" SIN (2 + 3) * COS 4 - ISI .5 / 2 ^ 3 ");
  EXPECT_EQ(nbpar, 1);
  EXPECT_EQ(nbfonc, 3);
  EXPECT_EQ(nbop, 5);
  compte(" 2 * - ^ 3 ");  // the unspaced sign between two groups forms a third
  EXPECT_EQ(nbop, 3);
  compte("  ");
  EXPECT_EQ(nbpar + nbfonc + nbop, 0);
}

TEST(Calcop, FixedOrderAndStopAtCounter) {
  std::string t = " 1 + 2 * 3 - 4 / 2 ^ 2 ";
  compte(t);
  EXPECT_TRUE(calcop(t));
  EXPECT_EQ(t, " 6 ");
  EXPECT_EQ(nbop, 0);
  // The shared counter limits the work of one pass.
  t = " 1 + 2 + 3 ";
  nbop = 1;
  EXPECT_TRUE(calcop(t));
  EXPECT_EQ(t, " 3 + 3 ");
}

TEST(Calcop, FaultLeavesTheFailingStepUndone) {
  std::string t = " 2 ^ 2 + 1 / 0 ";
  compte(t);
  EXPECT_FALSE(calcop(t));
  EXPECT_EQ(t, " 4 + 1 / 0 ");
  EXPECT_EQ(nbop, 2);
}

TEST(Calcfonc, AppliesReadyFunctionsLeftToRightAndStopsAtAFault) {
  std::string t = " SIN 30 + SQR -1 + COS 0 ";
  compte(t);
  EXPECT_FALSE(calcfonc(t, kDegres));
  EXPECT_EQ(t, " .5 + SQR -1 + COS 0 ");
  EXPECT_EQ(nbfonc, 2);

  t = " SIN SQR 900 ";
  compte(t);
  EXPECT_TRUE(calcfonc(t, kDegres));
  EXPECT_EQ(t, " .5 ");
}

TEST(Calcfonc, ArgumentEndsAtSpaceOrClosingParenthesis) {
  std::string t = " (SQR 16) ";
  compte(t);
  EXPECT_TRUE(calcfonc(t, kDegres));
  EXPECT_EQ(t, " (4) ");
  t = " SQR 16X + 1 ";  // read by the leading-number rule
  compte(t);
  EXPECT_TRUE(calcfonc(t, kDegres));
  EXPECT_EQ(t, " 4 + 1 ");
}

TEST(Calcfonc, SignedArgumentWaitsUnlessANumberFollows) {
  std::string t = " SIN -(10 + 20) ";
  compte(t);
  EXPECT_TRUE(calcfonc(t, kDegres));
  EXPECT_EQ(t, " SIN -(10 + 20) ");
  t = " SIN -SIN 30 ";
  compte(t);
  EXPECT_TRUE(calcfonc(t, kDegres));
  EXPECT_EQ(t, " -.00872653549837393 ");
}

TEST(Calcpar, InnermostGroupsUntilAFunctionIsInside) {
  std::string t = normaliseOf("(1+2)*(3+(4-1))");
  compte(t);
  EXPECT_TRUE(calcpar(t, kDegres));
  EXPECT_EQ(t, " 3 * 6 ");
  t = normaliseOf("(1+2)*SIN(3+(4-1)+X)");
  compte(t);
  EXPECT_TRUE(calcpar(t, kDegres));
  EXPECT_EQ(t, " (1 + 2) * SIN (3 + 3 + X) ");
}

TEST(Calcpar, FaultInsideAGroupKeepsTheGroup) {
  std::string t = normaliseOf("(1+1)*(2/0)");
  compte(t);
  EXPECT_FALSE(calcpar(t, kDegres));
  EXPECT_EQ(t, " (1 + 1) * (2 / 0) ");
}

}  // namespace
}  // namespace velmira::expr
