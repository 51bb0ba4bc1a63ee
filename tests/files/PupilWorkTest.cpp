// What a practical with unknowns keeps in extension blocks.
#include <gtest/gtest.h>

#include "files/PupilWork.h"

using namespace velmira;

TEST(PupilWork, ResultsGoThroughTheBlockAndReplaceThoseThere) {
  files::ExtensionItems items;
  ASSERT_TRUE(items.set("autre", "gardé"));
  const files::ExerciseResults two{{{"c1 (mol/L)", "c1"}, {"pente", "2,5E-3"}}, "3"};
  ASSERT_TRUE(files::writeResults(items, two));
  EXPECT_EQ(files::readResults(items), two);
  EXPECT_DOUBLE_EQ(files::tolerancePercent(two), 3);
  // Writing fewer drops the ones past them; other items stay.
  const files::ExerciseResults one{{{"x", "1"}}, ""};
  ASSERT_TRUE(files::writeResults(items, one));
  EXPECT_EQ(files::readResults(items), one);
  EXPECT_DOUBLE_EQ(files::tolerancePercent(one), 5);
  EXPECT_EQ(*items.find("autre"), "gardé");
  // A label with a tab could not be read back: refused, nothing changed.
  EXPECT_FALSE(files::writeResults(items, {{{"a\tb", "1"}}, ""}));
  EXPECT_EQ(files::readResults(items), one);
}

TEST(PupilWork, TypedNumbersTakeEitherSeparator) {
  EXPECT_DOUBLE_EQ(*files::readTypedNumber("1,5E-3"), 1.5e-3);
  EXPECT_DOUBLE_EQ(*files::readTypedNumber("0.25"), 0.25);
  EXPECT_FALSE(files::readTypedNumber(""));
  EXPECT_FALSE(files::readTypedNumber("c1"));
}

TEST(PupilWork, HiddenValuesAreScrambledAndADamagedOneIsSaid) {
  const std::string s = files::scramble("0,012 3");
  EXPECT_EQ(s.find("012"), std::string::npos);
  EXPECT_EQ(files::unscramble(s), "0,012 3");
  std::string damaged = s;
  damaged[2] = damaged[2] == 'A' ? 'B' : 'A';
  EXPECT_FALSE(files::unscramble(damaged));
  files::ExtensionItems items;
  ASSERT_TRUE(items.set("inconnue1", "oui"));
  ASSERT_TRUE(items.set("cache1", damaged));
  bool said = false;
  EXPECT_FALSE(files::hiddenValue(items, files::Hidden::Concentration1, &said));
  EXPECT_TRUE(said);
}
