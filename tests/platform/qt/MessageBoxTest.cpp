// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt message boxes: icon, title, text, French buttons, and the answer
// of the button clicked.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "platform/qt/MessageBoxBuilder.h"
#include "platform/qt/QtMessageService.h"

namespace velmira::qtp {
namespace {

struct Seen {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
  QString defaultButton;
};

// The message box on screen, if any.
QMessageBox* shownBox() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
  return nullptr;
}

// Runs `act` on the message box as soon as it is shown (given up after 5 s).
void whenShown(std::function<void(QMessageBox*)> act) {
  auto* timer = new QTimer;
  auto* tries = new int(0);
  QObject::connect(timer, &QTimer::timeout, [=] {
    if (QMessageBox* box = shownBox()) {
      timer->stop();
      act(box);
    } else if (++*tries > 500) {
      timer->stop();
    } else {
      return;
    }
    timer->deleteLater();
    delete tries;
  });
  timer->start(10);
}

// Shows `m` through the service and clicks the button captioned `click`.
Answer showAndClick(const Message& m, const QString& click, Seen* seen) {
  whenShown([=](QMessageBox* box) {
    seen->title = box->windowTitle();
    seen->text = box->text();
    seen->icon = box->icon();
    QAbstractButton* target = nullptr;
    for (QAbstractButton* b : box->buttons()) {
      const QString caption = QString(b->text()).remove('&');  // access keys aside
      seen->buttons << caption;
      if (caption == click) target = b;
    }
    if (target) {
      target->click();
    } else {
      box->close();
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

TEST(MessageBox, AShortTextStillLeavesRoomForTheWholeTitle) {
  int width = 0, titleWidth = 0;
  whenShown([&](QMessageBox* box) {
    width = box->width();
    QFont bold = box->font();
    bold.setBold(true);
    titleWidth = QFontMetrics(bold).horizontalAdvance(box->windowTitle());
    box->close();
  });
  QtMessageService service;
  service.show(msg::information("C3 = C1", "Expression de Conductance de la solution (mS)"));
  EXPECT_GT(titleWidth, 0);
  EXPECT_GE(width, titleWidth + 100);
}

TEST(MessageBox, ClosingWithEscapeNeverAnswersOk) {
  whenShown([](QMessageBox* box) { box->close(); });
  QtMessageService service;
  EXPECT_EQ(service.show(msg::questionOkCancel("Attention\u00A0: perte des modifications du texte.", "Abandon")),
            Answer::Cancel);
}

TEST(MessageBox, TextFieldMenusAreFrench) {
  QLineEdit field;
  std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
  QStringList texts;
  for (QAction* a : menu->actions()) texts << a->text().remove('&').section('\t', 0, 0);
  EXPECT_TRUE(texts.contains("Coller")) << texts.join('|').toStdString();
  EXPECT_EQ(QLocale().language(), QLocale::French);
}

TEST(MessageBox, TheUnsavedWorkQuestionHasItsThreeAnswers) {
  const Message q = msg::saveDiscardCancel("Le travail n'est pas enregistré.", "Travail non enregistré");
  const std::pair<const char*, Answer> cases[] = {
      {"Enregistrer", Answer::Save}, {"Ne pas enregistrer", Answer::Discard}, {"Annuler", Answer::Cancel}};
  for (const auto& [caption, answer] : cases) {
    Seen seen;
    EXPECT_EQ(showAndClick(q, QString::fromUtf8(caption), &seen), answer) << caption;
    EXPECT_EQ(seen.buttons.size(), 3);
    EXPECT_TRUE(seen.buttons.contains(QString::fromUtf8(caption)));
  }
  // Escape never saves nor drops the work.
  Seen seen;
  EXPECT_EQ(showAndClick(q, QString(), &seen), Answer::Cancel);
}

// Shows the choice through the service, picks `row` of its list (none: the
// first stays) and clicks the button captioned `click` (none: Escape).
std::optional<std::size_t> chooseAndClick(const ChoiceQuestion& q, int row, const QString& click, Seen* seen) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [=] {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!box) return;
    timer->stop();
    timer->deleteLater();
    seen->title = box->windowTitle();
    seen->text = box->findChild<QLabel*>()->text();
    auto* list = box->findChild<QListWidget*>();
    for (int i = 0; i < list->count(); ++i) seen->buttons << list->item(i)->text();
    if (row >= 0) list->setCurrentRow(row);
    for (QPushButton* b : box->findChildren<QPushButton*>())
      if (b->isDefault()) seen->defaultButton = b->text();
    for (QPushButton* b : box->findChildren<QPushButton*>())
      if (b->text() == click) {
        b->click();
        return;
      }
    box->reject();
  });
  timer->start(10);
  QtMessageService service;
  return service.choose(q);
}

TEST(MessageBox, AChoiceGivesTheLineChosenOrNoneAndTakesByDefault) {
  const ChoiceQuestion q{"Des travaux non enregistrés ont été retrouvés :",
                         "Reprendre un travail",
                         {"tp1.C07 (09/12/2026 à 12:35)", "Travail sans nom (09/12/2026 à 00:40)"},
                         kResumeCaption,
                         "Ne rien reprendre"};
  Seen seen;
  EXPECT_EQ(chooseAndClick(q, 1, QStringLiteral("Reprendre"), &seen), std::optional<std::size_t>(1));
  // Enter resumes: the take button is the default one, Escape takes none.
  EXPECT_EQ(seen.defaultButton, "Reprendre");
  EXPECT_EQ(seen.title, "Reprendre un travail");
  EXPECT_EQ(seen.text, "Des travaux non enregistrés ont été retrouvés :");
  EXPECT_EQ(seen.buttons, (QStringList{"tp1.C07 (09/12/2026 à 12:35)", "Travail sans nom (09/12/2026 à 00:40)"}));
  EXPECT_EQ(chooseAndClick(q, -1, QStringLiteral("Reprendre"), &seen), std::optional<std::size_t>(0));
  EXPECT_EQ(chooseAndClick(q, 1, QStringLiteral("Ne rien reprendre"), &seen), std::nullopt);
  EXPECT_EQ(chooseAndClick(q, 1, QString(), &seen), std::nullopt);  // Escape
}

}  // namespace
}  // namespace velmira::qtp
