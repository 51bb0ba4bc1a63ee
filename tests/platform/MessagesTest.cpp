// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/core/Messages.h"

namespace velmira::msg {
namespace {

// A catalogue of two patterns, one that puts its arguments the other way round.
std::string twoPatterns(std::string_view context, std::string_view french) {
  if (context == kMessageContext && french == "Le fichier %1 est introuvable") return "File %1 not found";
  if (context == "ailleurs" && french == "%1 de %2") return "%2's %1";
  return std::string(french);
}

struct Hooked : ::testing::Test {
  void TearDown() override { setTextTranslator(nullptr); }
};

TEST_F(Hooked, APatternIsTranslatedThenFilledOnceWithItsArgumentsInTheTranslationsOrder) {
  // No hook (the command-line tool): the French, filled.
  EXPECT_EQ(shownFormat("Le fichier %1 est introuvable", {"/tmp/a.C07"}), "Le fichier /tmp/a.C07 est introuvable");
  EXPECT_EQ(shownText("ailleurs", "%1 de %2"), "%1 de %2");
  setTextTranslator(&twoPatterns);
  EXPECT_EQ(shownFormat("Le fichier %1 est introuvable", {"/tmp/a.C07"}), "File /tmp/a.C07 not found");
  EXPECT_EQ(shownFormat("ailleurs", "%1 de %2", {"couvercle", "bécher"}), "bécher's couvercle");
  // An argument's own % and a placeholder with no argument stay as they are.
  EXPECT_EQ(shownFormat("ailleurs", "%1 de %2", {"50 %2", "%1"}), "%1's 50 %2");
  EXPECT_EQ(shownFormat("Le fichier %1 est introuvable", {}), "File %1 not found");
  EXPECT_EQ(shown("Aucune traduction"), "Aucune traduction");
}

}  // namespace
}  // namespace velmira::msg
