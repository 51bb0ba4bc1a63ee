// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window's wiring: keys and keyboard to the calculator, the
// options, the column mode. With VELMIRA_SCREENSHOTS set to a folder the
// calculator is written there (screenshot-calculatrice.png).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "expr/Calculator.h"
#include "expr/Evaluator.h"
#include "expr/ui/CalculatorKeys.h"
#include "expr/ui/CalculatorWindow.h"
#include "platform/qt/Beep.h"
#include "table/Table.h"
#include "tests/support/RecordingMessages.h"

namespace velmira::expr::ui {
namespace {

using expr::Key;

QString text(const std::string& s) { return QString::fromStdString(s); }

void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

void show(QWidget& w) {
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

TEST(MachineWindow, EveryKeyIsPlacedNamedAndWiredToItsCalculatorKey) {
  for (const KeyInfo& info : calculatorKeys()) {
    double memory = 0, expectedMemory = 0;
    CalculatorWindow m(memory);
    QPushButton* b = m.key(info.key);
    ASSERT_NE(b, nullptr) << info.name;
    EXPECT_EQ(m.findChild<QPushButton*>(QString::fromUtf8(info.name)), b);
    EXPECT_EQ(b->text().remove(QLatin1Char('&')), QString::fromUtf8(info.caption).remove(QLatin1Char('&')));
    // A screen reader says what the key does, in words, not its symbol.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[\\w ]+$"), QRegularExpression::UseUnicodePropertiesOption)
                    .match(b->accessibleName())
                    .hasMatch())
        << info.name;
    if (info.row >= 0) {
      EXPECT_TRUE(m.rect().contains(b->geometry())) << info.name;
      for (const KeyInfo& other : calculatorKeys()) {
        if (other.key != info.key && other.row >= 0) {
          EXPECT_FALSE(b->geometry().intersects(m.key(other.key)->geometry())) << info.name << " " << other.name;
        }
      }
    }

    expr::Calculator expected(expectedMemory);
    for (Key k : {Key::Digit2, info.key}) {
      m.key(k)->click();
      expected.press(k);
    }
    EXPECT_EQ(m.displayField()->text(), text(expected.display())) << info.name;
    EXPECT_EQ(memory, expectedMemory) << info.name;
  }
}

TEST(MachineWindow, ClicksAndKeyboardDriveTheDisplay) {
  double memory = 0;
  CalculatorWindow m(memory);
  show(m);
  EXPECT_EQ(m.windowTitle(), QStringLiteral("Machine à calculer"));
  EXPECT_FALSE(m.columnKeyButton(0)->isVisible());
  EXPECT_TRUE(m.angle(0)->isChecked());        // Degrés
  EXPECT_TRUE(m.displayMode(1)->isChecked());  // Standard

  for (Key k : {Key::Digit2, Key::Sine, Key::Digit3, Key::Digit0, Key::Execute}) click(m.key(k));
  EXPECT_EQ(m.displayField()->text(), QStringLiteral(" 1"));
  click(m.key(Key::MemoryAdd));

  const QString out = qEnvironmentVariable("VELMIRA_SCREENSHOTS");
  const QImage shot = m.grab().toImage();
  EXPECT_EQ(shot.size(), m.size() * m.devicePixelRatioF());
  if (!out.isEmpty()) {
    EXPECT_TRUE(shot.save(QDir(out).filePath(QStringLiteral("screenshot-calculatrice.png"))));
  }

  // The display takes no typing of its own: letters are ignored, the
  // calculator's keys come through the handler, Enter is EXE.
  const int beeps = qtp::beepCount();
  QTest::keyClicks(m.displayField(), QStringLiteral("abc1/0"));
  EXPECT_EQ(m.displayField()->text(), QStringLiteral("1 / 0"));
  QTest::keyClick(m.displayField(), Qt::Key_Return);
  EXPECT_EQ(m.displayField()->text(), text(std::string(expr::kCalculImpossible)));
  EXPECT_EQ(qtp::beepCount(), beeps + 1);
  QTest::keyClick(m.displayField(), Qt::Key_Backspace);
  QTest::keyClick(m.displayField(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(m.displayField()->text(), QStringLiteral("1 / "));
  EXPECT_TRUE(m.displayField()->hasFocus());
  EXPECT_EQ(m.displayField()->cursorPosition(), m.displayField()->text().size());

  // Keys reached by Tab and Space hand the focus back to the display.
  m.displayField()->setFocus();
  QTest::keyClick(m.displayField(), Qt::Key_Tab);
  QWidget* focused = QApplication::focusWidget();
  ASSERT_NE(focused, m.displayField());
  QTest::keyClick(focused, Qt::Key_8);  // typed on a key: still the calculator's keyboard
  EXPECT_EQ(m.displayField()->text(), QStringLiteral("1 / 8"));

  QTest::keyClick(m.displayField(), Qt::Key_Escape);
  EXPECT_FALSE(m.isVisible());
  EXPECT_EQ(m.result(), QDialog::Rejected);
  EXPECT_EQ(memory, 1);  // the memory outlives the window
}

TEST(MachineWindow, OptionsSetTheAngleAndShowTheAnswerAgain) {
  double memory = 0;
  CalculatorWindow m(memory);
  show(m);
  QTest::keyClicks(m.displayField(), QStringLiteral("1/3\r"));
  EXPECT_EQ(m.displayField()->text(), QStringLiteral(" .333333333333333"));
  m.displayMode(0)->click();
  EXPECT_EQ(m.displayField()->text(), QStringLiteral("3.3333333E-01"));
  m.angle(1)->click();
  EXPECT_EQ(m.calculator().angle(), expr::Angle::Radians);
  EXPECT_TRUE(m.displayField()->hasFocus());
}

TEST(MachineWindow, ColumnModeStoresTheFormulaFillsTheColumnAndCloses) {
  table::Table table;
  table.setCell(1, 0, "2,00E+00");
  table.setCell(1, 1, "5,00E+00");
  test::RecordingMessages messages;
  double memory = 0;
  bool driven = false;
  QTimer guard;  // a window left open fails the test instead of hanging it
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] {
    if (QWidget* w = QApplication::activeModalWidget()) w->close();
  });
  guard.start(10000);
  QTimer::singleShot(0, [&] {
    auto* m = qobject_cast<CalculatorWindow*>(QApplication::activeModalWidget());
    ASSERT_NE(m, nullptr);
    driven = true;
    EXPECT_EQ(m->windowTitle(), QStringLiteral("Calculer: C3 ="));
    for (int k = 0; k < 5; ++k) EXPECT_TRUE(m->columnKeyButton(k)->isVisible());
    EXPECT_FALSE(m->columnKeyButton(2)->isEnabled());
    // Alt and a column's digit press its key before the next key is read.
    m->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m));
    QTest::keyClick(m->displayField(), Qt::Key_2, Qt::AltModifier);
    QTest::keyClick(m->displayField(), Qt::Key_Slash);
    EXPECT_EQ(m->calculator().expression(), "C2 / ");
    click(m->key(Key::Column1));
    click(m->key(Key::Execute));
  });
  CalculatorWindow::openColumn(nullptr, table, 2, false, memory, messages);
  ASSERT_TRUE(driven);
  EXPECT_EQ(table.formula(2), "C2 / C1");
  EXPECT_EQ(table.cell(1, 2), "2,50E+00");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, " 11 valeurs n'ont pas été calculées.");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

  // Recalculer starts from the stored formula.
  CalculatorWindow again(table, 2, true, memory, messages);
  EXPECT_EQ(again.displayField()->text(), QStringLiteral("C2 / C1"));
  EXPECT_EQ(again.calculator().expression(), "C2 / C1");

  // A formula a file could not hold is refused before it runs.
  const std::string tooLong = "C1+" + std::string(124, '1');
  table.setFormula(2, tooLong);
  CalculatorWindow refusing(table, 2, true, memory, messages);
  ASSERT_EQ(refusing.calculator().expression(), tooLong);
  click(refusing.key(Key::Execute));
  EXPECT_EQ(messages.shown.back().text, "Cette expression est trop longue : 126 caractères au plus.");
  EXPECT_EQ(table.cell(1, 2), "2,50E+00");
}

TEST(MachineWindow, ATypedFormulaIsTheFormulaComputed) {
  table::Table table;
  table.setCell(1, 0, "2,00E+00");
  table.setCell(1, 1, "5,00E+00");
  test::RecordingMessages messages;
  double memory = 0;
  CalculatorWindow m(table, 2, false, memory, messages);
  // The column being computed (C3) cannot be typed, any more than clicked.
  QTest::keyClicks(m.displayField(), QStringLiteral("C3"));
  EXPECT_EQ(m.calculator().expression(), "");
  // "C" then a column's number is that column; "," is the decimal point.
  QTest::keyClicks(m.displayField(), QStringLiteral("c2*(C1+C2)/C1/0,5"));
  click(m.key(Key::Execute));
  EXPECT_EQ(table.formula(2), "C2 * (C1 + C2) / C1 / 0.5");
  EXPECT_EQ(table.cell(1, 2), "3,50E+01");

  // Without a table the column keys are not there to be typed (nor is "2").
  CalculatorWindow plain(memory);
  QTest::keyClicks(plain.displayField(), QStringLiteral("7*C2+1"));
  EXPECT_EQ(plain.calculator().expression().find('2'), std::string::npos) << plain.calculator().expression();
}

}  // namespace
}  // namespace velmira::expr::ui
