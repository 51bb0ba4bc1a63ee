// SPDX-License-Identifier: GPL-3.0-or-later
// What the keyboard alone and a screen reader find in the main window: the
// selector groups, the names, roles and values of the controls.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "model/Tolerance.h"
#include "tests/ui/WindowFixture.h"
#include "ui/Accessibility.h"
#include "ui/KnobWidget.h"
#include "ui/SolutePickerWidget.h"
#include "widgets/Announcer.h"

namespace velmira::ui::testing {
namespace {

class AccessibilityTest : public WindowTest {
 protected:
  void SetUp() override {
    installAccessibility();
    WindowTest::SetUp();
  }
  static QAccessibleInterface* face(QObject* o) { return QAccessible::queryAccessibleInterface(o); }
};

TEST_F(AccessibilityTest, ASelectorGroupIsOneTabStopMovedByTheArrows) {
  QRadioButton* calibres[4];
  for (int j = 0; j < 4; ++j) calibres[j] = voltmeterCalibreButton(*window, j);
  int checked = -1, stops = 0;
  for (int j = 0; j < 4; ++j) {
    if (calibres[j]->isChecked()) checked = j;
    if (calibres[j]->focusPolicy() & Qt::TabFocus) ++stops;
  }
  ASSERT_GE(checked, 0);
  EXPECT_EQ(stops, 1);
  EXPECT_TRUE(calibres[checked]->focusPolicy() & Qt::TabFocus);
  const int next = (checked + 1) % 4;
  calibres[checked]->setFocus(Qt::TabFocusReason);
  QTest::keyClick(calibres[checked], Qt::Key_Down);
  EXPECT_TRUE(calibres[next]->isChecked());
  EXPECT_FALSE(calibres[checked]->isChecked());
  EXPECT_TRUE(calibres[next]->hasFocus());
  EXPECT_TRUE(calibres[next]->focusPolicy() & Qt::TabFocus);
  EXPECT_FALSE(calibres[checked]->focusPolicy() & Qt::TabFocus);
  QTest::keyClick(calibres[next], Qt::Key_Up);
  EXPECT_TRUE(calibres[checked]->isChecked());
}

TEST_F(AccessibilityTest, TheWindowIsAFrameAndNoInnerFrameIsOne) {
  EXPECT_EQ(face(window.get())->role(), QAccessible::Window);
  EXPECT_EQ(face(window->benches().cellOptions())->role(), QAccessible::Grouping);
}

TEST_F(AccessibilityTest, SelectorsAreRadioButtonsAndKnobsDialsWithTheirValues) {
  QAccessibleInterface* range = face(rangeButton(*window, 0));
  EXPECT_EQ(range->role(), QAccessible::RadioButton);
  EXPECT_EQ(range->text(QAccessible::Name), "Conductimètre, Conductance en S, solution 1");
  EXPECT_EQ(range->state().checked, rangeButton(*window, 0)->isChecked());
  EXPECT_EQ(face(generatorMontageButton(*window))->role(), QAccessible::RadioButton);

  KnobWidget* knob = testing::knob(*window, 0);
  QAccessibleInterface* dial = face(knob);
  EXPECT_EQ(dial->role(), QAccessible::Dial);
  QAccessibleValueInterface* value = dial->valueInterface();
  ASSERT_NE(value, nullptr);
  EXPECT_DOUBLE_EQ(value->minimumValue().toDouble(), 0);
  EXPECT_DOUBLE_EQ(value->maximumValue().toDouble(), 1);  // volts
  EXPECT_GT(value->minimumStepSize().toDouble(), 0);
  const double before = value->currentValue().toDouble();
  knob->setFocus();
  QTest::keyClick(knob, Qt::Key_Right);
  QTest::keyClick(knob, Qt::Key_Right);
  EXPECT_NE(value->currentValue().toDouble(), before);
  EXPECT_EQ(face(testing::knob(*window, 1))->text(QAccessible::Name), "Fréquence du générateur, solution 1");
}

TEST_F(AccessibilityTest, TheBenchStripIsATabListOfThreePages) {
  QAccessibleInterface* strip = face(window->benches().tabStrip());
  EXPECT_EQ(strip->role(), QAccessible::PageTabList);
  const char* names[3] = {"Solution 1", "Solution 2", "Mélange"};
  for (int i = 0; i < 3; ++i) {
    QAccessibleInterface* tab = strip->child(i);
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->role(), QAccessible::PageTab);
    EXPECT_EQ(tab->text(QAccessible::Name), QString::fromUtf8(names[i]));
    EXPECT_EQ(tab->state().selected, i == 0);
    EXPECT_EQ(strip->indexOfChild(tab), i);
  }
  strip->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(window->benches().tabStrip()->currentTab(), 3);
  EXPECT_TRUE(strip->child(2)->state().selected);
  // The pages follow the tabs, each its parent's child.
  QAccessibleInterface* page = face(testing::page(*window, 3));
  EXPECT_EQ(page->parent()->object(), window->benches().tabStrip());
  EXPECT_GE(strip->indexOfChild(page), 3);
}

TEST_F(AccessibilityTest, DisplaysAreNamedWithInstrumentBenchAndReading) {
  window->tableFrame();
  typeEntry(0, QStringLiteral("0.01"));
  DisplayLabel* d = meterDisplay(*window, model::Meter::Conductimeter, 1);
  ASSERT_FALSE(d->text().simplified().isEmpty());
  EXPECT_EQ(d->accessibleName(),
            QStringLiteral("Conductimètre, solution 1 : ") + d->text().simplified() + QStringLiteral(" mS/m"));
  const QString first = d->accessibleName();
  // Its uncertainty follows the reading shown, as tooltip and description.
  const QString u = d->toolTip();
  EXPECT_EQ(u.toStdString(), model::readingUncertaintyText(model::Meter::Conductimeter, d->text().toStdString()));
  EXPECT_EQ(d->accessibleDescription(), u);
  typeEntry(0, QStringLiteral("0.02"));
  EXPECT_NE(d->accessibleName(), first);
  EXPECT_NE(d->toolTip(), u);
  EXPECT_TRUE(generatorScreen(*window, 0)->accessibleName().startsWith(QStringLiteral("Générateur, solution 1")));
}

TEST_F(AccessibilityTest, TheSoluteListNamesEverySolute) {
  QAccessibleInterface* list = face(window->benches().solutePicker());
  EXPECT_EQ(list->role(), QAccessible::List);
  EXPECT_EQ(list->child(8)->text(QAccessible::Name), "chlorure de potassium");
  EXPECT_EQ(list->child(20)->role(), QAccessible::ListItem);
  // The rows after the box are items too, off the box until scrolled to.
  QAccessibleInterface* last = list->child(model::kSoluteCount - 1);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->text(QAccessible::Name).toStdString(), model::soluteName(model::kSoluteCount));
  QTest::mouseClick(formulaBox(*window, 0), Qt::LeftButton, {}, QPoint(20, 10));
  EXPECT_TRUE(last->state().offscreen);
  QTest::keyClick(window->benches().solutePicker(), Qt::Key_End);
  EXPECT_FALSE(last->state().offscreen);
  EXPECT_TRUE(last->state().focused);
  EXPECT_TRUE(list->child(0)->state().offscreen);
  EXPECT_EQ(last->rect().bottom(), list->rect().bottom());
  QTest::keyClick(window->benches().solutePicker(), Qt::Key_Escape);
  EXPECT_EQ(face(soluteListButton(*window, 0))->text(QAccessible::Name), "Choisir le soluté de la solution 1");
  // The box says the solute chosen by its name.
  QTest::mouseClick(formulaBox(*window, 0), Qt::LeftButton, {}, QPoint(20, 10));
  QTest::keyClick(window->benches().solutePicker(), Qt::Key_End);
  QTest::keyClick(window->benches().solutePicker(), Qt::Key_Return);
  EXPECT_EQ(formulaBox(*window, 0)->accessibleName().toStdString(),
            "Soluté de la solution 1 : " + std::string(model::soluteName(model::kSoluteCount)));
}

// Every control shown, walked from the window as a screen reader does, has
// a name.
void expectNamed(QAccessibleInterface* i, QStringList& unnamed) {
  if (!i || i->state().invisible) return;
  static const QList<QAccessible::Role> controls = {
      QAccessible::Button,   QAccessible::RadioButton, QAccessible::CheckBox,    QAccessible::EditableText,
      QAccessible::Dial,     QAccessible::Slider,      QAccessible::PageTab,     QAccessible::ListItem,
      QAccessible::ComboBox, QAccessible::List,        QAccessible::PageTabList, QAccessible::Table,
      QAccessible::Tree};
  if (controls.contains(i->role()) && i->text(QAccessible::Name).trimmed().isEmpty())
    unnamed << (i->object() ? i->object()->objectName() + QLatin1Char(' ') + i->object()->metaObject()->className()
                            : QStringLiteral("item"));
  for (int c = 0; c < i->childCount(); ++c) expectNamed(i->child(c), unnamed);
}

TEST_F(AccessibilityTest, NoShownControlIsWithoutAName) {
  for (int bench = 1; bench <= 3; ++bench) {
    clickTab(bench);
    QStringList unnamed;
    expectNamed(face(window.get()), unnamed);
    EXPECT_TRUE(unnamed.isEmpty()) << bench << ": " << unnamed.join(QStringLiteral(", ")).toStdString();
  }
  QTest::mouseClick(commandButton(*window, Command::Table), Qt::LeftButton);
  QStringList unnamed;
  expectNamed(face(window.get()), unnamed);
  EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QStringLiteral(", ")).toStdString();
}

// The secondary windows: each titled by its job, every control named, the
// lists of places by their caption rather than their value.
TEST_F(AccessibilityTest, TheFileWindowsAreTitledByTheirJobWithEveryControlNamed) {
  const auto walked = [&](const std::function<void()>& command) {
    QStringList seen;
    QTimer::singleShot(0, [&seen] {
      QWidget* w = QApplication::activeModalWidget();
      if (!w) return;
      QStringList unnamed;
      expectNamed(face(w), unnamed);
      auto* places = w->findChild<QComboBox*>(QStringLiteral("places"));
      // The places are read with the label they are labelled by.
      const auto labels = places ? face(places)->relations(QAccessible::Label)
                                 : QList<QPair<QAccessibleInterface*, QAccessible::Relation>>{};
      // Its value is its text, as a reader reads what a list displays.
      QAccessibleTextInterface* text = places ? face(places)->textInterface() : nullptr;
      seen << w->windowTitle() << unnamed.join(QStringLiteral(", "))
           << (places ? places->accessibleName() : QStringLiteral("no places"))
           << (labels.isEmpty() ? QStringLiteral("no label") : labels.first().first->text(QAccessible::Name))
           << (text && text->text(0, text->characterCount()) == places->currentText() &&
                       !places->currentText().isEmpty()
                   ? QStringLiteral("value")
                   : QStringLiteral("no value"));
      qobject_cast<QDialog*>(w)->reject();
    });
    command();
    return seen;
  };
  EXPECT_EQ(walked([&] { QTest::mouseClick(commandButton(*window, Command::Save), Qt::LeftButton); }),
            QStringList({"Enregistrer les paramètres", "", "Emplacement", "Emplacement\u00A0:", "value"}));
  EXPECT_EQ(walked([&] { QTest::mouseClick(commandButton(*window, Command::Open), Qt::LeftButton); }),
            QStringList({"Ouvrir une configuration", "", "Emplacement", "Emplacement\u00A0:", "value"}));
  EXPECT_EQ(walked([&] { exerciseMenu(*window)->openExerciseWindow(); }),
            QStringList({"Ouvrir un exercice — Velmira", "", "Emplacement", "Emplacement\u00A0:", "value"}));
}

// A list's value is its text, and a value chosen with the arrows is said.
TEST_F(AccessibilityTest, AListIsReadWithItsValueAndAChosenValueIsSaid) {
  QWidget box;
  auto* list = new QComboBox(&box);
  list->addItems({"C1", "C2"});
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  box.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
  list->setFocus();
  QAccessibleTextInterface* text = face(list)->textInterface();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->text(0, text->characterCount()), "C1");
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(text->text(0, text->characterCount()), "C2");
  auto* said = box.findChild<widgets::Announcer*>();
  ASSERT_NE(said, nullptr);
  EXPECT_EQ(said->accessibleName(), "C2");
  EXPECT_EQ(face(said)->role(), QAccessible::Notification);
}

}  // namespace
}  // namespace velmira::ui::testing
