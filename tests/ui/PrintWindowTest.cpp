// The print window: the pictures checked, stacked down the pages of a PDF
// (read back with pdftoppm when installed), a page per copy; its checks.
// With VELMIRA_SCREENSHOTS set to a folder the first page is written there
// (impression-page1.png).
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "platform/qt/Printing.h"
#include "tests/support/PdfPages.h"
#include "tests/ui/WindowFixture.h"
#include "ui/PrintWindow.h"

namespace velmira::ui::testing {
namespace {

class PrintWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    pdf = dir.filePath(QStringLiteral("bancs.pdf"));
    printer = qtp::pdfPrinter(pdf);
    confimp = std::make_unique<PrintWindow>(*window, messages, *printer, window.get());
  }
  void TearDown() override {
    confimp.reset();
    WindowTest::TearDown();
  }
  // Runs of rows holding anything but white, as boxes.
  static std::vector<QRect> pictures(const QImage& page) {
    return test::inkRuns(page, [](QRgb c) { return c != qRgb(255, 255, 255); });
  }

  QTemporaryDir dir;
  QString pdf;
  std::unique_ptr<QPrinter> printer;
  std::unique_ptr<PrintWindow> confimp;
};

TEST_F(PrintWindowTest, TwoCopiesOfTheThreePicturesGiveTwoPagesOfThree) {
  if (test::pdftoppm().isEmpty()) GTEST_SKIP() << "pdftoppm is not installed";
  for (int i = 0; i < 3; ++i) confimp->chec(i)->setChecked(true);
  confimp->upDown1()->setValue(2);
  QTest::mouseClick(confimp->command1(), Qt::LeftButton);
  EXPECT_EQ(confimp->result(), QDialog::Accepted);
  EXPECT_TRUE(messages.shown.empty());

  constexpr int dpi = 48;
  const std::vector<QImage> pages = test::pdfPages(pdf, dpi, dir.path());
  ASSERT_EQ(pages.size(), 2u);
  const QRectF area = printer->pageLayout().paintRect(QPageLayout::Inch);
  const double gap = area.height() / 20 * dpi, perPixel = dpi / 96.0;
  const QSizeF picture = QSizeF(window->page(1)->width() - 19, 301) * perPixel;
  for (const QImage& page : pages) {
    const auto found = pictures(page);
    ASSERT_EQ(found.size(), 3u);
    double top = area.top() * dpi;
    for (const QRect& p : found) {
      EXPECT_NEAR(p.top(), top + gap, 2);
      EXPECT_NEAR(p.width(), picture.width(), 2);
      EXPECT_NEAR(p.height(), picture.height(), 2);
      EXPECT_NEAR(p.center().x() + 0.5, area.center().x() * dpi, 2);
      top = p.bottom() + 1;
    }
  }
  const QString out = qEnvironmentVariable("VELMIRA_SCREENSHOTS");
  if (!out.isEmpty()) {
    ASSERT_EQ(QProcess::execute(test::pdftoppm(), {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                                           QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("1"),
                                           pdf, QDir(out).filePath(QStringLiteral("impression-page1"))}),
              0);
  }
}

TEST_F(PrintWindowTest, OkSaysWhyNothingIsPrintedAndCopiesStayWithinOneToForty) {
  EXPECT_EQ(confimp->windowTitle(), "Imprimer");
  EXPECT_EQ(confimp->defaut()->text(), pdf);
  QTest::mouseClick(confimp->command1(), Qt::LeftButton);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Il faut choisir au moins une illustration à imprimer");
  EXPECT_EQ(messages.shown[0].title, "Erreur sélection");
  EXPECT_EQ(messages.shown[0].icon, Icon::Critical);
  EXPECT_EQ(confimp->result(), 0);
  EXPECT_FALSE(QFileInfo::exists(pdf));

  // A printer that cannot print is reported; the window stays as it was.
  auto unwritable = qtp::pdfPrinter(dir.filePath(QStringLiteral("absent/bancs.pdf")));
  PrintWindow w(*window, messages, *unwritable, window.get());
  w.chec(2)->setChecked(true);
  QTest::mouseClick(w.command1(), Qt::LeftButton);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].icon, Icon::Critical);
  EXPECT_EQ(w.result(), 0);
  EXPECT_TRUE(w.cellOptions()->isVisibleTo(&w) && w.command1()->isVisibleTo(&w));
  EXPECT_FALSE(w.frame2()->isVisibleTo(&w));

  QSpinBox* copies = confimp->upDown1();
  EXPECT_EQ(copies->value(), 1);
  copies->stepDown();
  EXPECT_EQ(copies->value(), 1);
  copies->setValue(41);
  EXPECT_EQ(copies->value(), 40);
}

TEST_F(PrintWindowTest, ThePrintButtonOpensTheWindowAndItsPrinterButtonThePrinterDialog) {
  QString opened;
  QTimer::singleShot(0, [&opened] {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) return;
    opened = w->objectName() + QLatin1Char('/') + w->windowTitle();
    if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
  });
  QTest::mouseClick(window->commandButton(Command::Print), Qt::LeftButton);
  EXPECT_EQ(opened, "confimp/Imprimer");

  bool dialog = false;
  QTimer::singleShot(0, [&dialog] {
    auto* d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    dialog = d != nullptr;
    if (d) d->reject();
  });
  QTest::mouseClick(confimp->command2(), Qt::LeftButton);
  EXPECT_TRUE(dialog);
  EXPECT_EQ(confimp->defaut()->text(), pdf);
}

}  // namespace
}  // namespace velmira::ui::testing
