// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' language: the rule that chooses it, the English catalogue
// (complete, placeholders and access keys kept) and the core's seam.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <set>

#include "graph/GraphPlot.h"
#include "platform/core/Messages.h"
#include "platform/qt/Translations.h"

namespace velmira::qtp {
namespace {

TEST(Translations, EnglishOnlyWhenTheSystemsFirstLanguageIsEnglish) {
  EXPECT_EQ(chooseLanguage({"en-US", "fr-FR"}), UiLanguage::English);
  EXPECT_EQ(chooseLanguage({"en"}), UiLanguage::English);
  EXPECT_EQ(chooseLanguage({"EN_gb"}), UiLanguage::English);
  EXPECT_EQ(chooseLanguage({"fr-FR", "en-US"}), UiLanguage::French);
  EXPECT_EQ(chooseLanguage({"de-DE"}), UiLanguage::French);
  EXPECT_EQ(chooseLanguage({"eo"}), UiLanguage::French);  // a language starting with "e", not English
  EXPECT_EQ(chooseLanguage({}), UiLanguage::French);
}

// The placeholders %1.. of a text, sorted, and its number of access keys
// (a "&&" is a shown ampersand, not a key).
std::multiset<QString> placeholders(const QString& text) {
  std::multiset<QString> found;
  const QRegularExpression mark(QStringLiteral("%\\d+"));
  for (auto it = mark.globalMatch(text); it.hasNext();) found.insert(it.next().captured());
  return found;
}
int accessKeys(QString text) { return static_cast<int>(text.remove(QStringLiteral("&&")).count(QLatin1Char('&'))); }

TEST(Translations, EveryTextOfTheCatalogueHasItsEnglish) {
  QFile file(QStringLiteral(VELMIRA_SOURCE_DIR "/translations/velmira_en.ts"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  int texts = 0;
  QString context, source;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QStringLiteral("name")) {
      context = xml.readElementText();
    } else if (xml.name() == QStringLiteral("source")) {
      source = xml.readElementText();
    } else if (xml.name() == QStringLiteral("translation")) {
      const bool unfinished = xml.attributes().value(QStringLiteral("type")) == QStringLiteral("unfinished");
      const QString english = xml.readElementText();
      ++texts;
      const std::string where = context.toStdString() + ": " + source.toStdString();
      EXPECT_FALSE(unfinished) << where;
      EXPECT_FALSE(english.trimmed().isEmpty()) << where;
      EXPECT_EQ(placeholders(english), placeholders(source)) << where << " -> " << english.toStdString();
      EXPECT_EQ(accessKeys(english), accessKeys(source)) << where << " -> " << english.toStdString();
    }
  }
  ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_GT(texts, 100);
}

// The core's marked texts are shown in English with the English catalogue,
// as built (French) without it; a composed text from its English pattern.
TEST(Translations, TheCoresTextsAreTranslatedWhereTheyAreShown) {
  EXPECT_EQ(shownMessageText(kSaveCaption), QStringLiteral("Enregistrer"));
  QTranslator english;
  ASSERT_TRUE(loadProgramCatalogue(english, QStringLiteral(VELMIRA_PROGRAM_FOLDER), UiLanguage::English));
  EXPECT_FALSE(loadProgramCatalogue(english, QStringLiteral(VELMIRA_PROGRAM_FOLDER), UiLanguage::French));
  QCoreApplication::installTranslator(&english);
  EXPECT_EQ(shownMessageText(kSaveCaption), QStringLiteral("Save"));
  EXPECT_EQ(shownMessageText(msg::notConfiguration().title), QStringLiteral("Invalid file"));
  EXPECT_EQ(shownMessageText(graph::kNotPlottable), QStringLiteral("Choose valid quantities for the x and y axes"));
  EXPECT_EQ(msg::replaceReadOnlyQuestion("/tmp/a.csv").text, "The file “/tmp/a.csv” is read-only.\nReplace it anyway?");
  QCoreApplication::removeTranslator(&english);
  EXPECT_EQ(shownMessageText(kSaveCaption), QStringLiteral("Enregistrer"));
}

}  // namespace
}  // namespace velmira::qtp
