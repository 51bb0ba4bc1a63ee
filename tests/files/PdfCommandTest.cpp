// `velmira --pdf`: the kinds by extension, the arguments and the texts.
#include <gtest/gtest.h>

#include "files/PdfCommand.h"

using namespace velmira::files;

TEST(PdfCommand, KindByExtensionInAnyCaseAndExactlyThreeArguments) {
  EXPECT_EQ(printedKind("a/enonce.RTF"), PrintedKind::Text);
  EXPECT_EQ(printedKind("exo.e24"), PrintedKind::Exercise);
  EXPECT_EQ(printedKind("VELMIRA.PEM"), PrintedKind::Exercise);
  EXPECT_EQ(printedKind("Kohlrausch.c07"), PrintedKind::Configuration);
  EXPECT_FALSE(printedKind("notes.txt"));
  EXPECT_FALSE(printedKind("c07"));

  const auto ok = pdfRequest({"--pdf", "out.pdf", "K.C07"});
  ASSERT_TRUE(ok);
  EXPECT_EQ(ok->output, "out.pdf");
  EXPECT_EQ(ok->input, "K.C07");
  EXPECT_EQ(ok->kind, PrintedKind::Configuration);
  EXPECT_FALSE(pdfRequest({"--pdf", "out.pdf"}));
  EXPECT_FALSE(pdfRequest({"--pdf", "out.pdf", "K.C07", "x"}));
  EXPECT_FALSE(pdfRequest({"--pdf", "", "K.C07"}));
  EXPECT_FALSE(pdfRequest({"--pdf", "out.pdf", "notes.txt"}));

  EXPECT_EQ(pdfReadFailure("K.C07", "fichier introuvable"),
            "velmira : lecture impossible de « K.C07 » : fichier introuvable");
  EXPECT_EQ(pdfWriteFailure("o.pdf", "accès refusé"), "velmira : écriture impossible de « o.pdf » : accès refusé");
  EXPECT_EQ(pdfUsage().rfind("usage : velmira --pdf SORTIE.pdf FICHIER\n", 0), 0u);
}
