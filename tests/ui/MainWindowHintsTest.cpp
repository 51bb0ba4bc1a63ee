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
    return window->info()->hint();
  }
};

TEST_F(HintsTest, EachControlExplainsItself) {
  EXPECT_EQ(hintOver(window->onglets(), QPoint(100, 5)), "Cliquer sur un onglet pour l'afficher");
  EXPECT_EQ(hintOver(window->page(1), QPoint(200, 30)), "Définir la solution dans le premier bécher.");
  EXPECT_EQ(hintOver(window->ions1(0)), "Cliquer pour obtenir la liste");
  EXPECT_EQ(hintOver(window->option4(0)), "Vous pouvez modifier le calibre du voltmètre");
  EXPECT_EQ(hintOver(window->option5(1)), "Vous pouvez modifier le calibre de l'ampèremètre");
  EXPECT_EQ(hintOver(window->bouton1(0)), "Pour tourner, maintenir le bouton gauche de la souris enfoncé");
  // A display has no hint of its own: its page's.
  EXPECT_EQ(hintOver(window->afficheur(4)), "Définir la solution dans le premier bécher.");
  EXPECT_EQ(hintOver(window->frame1(), QPoint(300, 210)), "Vous pouvez modifier les paramètres de la cellule.");
  EXPECT_EQ(hintOver(window->frame1()->image1()), "Schéma de la cellule de conductivité");
  EXPECT_EQ(hintOver(window->frame1()->distance()), "Vous pouvez modifier les paramètres de la cellule.");
  EXPECT_EQ(hintOver(window.get(), QPoint(10, 580)).toStdString(),
            "Vous pouvez modifier les param\xC3\xA8tres,\r\nouvrir une configuration ou un exercice");
  clickTab(2);
  EXPECT_EQ(hintOver(window->page(2), QPoint(200, 30)), "Définir la solution dans le deuxième bécher.");
  clickTab(3);
  EXPECT_EQ(hintOver(window->page(3), QPoint(201, 31)), "Choisissez le volume de chaque solution dans le mélange.");
  clickOption(window->option3());
  EXPECT_EQ(hintOver(window->option6(12)), "Vous pouvez modifier le calibre du conductimètre");
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
    QToolButton* b = window->commandButton(e.c);
    EXPECT_EQ(b->text(), QString::fromUtf8(e.caption));
    EXPECT_EQ(b->toolTip(), QString::fromUtf8(e.tooltip));
    EXPECT_FALSE(b->icon().isNull());
    EXPECT_EQ(b->y(), 0);
    EXPECT_EQ(b->height(), 41);
    EXPECT_GT(b->x(), left);
    left = b->x();
    EXPECT_EQ(hintOver(b), QString::fromUtf8(e.hint));
  }
  EXPECT_EQ(window->commandButton(Command::Print)->x(), 296);
  EXPECT_EQ(window->commandButton(Command::Close)->x(), 704);
}

TEST_F(HintsTest, TheCopyButtonLeavesTheCopyMessageInPlace) {
  window->info()->setHint(window->messagepressepapier());
  EXPECT_EQ(hintOver(window->commandButton(Command::Copy)), window->messagepressepapier());
  EXPECT_EQ(hintOver(window->commandButton(Command::Print)), "Configurer l'imprimante et imprimer l'image");
  EXPECT_EQ(hintOver(window->commandButton(Command::Copy)),
            "Copier pour placer l'image dans le presse- papiers puis coller depuis Word, Paint...");
}

TEST_F(HintsTest, TheMainPlacesAreWhereTheLayoutPutsThem) {
  EXPECT_EQ(window->onglets()->geometry(), QRect(8, 56, 409, 489));
  EXPECT_EQ(window->frame1()->geometry(), QRect(424, 56, 361, 223));
  EXPECT_EQ(window->info()->geometry(), QRect(520, 288, 233, 33));
  EXPECT_EQ(window->frame10()->geometry(), QRect(424, 56, 358, 225));
  EXPECT_FALSE(window->frame10()->isVisible());
  EXPECT_EQ(window->fich()->pos(), QPoint(424, 328));
  EXPECT_EQ(window->supertext()->width(), 361);
}

}  // namespace
}  // namespace velmira::ui::testing
