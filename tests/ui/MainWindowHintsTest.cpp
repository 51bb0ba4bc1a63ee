// SPDX-License-Identifier: GPL-3.0-or-later
// The hint line: the text each control shows when the pointer moves over
// it, and the command buttons' captions and tooltips.
#include <QPushButton>
#include <QRadioButton>

#include "tests/ui/WindowFixture.h"
#include "ui/CalibreFrame.h"
#include "ui/CellOptionsFrame.h"
#include "ui/FormulaBox.h"
#include "ui/KnobWidget.h"

namespace velmira::ui::testing {
namespace {

class HintsTest : public WindowTest {
 protected:
  QString hintOver(QWidget* w, QPoint at = QPoint(-1, -1)) {
    if (at.x() < 0) at = QPoint(w->width() / 2, w->height() / 2);
    QTest::mouseMove(w, at);
    return window->hintLine()->hint();
  }
};

TEST_F(HintsTest, EachControlExplainsItself) {
  EXPECT_EQ(hintOver(window->benches().tabStrip(), QPoint(100, 5)), "Cliquer sur un onglet pour l'afficher");
  EXPECT_EQ(hintOver(page(*window, 1), QPoint(200, 30)), "Définir la solution dans le premier bécher.");
  EXPECT_EQ(hintOver(formulaBox(*window, 0)), "Cliquer pour obtenir la liste");
  EXPECT_EQ(hintOver(voltmeterCalibreButton(*window, 0)), "Vous pouvez modifier le calibre du voltmètre");
  EXPECT_EQ(hintOver(ammeterCalibreButton(*window, 1)), "Vous pouvez modifier le calibre de l'ampèremètre");
  EXPECT_EQ(hintOver(knob(*window, 0)), "Pour tourner, maintenir le bouton gauche de la souris enfoncé");
  // A display has no hint of its own: its page's.
  EXPECT_EQ(hintOver(meterDisplay(*window, 4)), "Définir la solution dans le premier bécher.");
  EXPECT_EQ(hintOver(window->benches().cellOptions(), QPoint(300, 210)),
            "Vous pouvez modifier les paramètres de la cellule.");
  EXPECT_EQ(hintOver(window->benches().cellOptions()->cellPicture()), "Schéma de la cellule de conductivité");
  EXPECT_EQ(hintOver(window->benches().cellOptions()->distance()),
            "Vous pouvez modifier les paramètres de la cellule.");
  EXPECT_EQ(hintOver(window.get(), QPoint(10, 580)).toStdString(),
            "Vous pouvez modifier les param\xC3\xA8tres,\r\nouvrir une configuration ou un exercice");
  clickTab(2);
  EXPECT_EQ(hintOver(page(*window, 2), QPoint(200, 30)), "Définir la solution dans le deuxième bécher.");
  clickTab(3);
  EXPECT_EQ(hintOver(page(*window, 3), QPoint(201, 31)), "Choisissez le volume de chaque solution dans le mélange.");
  clickOption(conductimeterMontageButton(*window));
  EXPECT_EQ(hintOver(rangeButton(*window, 12)), "Vous pouvez modifier le calibre du conductimètre");
}

TEST_F(HintsTest, CommandButtonsCarryCaptionTooltipAndHint) {
  struct Expected {
    Command c;
    const char* caption;
    const char* tooltip;
    const char* hint;
  };
  const Expected all[] = {
      {Command::Open, "&Ouvrir", "Retrouver une configuration",
       "Pour retrouver une situation enregistrée et le tableau de valeurs"},
      {Command::Save, "&Enregistrer", "Enregistrer la configuration actuelle",
       "Enregistrer les paramètres en cours et le tableau de valeurs"},
      {Command::Copy, "Co&pier", "Placer l'image dans le presse-papiers",
       "Copier pour placer l'image dans le presse- papiers puis coller depuis Word, Paint..."},
      {Command::Print, "&Imprimer", "Imprimer l'image", "Configurer l'imprimante et imprimer l'image"},
      {Command::Table, "&Tableau", "Afficher / cacher le tableau", "Pour afficher ou cacher le tableau de valeurs"},
      {Command::Calculator, "&Calculatrice", "Machine à calculer", "Afficher la machine à calculer"},
      {Command::Help, "&Aide", "Aide pour utiliser cette application",
       "Si vous rencontrez une difficulté avec cette application"},
      {Command::Close, "&Fermer", "Quitter cette application",
       "Pour retrouver le module principal et quitter cette application"},
  };
  int left = -1;
  for (const Expected& e : all) {
    QToolButton* b = commandButton(*window, e.c);
    EXPECT_EQ(b->text(), QString::fromUtf8(e.caption));
    EXPECT_EQ(b->toolTip(), QString::fromUtf8(e.tooltip));
    EXPECT_FALSE(b->icon().isNull());
    EXPECT_EQ(b->y(), 0);
    EXPECT_EQ(b->height(), 41);
    EXPECT_GT(b->x(), left);
    left = b->x();
    EXPECT_EQ(hintOver(b), QString::fromUtf8(e.hint));
  }
  EXPECT_EQ(commandButton(*window, Command::Print)->x(), 296);
  EXPECT_EQ(commandButton(*window, Command::Close)->x(), 704);
}

TEST_F(HintsTest, TheCopyButtonLeavesTheCopyMessageInPlace) {
  window->hintLine()->setHint(window->clipboardHint());
  EXPECT_EQ(hintOver(commandButton(*window, Command::Copy)), window->clipboardHint());
  EXPECT_EQ(hintOver(commandButton(*window, Command::Print)), "Configurer l'imprimante et imprimer l'image");
  EXPECT_EQ(hintOver(commandButton(*window, Command::Copy)),
            "Copier pour placer l'image dans le presse- papiers puis coller depuis Word, Paint...");
}

TEST_F(HintsTest, TheMainPlacesAreWhereTheLayoutPutsThem) {
  EXPECT_EQ(window->benches().tabStrip()->geometry(), QRect(8, 56, 409, 489));
  EXPECT_EQ(window->benches().cellOptions()->geometry(), QRect(424, 56, 361, 223));
  EXPECT_EQ(window->hintLine()->geometry(), QRect(520, 288, 233, 33));
  EXPECT_EQ(window->tableFrame()->geometry(), QRect(424, 56, 358, 225));
  EXPECT_FALSE(window->tableFrame()->isVisible());
  EXPECT_EQ(fileNameField(*window)->pos(), QPoint(424, 328));
  EXPECT_EQ(textEditor(*window)->width(), 361);
}

}  // namespace
}  // namespace velmira::ui::testing
