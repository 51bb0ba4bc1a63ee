// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "files/WelcomeText.h"

using namespace velmira;

TEST(WelcomeText, EighteenPiecesWithTheTitleCentredLargeAndBlue) {
  ASSERT_EQ(files::welcomePieces().size(), 18u);
  const rtf::RichDocument doc = files::welcomeDocument();
  const rtf::Paragraph& title = doc.paragraphs.at(0);
  EXPECT_EQ(title.alignment, rtf::Alignment::Centre);
  EXPECT_EQ(title.leftIndent, 0);
  ASSERT_EQ(title.runs.size(), 1u);
  EXPECT_EQ(title.runs[0].text, "Velmira");
  EXPECT_EQ(title.runs[0].format.halfPoints, 36);
  EXPECT_EQ(title.runs[0].format.colour, (rtf::Colour{0, 0, 200}));
  // A line break, then "Ce " in plain black Arial 10, indented.
  EXPECT_TRUE(doc.paragraphs.at(1).runs.empty());
  const rtf::Paragraph& second = doc.paragraphs.at(2);
  EXPECT_EQ(second.runs.at(0).text, "Ce simulateur permet de déterminer ");
  EXPECT_EQ(second.runs.at(0).format, rtf::RunFormat{});
  EXPECT_GT(second.leftIndent, 0);
  EXPECT_EQ(second.runs.at(3).text, " 25 °C");
  EXPECT_TRUE(second.runs.at(3).format.bold);
  const std::string text = rtf::plainText(doc);
  EXPECT_EQ(text.rfind("Velmira\n\nCe simulateur", 0), 0u);
  EXPECT_NE(
      text.find("\nPour vous familiariser avec ce simulateur, choisissez d'abord l'activité Prise en main dans le "
                "menu Exercices.\n"),
      std::string::npos);
}
