// The Qt message boxes: icon, title, text, French buttons, and the answer
// of the button clicked.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <memory>

#include "platform/qt/QtMessageService.h"

namespace velmira::qtp {
namespace {

struct Seen {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
};

// Shows `m` through the service and clicks the button captioned `click`.
Answer showAndClick(const Message& m, const QString& click, Seen* seen) {
  QTimer::singleShot(0, [=] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    seen->title = box->windowTitle();
    seen->text = box->text();
    seen->icon = box->icon();
    for (QAbstractButton* b : box->buttons()) {
      seen->buttons << b->text();
      if (b->text() == click) b->click();
    }
  });
  QtMessageService service;
  return service.show(m);
}

TEST(MessageBox, OkCancelQuestionInFrench) {
  Seen seen;
  const Answer a = showAndClick(msg::questionOkCancel("Quitter vraiment cette application ?", "Fermer"),
                                QStringLiteral("Annuler"), &seen);
  EXPECT_EQ(a, Answer::Cancel);
  EXPECT_EQ(seen.title, "Fermer");
  EXPECT_EQ(seen.text, "Quitter vraiment cette application ?");
  EXPECT_EQ(seen.icon, QMessageBox::Question);
  EXPECT_TRUE(seen.buttons.contains("Annuler")) << seen.buttons.join('|').toStdString();
  EXPECT_TRUE(seen.buttons.contains("OK")) << seen.buttons.join('|').toStdString();
}

TEST(MessageBox, YesNoInFrenchAndTheAnswerOfTheButton) {
  Seen seen;
  EXPECT_EQ(showAndClick(msg::exclamationYesNo("Remplacer ?", "Enregistrer"), QStringLiteral("Non"), &seen),
            Answer::No);
  EXPECT_EQ(seen.icon, QMessageBox::Warning);
  EXPECT_TRUE(seen.buttons.contains("Oui")) << seen.buttons.join('|').toStdString();
  Seen again;
  EXPECT_EQ(showAndClick(msg::exclamationYesNo("Remplacer ?", "Enregistrer"), QStringLiteral("Oui"), &again),
            Answer::Yes);
}

TEST(MessageBox, InformationHasOneButton) {
  Seen seen;
  EXPECT_EQ(showAndClick(msg::information("La contenance du bécher est de 250 mL.", "Volume corrigé"),
                         QStringLiteral("OK"), &seen),
            Answer::Ok);
  EXPECT_EQ(seen.icon, QMessageBox::Information);
  EXPECT_EQ(seen.buttons, QStringList{"OK"});
}

TEST(MessageBox, ClosingWithEscapeNeverAnswersOk) {
  QTimer::singleShot(0, [] {
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  });
  QtMessageService service;
  EXPECT_EQ(service.show(msg::questionOkCancel("Attention: perte des modifications du texte.", "Abandon")),
            Answer::Cancel);
}

TEST(MessageBox, TextFieldMenusAreFrench) {
  QLineEdit field;
  std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
  QStringList texts;
  for (QAction* a : menu->actions()) texts << a->text().remove('&');
  EXPECT_TRUE(texts.contains("Coller")) << texts.join('|').toStdString();
  EXPECT_EQ(QLocale().language(), QLocale::French);
}

}  // namespace
}  // namespace velmira::qtp
