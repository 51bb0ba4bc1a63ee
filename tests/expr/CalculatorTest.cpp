// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator driven key by key: the working expression, EXE and its
// texts, the answer, the memory and the display modes.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "expr/Calculator.h"
#include "expr/Evaluator.h"

namespace velmira::expr {
namespace {

class CalculatorTest : public ::testing::Test {
 protected:
  // Presses the keys; false when one of them failed.
  bool press(std::initializer_list<Key> keys) {
    bool ok = true;
    for (Key k : keys) ok = calc.press(k) && ok;
    return ok;
  }
  // Types characters as on the keyboard.
  bool type(std::string_view text) {
    bool ok = true;
    for (char ch : text) {
      const auto k = keyForCharacter(static_cast<unsigned char>(ch));
      if (k) ok = calc.press(*k) && ok;
    }
    return ok;
  }

  double memory = 0;
  Calculator calc{memory};
};

TEST_F(CalculatorTest, FunctionKeysInsertTheirWordAfterAnImplicitProduct) {
  press({Key::Digit2, Key::Sine, Key::Digit3, Key::Digit0});
  EXPECT_EQ(calc.expression(), "2 * sin 30");
  EXPECT_EQ(calc.display(), "2 * sin 30");
  EXPECT_TRUE(calc.press(Key::Execute));
  EXPECT_EQ(calc.display(), " 1");
  EXPECT_EQ(calc.answer(), " 1");
  EXPECT_EQ(calc.expression(), "");

  // No product after a space, "(" or "-"; every word and its key.
  press({Key::ClearAll, Key::OpenParenthesis, Key::ArcSine, Key::Minus, Key::Cosine, Key::Tangent, Key::ArcCosine,
         Key::ArcTangent, Key::Exponential, Key::NaturalLog, Key::DecimalLog, Key::SquareRoot, Key::PowerOfTen,
         Key::Reciprocal, Key::Column3, Key::Pi});
  EXPECT_EQ(calc.expression(), "(invSIN -cos tan invCOS invTAN exp ln log SQR 10 ^ 1 / C3 * 3.14159265358979");
  press({Key::ClearAll, Key::Digit1, Key::Tera, Key::Giga, Key::Mega, Key::Kilo, Key::Milli, Key::Micro, Key::Nano,
         Key::Pico, Key::Point, Key::Exponent, Key::CloseParenthesis, Key::OpenParenthesis});
  EXPECT_EQ(calc.expression(), "1E+12E+9E+6E+3E-3E-6E-9E-12.E) * (");
}

TEST_F(CalculatorTest, OperatorsRecallTheAnswerAndFollowTheExponentSign) {
  calc.press(Key::Plus);  // nothing on a blank display
  EXPECT_EQ(calc.expression(), "");
  EXPECT_TRUE(type("2*3\r"));
  EXPECT_EQ(calc.display(), " 6");
  type("+1");
  EXPECT_EQ(calc.expression(), "6 + 1");
  type("\r");
  EXPECT_EQ(calc.display(), " 7");
  press({Key::Square});
  EXPECT_EQ(calc.expression(), "7 ^ 2");
  press({Key::ClearAll, Key::Answer, Key::Divide, Key::Digit2, Key::Power, Key::Digit5, Key::Exponent, Key::Plus});
  EXPECT_EQ(calc.expression(), "7 / 2 ^ 5E+");

  // Minus: a sign after "(", a space, "E" or nothing; " -" after a "-".
  type("\b\b\b\b\b\b\b\b\b\b\b");
  EXPECT_EQ(calc.expression(), "");
  type("-(-5e-3-");
  EXPECT_EQ(calc.expression(), "-(-5E-3 - ");
  type("--");
  EXPECT_EQ(calc.expression(), "-(-5E-3 - - -");
  calc.load("");
  type("5E-3\r");
  EXPECT_EQ(calc.display(), " .005");
}

TEST_F(CalculatorTest, ErrorsShowTheirTextAndGiveBackTheExpression) {
  EXPECT_FALSE(type("1/0\r"));
  EXPECT_EQ(calc.display(), kCalculImpossible);
  EXPECT_EQ(calc.lastError(), Error::Unreducible);
  EXPECT_EQ(calc.expression(), "1 / 0");
  EXPECT_TRUE(calc.press(Key::Answer));  // nothing after a failed EXE
  EXPECT_EQ(calc.display(), kCalculImpossible);
  type("\b2");
  EXPECT_EQ(calc.display(), "1 / 2");

  press({Key::ClearAll});
  EXPECT_FALSE(type("(2\r"));
  EXPECT_EQ(calc.display(), kErreurParentheses);
  press({Key::ClearAll});
  EXPECT_FALSE(type("2*/3\r"));
  EXPECT_EQ(calc.display(), kErreurOperateurs);
  EXPECT_EQ(calc.lastError(), Error::Operators);

  // A result beyond a 64-bit float: code 4, never "inf".
  press({Key::ClearAll});
  EXPECT_FALSE(type("1E99999\r"));
  EXPECT_EQ(calc.display(), kDepassement);
  EXPECT_EQ(calc.lastError(), Error::Overflow);
  EXPECT_EQ(calc.expression(), "1E99999");
}

TEST(EvaluateForDisplay, AResultThatIsNotANumberReadsAsZero) {
  for (const char* word : {"X", "nan", "inf", "ABC"}) {
    const Evaluation e = evaluateForDisplay(word, Angle::Degrees, false);
    EXPECT_EQ(e.error, std::nullopt) << word;
    EXPECT_EQ(e.text, " 0") << word;
  }
  EXPECT_EQ(evaluateForDisplay("-1/2", Angle::Degrees, false).text, "-.5");
  EXPECT_EQ(evaluateForDisplay("1/2", Angle::Degrees, true).text, "5.E-01");
}

TEST_F(CalculatorTest, BackspaceRemovesOneCharacterAnOperatorGroupOrAWord) {
  press({Key::Digit2, Key::Sine});
  EXPECT_EQ(calc.expression(), "2 * sin ");
  press({Key::Backspace});
  EXPECT_EQ(calc.expression(), "2 * ");
  press({Key::Backspace});
  EXPECT_EQ(calc.expression(), "2");
  press({Key::ClearAll, Key::OpenParenthesis, Key::ArcSine, Key::Backspace});
  EXPECT_EQ(calc.expression(), "(");
  press({Key::ClearAll, Key::NaturalLog, Key::Backspace});
  EXPECT_EQ(calc.display(), "");
  calc.load("* ");  // a stored formula may be anything
  press({Key::Backspace, Key::Backspace});
  EXPECT_EQ(calc.expression(), "");
}

TEST_F(CalculatorTest, MemoryOutlivesTheCalculatorAndIsRecalledInTheDisplayMode) {
  type("2+3\r");
  EXPECT_TRUE(calc.press(Key::MemoryAdd));
  EXPECT_EQ(calc.display(), " 5");  // storing leaves the display alone
  press({Key::MemoryRecall});
  EXPECT_EQ(calc.expression(), "5");
  press({Key::MemorySubtract, Key::MemorySubtract});  // the display reads 5
  EXPECT_EQ(memory, -5);

  Calculator next(memory);
  next.setScientific(true);
  next.press(Key::MemoryRecall);
  EXPECT_EQ(next.expression(), "-5.E+00");
  next.press(Key::MemoryClear);
  EXPECT_EQ(memory, 0);

  // A sum beyond a 64-bit float keeps the memory as it was.
  memory = 1E308;
  calc.load("1E308");
  EXPECT_FALSE(calc.press(Key::MemoryAdd));
  EXPECT_EQ(memory, 1E308);
}

TEST_F(CalculatorTest, DisplayModeShowsTheLastAnswerAgain) {
  type("1/3\r");
  EXPECT_EQ(calc.display(), " .333333333333333");
  calc.setScientific(true);
  EXPECT_EQ(calc.display(), "3.3333333E-01");
  EXPECT_EQ(calc.answer(), " .333333333333333");
  type("1/3\r");
  EXPECT_EQ(calc.display(), "3.3333333E-01");
  calc.setScientific(false);
  EXPECT_EQ(calc.display(), " .33333333");

  // Not while an expression is being built.
  type("2");
  calc.setScientific(true);
  EXPECT_EQ(calc.display(), "2");
}

TEST_F(CalculatorTest, AngleModeReachesTheEvaluator) {
  calc.setAngle(Angle::Radians);
  press({Key::ArcCosine, Key::Digit0, Key::Execute});
  EXPECT_EQ(calc.display(), " 1.5707963267949");
}

TEST(KeyForCharacter, KeyboardMapping) {
  EXPECT_EQ(keyForCharacter(U'7'), Key::Digit7);
  EXPECT_EQ(keyForCharacter(U'.'), Key::Point);
  EXPECT_EQ(keyForCharacter(U','), Key::Point);  // "63,6" is 63.6, as the entries write it
  for (char32_t c : {U'e', U'E', U'd', U'D'}) EXPECT_EQ(keyForCharacter(c), Key::Exponent);
  EXPECT_EQ(keyForCharacter(U'('), Key::OpenParenthesis);
  EXPECT_EQ(keyForCharacter(U')'), Key::CloseParenthesis);
  EXPECT_EQ(keyForCharacter(U'*'), Key::Times);
  EXPECT_EQ(keyForCharacter(U'+'), Key::Plus);
  EXPECT_EQ(keyForCharacter(U'-'), Key::Minus);
  EXPECT_EQ(keyForCharacter(U'/'), Key::Divide);
  EXPECT_EQ(keyForCharacter(U'^'), Key::Power);
  EXPECT_EQ(keyForCharacter(U'\b'), Key::Backspace);
  EXPECT_EQ(keyForCharacter(U'\r'), Key::Execute);
  for (char32_t c : {U's', U'x', U' ', U'=', U'\t', U'µ', U'C'}) EXPECT_EQ(keyForCharacter(c), std::nullopt);
}

// Keys in the order a typed text gives them.
std::vector<Key> typedKeys(std::u32string_view text) {
  TypedKeys keys;
  std::vector<Key> out;
  for (char32_t c : text)
    if (const auto k = keys.take(c)) out.push_back(*k);
  return out;
}

TEST(TypedKeys, ALetterCBeforeOneToFiveIsThatColumnsKey) {
  EXPECT_EQ(typedKeys(U"C2*(C3+c1)/C3"),
            (std::vector<Key>{Key::Column2, Key::Times, Key::OpenParenthesis, Key::Column3, Key::Plus, Key::Column1,
                              Key::CloseParenthesis, Key::Divide, Key::Column3}));
  // Not a column: the letter is dropped and the digit stays a digit; a second C starts again.
  EXPECT_EQ(typedKeys(U"C6"), std::vector<Key>{Key::Digit6});
  EXPECT_EQ(typedKeys(U"C0"), std::vector<Key>{Key::Digit0});
  EXPECT_EQ(typedKeys(U"CC5"), std::vector<Key>{Key::Column5});
  EXPECT_EQ(typedKeys(U"C+1"), (std::vector<Key>{Key::Plus, Key::Digit1}));
  EXPECT_EQ(typedKeys(U"21"), (std::vector<Key>{Key::Digit2, Key::Digit1}));
}

}  // namespace
}  // namespace velmira::expr
