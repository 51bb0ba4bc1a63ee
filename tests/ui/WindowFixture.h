// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window as the pupil sees it, in a temporary application folder,
// with its messages recorded.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <memory>

#include "table/ui/TableFrame.h"
#include "tests/support/RecordingMessages.h"
#include "ui/BenchPage.h"
#include "ui/DisplayLabel.h"
#include "ui/EntryField.h"
#include "ui/HintLine.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowControls.h"
#include "ui/TabStrip.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace velmira::ui::testing {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    window = std::make_unique<MainWindow>(messages, folder.path());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  void TearDown() override {
    if (window) {
      // Let the window go without its closing questions.
      window->hide();
      window.reset();
    }
  }

  // A click on tab i (1..3) on its caption.
  void clickTab(int i) {
    const auto& b = window->benches().tabStrip()->layout().tabEdges;
    QTest::mouseClick(window->benches().tabStrip(), Qt::LeftButton, {}, QPoint((b[i - 1] + b[i]) / 2, 8));
  }
  // A click in the middle of a radio button's indicator.
  static void clickOption(QRadioButton* o) { QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(6, o->height() / 2)); }

  // Replaces the text of entry i as a pupil does (select all, type), then
  // Enter.
  void typeEntry(int i, const QString& text, bool enter = true) {
    EntryField* e = entryField(*window, i);
    e->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, text);
    if (enter) QTest::keyClick(e, Qt::Key_Return);
  }
  QString display(int i) const { return meterDisplay(*window, i)->text(); }

  // The pixels that differ between two pictures of the same size.
  static QRect differingPixels(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size()) return QRect(QPoint(0, 0), x.size().expandedTo(y.size()));
    QRect r;
    for (int j = 0; j < x.height(); ++j)
      for (int i = 0; i < x.width(); ++i)
        if (x.pixel(i, j) != y.pixel(i, j)) r |= QRect(i, j, 1, 1);
    return r;
  }

  QImage pageImage(int bench) { return page(*window, bench)->grab().toImage(); }

  QTemporaryDir folder;
  velmira::test::RecordingMessages messages;
  std::unique_ptr<MainWindow> window;
};

}  // namespace velmira::ui::testing
