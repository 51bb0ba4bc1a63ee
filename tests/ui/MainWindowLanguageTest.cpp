// SPDX-License-Identifier: GPL-3.0-or-later
// The English main window: no French text left, wherever a text sits.
#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>

#include "platform/qt/Translations.h"
#include "tests/ui/WindowFixture.h"

namespace velmira::ui::testing {
namespace {

// The catalogue's French texts that read otherwise in English, access keys
// left out.
QSet<QString> frenchOnlyTexts() {
  QSet<QString> texts;
  QFile file(QStringLiteral(VELMIRA_SOURCE_DIR "/translations/velmira_en.ts"));
  if (!file.open(QIODevice::ReadOnly)) return texts;
  QXmlStreamReader xml(&file);
  QString source;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QStringLiteral("source")) source = xml.readElementText().remove(QLatin1Char('&'));
    if (xml.name() == QStringLiteral("translation") && xml.readElementText().remove(QLatin1Char('&')) != source)
      texts.insert(source);
  }
  return texts;
}

class EnglishWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qtp::loadProgramCatalogue(english, QStringLiteral(VELMIRA_PROGRAM_FOLDER), qtp::UiLanguage::English));
    QCoreApplication::installTranslator(&english);
    WindowTest::SetUp();
  }
  void TearDown() override {
    WindowTest::TearDown();
    QCoreApplication::removeTranslator(&english);
  }
  QTranslator english;
};

// Every text a widget shows or says (caption, tooltip, name, description)
// on every tab of both montages: none is a French text of the catalogue, and
// none has a letter only French writes, composed texts included.
TEST_F(EnglishWindowTest, ShowsAndSaysNoFrenchText) {
  const QSet<QString> french = frenchOnlyTexts();
  ASSERT_GT(french.size(), 400);
  static const QRegularExpression frenchLetter(QStringLiteral("[éèêàâçùûôîœÉÈÀ]"));
  QStringList found;
  auto look = [&](const QWidget* w, const QString& text) {
    const QString bare = QString(text).remove(QLatin1Char('&'));
    if (!bare.trimmed().isEmpty() && (french.contains(bare) || bare.contains(frenchLetter)))
      found << w->objectName() + QStringLiteral(": ") + bare;
  };
  for (int m = 0; m < 2; ++m) {
    if (m == 1) clickOption(conductimeterMontageButton(*window));
    for (int t = 1; t <= 3; ++t) {
      clickTab(t);
      QApplication::processEvents();
      for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window.get())) continue;
        look(w, w->toolTip());
        look(w, w->accessibleName());
        look(w, w->accessibleDescription());
        if (const auto* l = qobject_cast<const QLabel*>(w)) look(w, l->text());
        if (const auto* b = qobject_cast<const QAbstractButton*>(w)) look(w, b->text());
      }
    }
  }
  found.removeDuplicates();
  EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
}  // namespace velmira::ui::testing
