// SPDX-License-Identifier: GPL-3.0-or-later
// What a practical with unknowns keeps in extension blocks.
#include <gtest/gtest.h>

#include "files/PupilWork.h"
#include "model/SoluteCatalogue.h"
#include "model/UnknownDraw.h"
#include "model/Workbench.h"

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

TEST(PupilWork, ADamagedHiddenValueReadsAsNoSoluteAndStaysConcealed) {
  model::Workbench wb, none;
  wb.startupDefaults();
  none.startupDefaults();
  none.setEntryText(model::Concentration1, "0");
  none.updateMeters();
  files::ExtensionItems items;
  ASSERT_TRUE(items.set("inconnue1", "oui"));
  ASSERT_TRUE(items.set("cache1", files::scramble("0,05")));
  ASSERT_TRUE(files::revealHidden(items, wb));
  EXPECT_TRUE(wb.concealed(model::Concentration1));
  EXPECT_FALSE(wb.concealed(model::Concentration2));
  const std::string withValue = wb.display(model::Meter::Ammeter, 1);
  EXPECT_NE(withValue, none.display(model::Meter::Ammeter, 1));
  ASSERT_TRUE(items.set("cache1", "0,05"));  // edited by hand: no longer scrambled
  EXPECT_FALSE(files::revealHidden(items, wb));
  EXPECT_EQ(wb.entryText(model::Concentration1), files::kHiddenText);
  EXPECT_TRUE(wb.concealed(model::Concentration1));
  for (int b = 1; b <= model::kBenches; ++b)
    for (auto m : {model::Meter::Conductimeter, model::Meter::Ammeter, model::Meter::Voltmeter})
      EXPECT_EQ(wb.display(m, b), none.display(m, b)) << b;
}

TEST(PupilWork, StartingAWorkDrawsTheRangesOnceAndKeepsTheNameAndResults) {
  files::ExtensionItems exercise;
  ASSERT_TRUE(exercise.set("inconnue1", "0,005..0,02"));
  ASSERT_TRUE(exercise.set("cache1", files::scramble("0,01")));  // the teacher's value
  ASSERT_TRUE(exercise.set("inconnue2", "oui"));
  ASSERT_TRUE(exercise.set("cache2", files::scramble("0,003")));
  files::WorkItems work;
  work.name = "Léa Martin";
  work.exercise = "dosage.E24";
  work.results = {{{"c1 (mol/L)", "c1"}}, "3"};
  work.given[0] = {"1,2E-2", "0,0004"};
  const auto a = files::startWork(exercise, work, 7), b = files::startWork(exercise, work, 7),
             c = files::startWork(exercise, work, 8);
  ASSERT_TRUE(a && b && c);
  EXPECT_EQ(*a, *b);
  const auto drawn = files::hiddenValue(*a, files::Hidden::Concentration1);
  ASSERT_TRUE(drawn);
  EXPECT_EQ(velmira::model::readDrawRange(*drawn + ".." + *drawn).problem, velmira::model::RangeProblem::None);
  EXPECT_NE(drawn, files::hiddenValue(*c, files::Hidden::Concentration1));
  // Only the range is drawn; once drawn it is never drawn again.
  EXPECT_EQ(files::hiddenValue(*a, files::Hidden::Concentration2), "0,003");
  EXPECT_EQ(*a->find("inconnue1"), "oui");
  const auto again = files::startWork(*a, work, 99);
  ASSERT_TRUE(again);
  EXPECT_EQ(files::hiddenValue(*again, files::Hidden::Concentration1), drawn);
  EXPECT_EQ(files::readWork(*a), work);
  EXPECT_FALSE(files::readWork(exercise));
  // A name on two lines could not be a cell of the class table.
  work.name = "a\nb";
  EXPECT_FALSE(files::startWork(exercise, work, 7));
}

TEST(PupilWork, GivenResultsAreNumbersAsTyped) {
  EXPECT_FALSE(files::givenProblem({"1,5E-3", "2e-5"}));
  EXPECT_FALSE(files::givenProblem({"", ""}));
  EXPECT_TRUE(files::givenProblem({"douze", ""}));
  EXPECT_TRUE(files::givenProblem({"1", "-0,1"}));
  EXPECT_TRUE(files::givenProblem({"", "0,1"}));
}

TEST(PupilWork, ThePupilsTextTakesTheWorksNameWithoutItsExtension) {
  EXPECT_EQ(files::workTextPath("copies/lea.C07"), "copies/lea.rtf");
  EXPECT_EQ(files::workTextPath("tp.v2/lea"), "tp.v2/lea.rtf");
  EXPECT_EQ(files::workTextPath("lea.martin.c07"), "lea.martin.rtf");
}

TEST(PupilWork, TheCorrectionStartsWithTheWorksOwnValuesAndTheResultsExpected) {
  files::ExtensionItems items;
  ASSERT_TRUE(items.set("inconnue2", "oui"));
  ASSERT_TRUE(items.set("cache2", files::scramble("0,003")));
  ASSERT_TRUE(items.set("inconnue_solute2", "oui"));
  ASSERT_TRUE(items.set("cache_solute2", files::scramble("17")));
  EXPECT_TRUE(files::correctionHeading(items).empty());  // no pupil's work
  files::WorkItems work;
  work.exercise = "dosage.E24";
  work.results = {{{"c2 (mol/L)", "c2"}, {"k", "1,5E-3"}}, "2,5"};
  ASSERT_TRUE(files::writeWork(items, work));
  EXPECT_EQ(files::correctionHeading(items),
            (std::vector<std::string>{"Valeurs cachées de ce travail :", "c2 = 0,003 mol/L",
                                      "soluté de la solution 2 : " + std::string(velmira::model::soluteName(17)),
                                      "Résultats attendus (à 2,5 % près) :", "c2 (mol/L) = 0,003", "k = 1,5E-3"}));
}
