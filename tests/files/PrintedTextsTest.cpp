// SPDX-License-Identifier: GPL-3.0-or-later
// The texts printed around the program's printouts.
#include <gtest/gtest.h>

#include "files/PrintedTexts.h"
#include "files/rtf/RichDocument.h"
#include "model/SoluteCatalogue.h"
#include "model/Workbench.h"

using namespace velmira;
using namespace velmira::files;

TEST(PrintedTexts, HeadingLineAndDocumentName) {
  EXPECT_EQ(headingLine("Kohlrausch", {2026, 12, 8}), "Kohlrausch — 08/12/2026");
  EXPECT_EQ(headingLine("  ", {2027, 1, 31}), "31/01/2027");
  EXPECT_EQ(headingLine("dosage", {2026, 12, 9}, " Léa Martin"), "dosage — Léa Martin — 09/12/2026");
  EXPECT_EQ(headingLine("", {2026, 12, 9}, "Léa"), "Léa — 09/12/2026");
  EXPECT_EQ(documentName("/home/eleve/Kohlrausch.C07"), "Kohlrausch");
  EXPECT_EQ(documentName("C:\\TP\\dosage.e24"), "dosage");
  EXPECT_EQ(documentName(".cache"), ".cache");
  EXPECT_EQ(documentName(""), "");
  EXPECT_EQ(documentName("/media/cl\xE9/r\xE9sultat.C07"), "résultat");  // Latin-1, shown as Windows-1252
}

TEST(PrintedTexts, BenchCaptionsSayWhatThePictureShows) {
  EXPECT_EQ(formulaText(*model::solute(9)), "K⁺ + Cl⁻");
  EXPECT_EQ(formulaText(*model::solute(8)), "2H₃O⁺ + SO₄²⁻");
  const char* added[] = {"CH₃COOH", "Na⁺ + CH₃COO⁻", "NH₃", "NH₄⁺ + Cl⁻", "Ag⁺ + NO₃⁻", "Ba²⁺ + 2Cl⁻"};
  for (int k = 22; k <= 27; ++k) EXPECT_EQ(formulaText(*model::solute(k)), added[k - 22]) << k;
  model::Workbench w;
  w.setSoluteTag(0, "9");
  w.setSoluteTag(1, "99");
  w.setEntryText(model::Concentration1, "0,01");
  w.setEntryText(model::Concentration2, " 0,5 ");
  w.setEntryText(model::Volume1, "10");
  w.setEntryText(model::Volume2, "20");
  EXPECT_EQ(benchCaption(w, 1), "Solution 1 : K⁺ + Cl⁻ à 0,01 mol/L");
  EXPECT_EQ(benchCaption(w, 2), "Solution 2 : 0,5 mol/L");  // not a catalogue solute
  EXPECT_EQ(benchCaption(w, 3), "Mélange : 10 mL de solution 1 et 20 mL de solution 2");
  // A hidden concentration or solute is printed as unknown.
  w.setConcealed(model::Concentration1, true);
  w.setSoluteTag(1, "9");
  w.setSoluteConcealed(true);
  EXPECT_EQ(benchCaption(w, 1), "Solution 1 : K⁺ + Cl⁻ à ? mol/L");
  EXPECT_EQ(benchCaption(w, 2), "Solution 2 : 0,5 mol/L");
}

TEST(PrintedTexts, BodySizeScaleAndTitleOfAPrintedText) {
  rtf::RunFormat body, heading;
  heading.halfPoints = 28;
  const rtf::RichDocument d{{{rtf::Alignment::Centre, 0, {{" \t", body}}},
                             {rtf::Alignment::Centre, 0, {{"  Loi de Kohlrausch ", heading}}},
                             {rtf::Alignment::Left, 0, {{"Un texte plus long que le titre.", body}}}}};
  EXPECT_EQ(bodyPoints(d), 10);
  EXPECT_EQ(bodyPoints(rtf::RichDocument{}), 10);
  EXPECT_DOUBLE_EQ(printScale(10), 1.15);  // 10 pt prints at 11,5 pt, 14 pt at 16,1 pt
  EXPECT_DOUBLE_EQ(printScale(11), 1);
  EXPECT_DOUBLE_EQ(printScale(16), 1);
  EXPECT_DOUBLE_EQ(printScale(2), 2);
  EXPECT_EQ(documentTitle(d, "enonce"), "Loi de Kohlrausch");
  EXPECT_EQ(documentTitle(rtf::RichDocument{}, "enonce"), "enonce");
  const std::string accents(100, 'a');
  const rtf::RichDocument long_{{{rtf::Alignment::Left, 0, {{"é" + accents, body}}}}};
  EXPECT_EQ(documentTitle(long_, ""), "é" + accents.substr(0, kMaxTitleLength - 1));
}
