// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "model/SoluteCatalogue.h"

using namespace velmira::model;

namespace {

std::string cationWord(Cation c) {
  switch (c) {
    case Cation::Aluminium:
      return "aluminium";
    case Cation::Hydronium:
      return "acide";
    case Cation::Potassium:
      return "potassium";
    case Cation::Magnesium:
      return "magnésium";
    case Cation::Sodium:
      return "sodium";
    case Cation::Ammonium:
      return "ammoni";
    case Cation::Silver:
      return "argent";
    case Cation::Barium:
      return "baryum";
  }
  return {};
}

// The stem both the salt's and the acid's names carry.
std::string anionStem(Anion a) {
  switch (a) {
    case Anion::Chloride:
      return "chlor";
    case Anion::Iodide:
      return "iod";
    case Anion::Nitrate:
      return "nitr";
    case Anion::Sulfate:
      return "sulf";
    case Anion::Hydroxide:
      return "hydroxyde";
    case Anion::Acetate:
      return "éthano";
    case Anion::None:
      return "";
  }
  return {};
}

}  // namespace

TEST(SoluteCatalogue, EachNameNamesItsOwnIons) {
  for (int k = 1; k <= kSoluteCount; ++k) {
    const std::string name(soluteName(k));
    const Solute* s = solute(k);
    EXPECT_NE(name.find(cationWord(s->cation)), std::string::npos) << k << " " << name;
    EXPECT_NE(name.find(anionStem(s->anion)), std::string::npos) << k << " " << name;
  }
  EXPECT_EQ(soluteName(9), "chlorure de potassium");
  EXPECT_TRUE(soluteName(0).empty());
  EXPECT_TRUE(soluteName(kSoluteCount + 1).empty());
}

TEST(SoluteCatalogue, NewSolutesFollowTheFirst21) {
  const std::pair<int, std::string_view> added[] = {{22, "acide éthanoïque"}, {23, "éthanoate de sodium"},
                                                    {24, "ammoniac"},         {25, "chlorure d'ammonium"},
                                                    {26, "nitrate d'argent"}, {27, "chlorure de baryum"}};
  for (auto [k, name] : added) {
    EXPECT_EQ(soluteName(k), name);
    EXPECT_TRUE(usesSpeciesModel(k)) << k;
  }
  // Of the first 21, only sulfuric acid leaves the law for the species model.
  for (int k = 1; k <= kClassicSoluteCount; ++k) EXPECT_EQ(usesSpeciesModel(k), k == 8) << k;
  EXPECT_EQ(soluteName(8), "acide sulfurique");
  EXPECT_FLOAT_EQ(solute(3)->a[0], 0.0400f);
}
