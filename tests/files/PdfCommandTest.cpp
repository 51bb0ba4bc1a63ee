// SPDX-License-Identifier: GPL-3.0-or-later
// `velmira --pdf`: the kinds by extension, the arguments and the texts.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "TempDir.h"
#include "files/PdfCommand.h"

using namespace velmira::files;
namespace fs = std::filesystem;

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

TEST(PdfCommand, TheOutputIsANewPdfOrAnExistingOneNeverTheInput) {
  velmira::test::TempDir dir;
  const std::string config = dir.file("tp.C07"), statement = dir.file("enonce.rtf"), old = dir.file("ancien.PDF");
  std::ofstream(config) << "VELMIRADATA";
  std::ofstream(statement) << "{\\rtf1 x}";
  std::ofstream(old) << "%PDF-1.4 ...";
  fs::create_symlink(config, dir.file("lien.pdf"));
  fs::create_symlink(old, dir.file("vers-ancien.pdf"));
  fs::create_symlink(dir.file("nulle-part.pdf"), dir.file("pendant.pdf"));
  fs::create_directory(dir.file("dossier.pdf"));
  std::ofstream(dir.file("texte.pdf")) << "pas un PDF";

  EXPECT_TRUE(pdfOutputAllowed(dir.file("nouveau.pdf"), config));
  EXPECT_TRUE(pdfOutputAllowed(old, config));
  EXPECT_TRUE(pdfOutputAllowed(dir.file("vers-ancien.pdf"), config));
  EXPECT_FALSE(pdfOutputAllowed(config, statement));     // swapped arguments
  EXPECT_FALSE(pdfOutputAllowed(statement, statement));  // the input itself
  EXPECT_FALSE(pdfOutputAllowed(dir.file("nouveau.txt"), config));
  EXPECT_FALSE(pdfOutputAllowed(dir.file("lien.pdf"), config));      // the input under another name
  EXPECT_FALSE(pdfOutputAllowed(old, dir.file("vers-ancien.pdf")));  // likewise, the other way
  EXPECT_FALSE(pdfOutputAllowed(dir.file("texte.pdf"), config));     // not a PDF
  EXPECT_FALSE(pdfOutputAllowed(dir.file("pendant.pdf"), config));   // a link leading nowhere
  EXPECT_FALSE(pdfOutputAllowed(dir.file("dossier.pdf"), config));
  EXPECT_EQ(pdfOutputRefused("tp.C07"),
            "velmira --pdf : la sortie doit être un nouveau fichier .pdf ou un PDF existant : « tp.C07 »");
}

TEST(PdfCommand, AnInputThatIsNoFileSaysWhatItIs) {
  velmira::test::TempDir dir;
  std::ofstream(dir.file("tp.C07")) << "VELMIRADATA";
  ASSERT_EQ(::mkfifo(dir.file("tube.C07").c_str(), 0600), 0);
  fs::create_directory(dir.file("dossier.C07"));
  fs::create_symlink(dir.file("b.C07"), dir.file("a.C07"));
  fs::create_symlink(dir.file("a.C07"), dir.file("b.C07"));
  EXPECT_FALSE(pdfInputFault(dir.file("tp.C07")));
  EXPECT_EQ(pdfInputFault(dir.file("absent.C07")), "fichier introuvable");
  EXPECT_EQ(pdfInputFault(dir.file("tube.C07")), "c'est un tube");
  EXPECT_EQ(pdfInputFault(dir.file("dossier.C07")), "c'est un dossier");
  EXPECT_EQ(pdfInputFault("/dev/null"), "c'est un périphérique");
  EXPECT_EQ(pdfInputFault(dir.file("a.C07")), "trop de liens symboliques");
}
