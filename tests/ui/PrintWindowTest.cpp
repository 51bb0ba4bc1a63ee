// SPDX-License-Identifier: GPL-3.0-or-later
// The print window: the pictures checked, stacked down the pages of a PDF
// (read back with velmira::test::pdftoppm when installed), a page per copy; its checks.
// With VELMIRA_SCREENSHOTS set to a folder the first page is written there
// (impression-page1.png).
#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QFile>
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
    return velmira::test::inkRuns(page, [](QRgb c) { return c != qRgb(255, 255, 255); });
  }

  QTemporaryDir dir;
  QString pdf;
  std::unique_ptr<QPrinter> printer;
  std::unique_ptr<PrintWindow> confimp;
};

TEST_F(PrintWindowTest, TwoCopiesOfTheThreePicturesGiveTwoPagesOfThreeWithCaptions) {
  if (velmira::test::pdftoppm().isEmpty()) GTEST_SKIP() << "pdftoppm is not installed";
  for (int i = 0; i < 3; ++i) confimp->benchBox(i)->setChecked(true);
  confimp->copiesBox()->setValue(2);
  QTest::mouseClick(confimp->okButton(), Qt::LeftButton);
  EXPECT_EQ(confimp->result(), QDialog::Accepted);
  EXPECT_TRUE(messages.shown.empty());

  constexpr int dpi = 48;
  const std::vector<QImage> pages = velmira::test::pdfPages(pdf, dpi, dir.path());
  ASSERT_EQ(pages.size(), 2u);
  const double mm = dpi / 25.4;
  const QSizeF natural = QSizeF(page(*window, 1)->width() - 19, 301);
  for (const QImage& page : pages) {
    std::vector<QRect> found;
    for (const QRect& r : pictures(page))
      if (r.height() > 30 * mm) found.push_back(r);
    ASSERT_EQ(found.size(), 3u);
    for (const QRect& p : found) {
      EXPECT_NEAR(p.width() / static_cast<double>(p.height()), natural.width() / natural.height(), 0.05);
      EXPECT_NEAR(p.center().x() + 0.5, 105 * mm, 2);
      EXPECT_LT(p.bottom(), (297 - 30) * mm);
    }
  }
  // The heading and a caption under each picture, on both pages.
  const auto words = velmira::test::pdfWords(pdf);
  EXPECT_EQ(velmira::test::wordsOf(words, QStringLiteral("Solution")).size(), 4u);
  EXPECT_EQ(velmira::test::wordsOf(words, QStringLiteral("Mélange")).size(), 2u);
  const QString today = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
  EXPECT_EQ(velmira::test::wordsOf(words, today).size(), 2u);
  const QString out = qEnvironmentVariable("VELMIRA_SCREENSHOTS");
  if (!out.isEmpty()) {
    ASSERT_EQ(QProcess::execute(velmira::test::pdftoppm(),
                                {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                                 QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("1"), pdf,
                                 QDir(out).filePath(QStringLiteral("impression-page1"))}),
              0);
  }
}

TEST_F(PrintWindowTest, OkSaysWhyNothingIsPrintedAndCopiesStayWithinOneToForty) {
  EXPECT_EQ(confimp->windowTitle(), "Imprimer");
  EXPECT_EQ(confimp->printerName()->text(), pdf);
  QTest::mouseClick(confimp->okButton(), Qt::LeftButton);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Il faut choisir au moins une illustration à imprimer");
  EXPECT_EQ(messages.shown[0].title, "Erreur sélection");
  EXPECT_EQ(messages.shown[0].icon, Icon::Critical);
  EXPECT_EQ(confimp->result(), 0);
  EXPECT_FALSE(QFileInfo::exists(pdf));

  // A printer that cannot print is reported; the window stays as it was.
  auto unwritable = qtp::pdfPrinter(dir.filePath(QStringLiteral("absent/bancs.pdf")));
  PrintWindow w(*window, messages, *unwritable, window.get());
  w.benchBox(2)->setChecked(true);
  QTest::mouseClick(w.okButton(), Qt::LeftButton);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].icon, Icon::Critical);
  EXPECT_EQ(w.result(), 0);
  EXPECT_TRUE(w.optionsBox()->isVisibleTo(&w) && w.okButton()->isVisibleTo(&w));
  EXPECT_FALSE(w.waitNotice()->isVisibleTo(&w));

  QSpinBox* copies = confimp->copiesBox();
  EXPECT_EQ(copies->value(), 1);
  copies->stepDown();
  EXPECT_EQ(copies->value(), 1);
  copies->setValue(41);
  EXPECT_EQ(copies->value(), 40);
}

TEST_F(PrintWindowTest, AFileAlreadyThereIsReplacedOnlyWhenThePupilAgrees) {
  {
    QFile old(pdf);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("%PDF-1.4 the table printed before");
  }
  confimp->benchBox(0)->setChecked(true);
  messages.answers = {Answer::Cancel};
  QTest::mouseClick(confimp->okButton(), Qt::LeftButton);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Le fichier " + pdf.toStdString() + " existe déjà.\nEcraser l'ancien\u00A0?");
  EXPECT_EQ(confimp->result(), 0);
  EXPECT_EQ(QFileInfo(pdf).size(), 33);  // untouched
  messages.answers = {Answer::Ok};
  QTest::mouseClick(confimp->okButton(), Qt::LeftButton);
  EXPECT_EQ(messages.shown.size(), 2u);
  EXPECT_GT(QFileInfo(pdf).size(), 1000);
}

TEST_F(PrintWindowTest, ThePrintButtonOpensTheWindowAndItsPrinterButtonThePrinterDialog) {
  QString opened;
  QTimer::singleShot(0, [&opened] {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) return;
    opened = w->objectName() + QLatin1Char('/') + w->windowTitle();
    if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
  });
  QTest::mouseClick(commandButton(*window, Command::Print), Qt::LeftButton);
  EXPECT_EQ(opened, "printWindow/Imprimer");

  bool dialog = false;
  QTimer::singleShot(0, [&dialog] {
    auto* d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    dialog = d != nullptr;
    if (d) d->reject();
  });
  QTest::mouseClick(confimp->printersButton(), Qt::LeftButton);
  EXPECT_TRUE(dialog);
  EXPECT_EQ(confimp->printerName()->text(), pdf);
}

}  // namespace
}  // namespace velmira::ui::testing
