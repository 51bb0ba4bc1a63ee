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
