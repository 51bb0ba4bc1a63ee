// SPDX-License-Identifier: GPL-3.0-or-later
// The table in the main window: showing it, typing into cells, recording,
// the two menus and their dialogs, the clipboard and the exports.
// (The commands themselves are tested in the core.)
#include <zip.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <string>

#include "platform/core/SafeFile.h"
#include "platform/qt/Printing.h"
#include "table/ui/TableGrid.h"
#include "table/ui/TablePrint.h"
#include "tests/support/PdfPages.h"
#include "tests/ui/WindowFixture.h"
#include "ui/CellOptionsFrame.h"

namespace velmira::ui::testing {
namespace {

class TableWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    QTest::mouseClick(commandButton(*window, Command::Table), Qt::LeftButton);
  }
  table::ui::TableGrid* grid() { return window->tableFrame()->grid(); }
  const table::Table& table() { return window->table(); }
  QPoint cellCentre(int row, int col) { return grid()->visualRect(grid()->model()->index(row - 1, col)).center(); }
  void clickCell(int row, int col) { QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, cellCentre(row, col)); }
  void clickTitle(int col) {
    QHeaderView* h = grid()->horizontalHeader();
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionViewportPosition(col) + 10, 5));
  }
  QAction* action(QMenu* menu, const QString& text) {
    for (QAction* a : menu->actions())
      if (QString(a->text()).remove(QLatin1Char('&')) == text) return a;  // access keys aside
    ADD_FAILURE() << "no entry " << text.toStdString();
    return nullptr;
  }
  // Runs `fill` on the modal dialog the next command opens, then presses OK.
  static void answerDialog(std::function<void(QDialog&)> fill) {
    QTimer::singleShot(0, [fill] {
      auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_TRUE(d);
      fill(*d);
      d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
  }
};

TEST_F(TableWindowTest, TheTableTakesThePlaceOfTheCellOptionsWithTheRecordButtons) {
  EXPECT_TRUE(window->tableFrame()->isVisible());
  EXPECT_FALSE(window->benches().cellOptions()->isVisible());
  EXPECT_TRUE(recordButton(*window, Bench::Solution1)->isVisible());
  clickTab(2);
  EXPECT_TRUE(recordButton(*window, Bench::Solution2)->isVisible());
  QTest::mouseClick(commandButton(*window, Command::Table), Qt::LeftButton);
  EXPECT_FALSE(window->tableFrame()->isVisible());
  EXPECT_TRUE(window->benches().cellOptions()->isVisible());
  EXPECT_FALSE(recordButton(*window, Bench::Solution2)->isVisible());
}

TEST_F(TableWindowTest, TypingEditsTheCurrentCellAndLeavingItChecksIt) {
  clickCell(2, 1);
  QTest::keyClicks(grid(), "1.5+a");
  EXPECT_EQ(table().cell(2, 1), "1,5");
  QTest::keyClick(grid(), Qt::Key_Right);
  EXPECT_EQ(table().cell(2, 1), "1,50E+00");
  EXPECT_EQ(table().col(), 2);
  QTest::keyClick(grid(), Qt::Key_Minus);
  // Tab leaves the grid (the cell checked as it goes), the arrows move in it.
  grid()->setFocus();
  QTest::keyClick(grid(), Qt::Key_Tab);
  EXPECT_FALSE(grid()->hasFocus());
  EXPECT_EQ(table().cell(2, 2), "");
  EXPECT_EQ(table().col(), 2);
  QTest::keyClick(grid(), Qt::Key_Right);
  EXPECT_EQ(table().col(), 3);
  QTest::keyClicks(grid(), "1e-3");
  QTest::keyClick(grid(), Qt::Key_Return);
  EXPECT_EQ(table().cell(2, 3), "1,00E-03");
  EXPECT_EQ(table().row(), 3);
  clickCell(2, 3);
  QTest::keyRelease(grid(), Qt::Key_Delete);
  EXPECT_EQ(table().cell(2, 3), "");
  EXPECT_EQ(grid()->model()->data(grid()->model()->index(1, 1)).toString(), "1,50E+00");
}

TEST_F(TableWindowTest, MenuKeysOpenTheTableMenuOrAfterControlSpaceTheColumnMenu) {
  clickCell(3, 2);
  for (auto [key, mods] : {std::pair{Qt::Key_F10, Qt::ShiftModifier}, std::pair{Qt::Key_Menu, Qt::NoModifier}}) {
    QTest::keyClick(grid(), key, mods);
    QMenu* menu = window->tableFrame()->tableMenu();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(grid()->viewport()->rect().contains(grid()->viewport()->mapFromGlobal(menu->pos())));
    menu->hide();
  }
  QTest::keyClick(grid(), Qt::Key_Space, Qt::ControlModifier);
  QTest::keyClick(grid(), Qt::Key_F10, Qt::ShiftModifier);
  QMenu* column = window->tableFrame()->columnMenu();
  EXPECT_TRUE(column->isVisible());
  EXPECT_FALSE(window->tableFrame()->tableMenu()->isVisible());
  EXPECT_EQ(QString(column->actions().front()->text()).remove(QLatin1Char('&')), "Calculer C3");
  column->hide();
  // Any other key forgets the chosen column, and so does a click elsewhere.
  QTest::keyClick(grid(), Qt::Key_Down);
  QTest::keyClick(grid(), Qt::Key_Menu);
  EXPECT_TRUE(window->tableFrame()->tableMenu()->isVisible());
  window->tableFrame()->tableMenu()->hide();
  QTest::keyClick(grid(), Qt::Key_Space, Qt::ControlModifier);
  clickCell(1, 4);
  QTest::keyClick(grid(), Qt::Key_Menu);
  EXPECT_TRUE(window->tableFrame()->tableMenu()->isVisible());
  EXPECT_FALSE(column->isVisible());
  window->tableFrame()->tableMenu()->hide();
}

TEST_F(TableWindowTest, RecordButtonsFillTheFreeLinesUntilTheTableIsFull) {
  for (int i = 0; i < 12; ++i) QTest::mouseClick(recordButton(*window, Bench::Solution1), Qt::LeftButton);
  EXPECT_EQ(table().cell(1, 0), "1,00E-02");
  EXPECT_EQ(table().cell(12, 1), "6,00E-01");
  EXPECT_TRUE(messages.shown.empty());
  QTest::mouseClick(recordButton(*window, Bench::Solution1), Qt::LeftButton);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Tableau plein");
  EXPECT_EQ(grid()->currentIndex().row(), 11);  // the grid follows the table
}

TEST_F(TableWindowTest, TableMenuFromThePictureWithItsAvailability) {
  QTest::mouseClick(window->tableFrame()->menuButton(), Qt::LeftButton);
  QMenu* menu = window->tableFrame()->tableMenu();
  ASSERT_TRUE(menu->isVisible());
  EXPECT_EQ(menu->pos(), window->tableFrame()->mapToGlobal(QPoint(0, 0)));
  EXPECT_TRUE(action(menu, "Supprimer la ligne de la cellule active")->isEnabled());
  action(menu, "Insérer une ligne à la fin du tableau")->trigger();
  EXPECT_EQ(table().rows(), 14);
  menu->hide();
  answerDialog([](QDialog& d) { d.findChild<QSpinBox*>("lineCount")->setValue(1); });
  action(menu, "Nombre de lignes")->trigger();
  EXPECT_EQ(table().rows(), 2);
  window->tableFrame()->updateTableMenu();
  EXPECT_FALSE(action(menu, "Supprimer la ligne de la cellule active")->isEnabled());
  messages.answers = {Answer::Cancel};
  action(menu, "Effacer le tableau")->trigger();
  EXPECT_EQ(table().rows(), 2);
  action(menu, "Effacer le tableau")->trigger();
  EXPECT_EQ(table().rows(), 13);
  action(menu, "Cacher le tableau")->trigger();
  EXPECT_FALSE(window->tableFrame()->isVisible());
  EXPECT_FALSE(commandButton(*window, Command::Table)->isChecked());
}

TEST_F(TableWindowTest, ColumnMenuFromATitleWithItsCaptionsAndCommands) {
  clickTitle(1);
  QMenu* menu = window->tableFrame()->columnMenu();
  ASSERT_TRUE(menu->isVisible());
  EXPECT_EQ(table().col(), 1);
  EXPECT_FALSE(action(menu, "Voir expression C2")->isEnabled());
  EXPECT_FALSE(action(menu, "Recalculer C2")->isEnabled());
  action(menu, "Trier C2 dans l'ordre décroissant.");
  messages.texts = {std::string("Temps")};
  action(menu, "Nommer C2")->trigger();
  EXPECT_EQ(table().cell(0, 1), "Temps");
  EXPECT_EQ(grid()->model()->headerData(1, Qt::Horizontal).toString(), "Temps");
  EXPECT_EQ(messages.asked.at(0).initial, "C2");

  answerDialog([](QDialog& d) {
    d.findChild<QLineEdit*>("seriesField0")->setText("1");
    d.findChild<QLineEdit*>("seriesField1")->setText("5");
    d.findChild<QLineEdit*>("seriesField2")->setText("1");
  });
  action(menu, "Suite arithmétique")->trigger();
  EXPECT_EQ(table().cell(5, 1), "5,00E+00");
  action(menu, "Statistiques de la colonne")->trigger();
  EXPECT_EQ(messages.shown.back().title, "Statistiques de la colonne");
  EXPECT_NE(messages.shown.back().text.find("n = 5\nmoyenne = 3,000E+00\n"), std::string::npos);

  // The automatic-entry lists: the seven codes in their order.
  answerDialog([](QDialog& d) {
    auto* c1 = d.findChild<QComboBox*>("autoEntry0");
    ASSERT_TRUE(c1);
    ASSERT_EQ(c1->count(), 7);
    EXPECT_EQ(c1->itemText(4), "Écran du conductimètre");
    EXPECT_EQ(c1->itemText(5), "Volume V1");
    EXPECT_EQ(c1->itemText(6), "Volume V2");
    c1->setCurrentIndex(6);
  });
  action(window->tableFrame()->tableMenu(), "Saisie automatique")->trigger();
  EXPECT_EQ(table().autoEntry(0), table::kEntryVolume2);

  menu->hide();
  answerDialog([](QDialog& d) { d.findChild<QRadioButton*>("format3")->setChecked(true); });
  action(window->tableFrame()->tableMenu(), "Format d'écriture des données")->trigger();
  EXPECT_EQ(table().mask(), "");
  EXPECT_EQ(table().cell(5, 1), "5");
}

TEST_F(TableWindowTest, ClipboardAndCsv) {
  clickCell(1, 0);
  QApplication::clipboard()->setText("0.5\t1,25E+02\n2\tx\n");
  QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(table().cell(1, 1), "1,25E+02");
  EXPECT_EQ(table().cell(2, 0), "2,00E+00");
  EXPECT_EQ(table().cell(2, 1), "");
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_EQ(messages.shown.back().text, "1 cellule collée n'est pas un nombre : elle est restée vide.");
  QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith("C1\tC2\tC3\tC4\tC5\r\n5,00E-01\t1,25E+02\t\t\t\r\n"));
  // Beside the text, the HTML table a spreadsheet pastes as numbers.
  EXPECT_TRUE(QApplication::clipboard()->mimeData()->html().contains(
      "<tr><td>C1</td><td>C2</td><td>C3</td><td>C4</td><td>C5</td></tr>\n<tr><td sdval=\"0.5\" "
      "sdnum=\"1033;0;0.00E+00\">5,00E-01</td><td sdval=\"125\" sdnum=\"1033;0;0.00E+00\">1,25E+02</td>"));

  const QString path = QDir(folder.path()).filePath("tableau.csv");
  ASSERT_TRUE(window->tableFrame()->exportCsv(path));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(
      f.readAll().startsWith("\xEF\xBB\xBF"
                             "C1;C2;C3;C4;C5\r\n5,00E-01;1,25E+02;;;\r\n"));
  const QString nowhere = QDir(folder.path()).filePath("absent/x.csv");
  EXPECT_FALSE(window->tableFrame()->exportCsv(nowhere));
  EXPECT_EQ(messages.shown.back().text,
            "Enregistrement impossible : « " + nowhere.toStdString() + " » : dossier introuvable");
}

TEST_F(TableWindowTest, ExportWithTheOpenDocumentTypeWritesASpreadsheet) {
  clickCell(1, 0);
  QTest::keyClicks(grid(), "0,5");
  QTest::keyClick(grid(), Qt::Key_Return);
  // A name without extension, the OpenDocument type chosen in the save window
  // (outside the application folder, where no export goes).
  QTemporaryDir documents;
  const QString base = QDir(documents.path()).filePath("mesures");
  QTimer::singleShot(0, [base] {
    auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_TRUE(d);
    d->selectNameFilter("Classeur OpenDocument (*.ods)");
    d->selectFile(base);
    static_cast<QDialog*>(d)->accept();  // as its Save button does
  });
  action(window->tableFrame()->tableMenu(), "Exporter le tableau…")->trigger();
  const std::string bytes = fileio::readFile((base + ".ods").toStdString(), 1 << 20).bytes;
  ASSERT_FALSE(bytes.empty()) << "nothing written at " << base.toStdString() << ".ods";
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
  zip_error_fini(&error);
  ASSERT_TRUE(archive);
  std::string content(4096, '\0');
  zip_file_t* f = zip_fopen(archive, "content.xml", 0);
  content.resize(f ? static_cast<std::size_t>(std::max<zip_int64_t>(0, zip_fread(f, content.data(), content.size())))
                   : 0);
  if (f) zip_fclose(f);
  EXPECT_EQ(zip_name_locate(archive, "mimetype", 0), 0);
  zip_close(archive);
  EXPECT_NE(content.find("office:value-type=\"float\" office:value=\"0.5\"><text:p>5,00E-01</text:p>"),
            std::string::npos)
      << content;
}

TEST_F(TableWindowTest, TitlesWholeInTheirTooltipAndColumnsWidenedByDraggingABorder) {
  window->table().setCell(0, 2, "Conductance de la solution G (mS)");
  EXPECT_EQ(grid()->model()->headerData(2, Qt::Horizontal, Qt::ToolTipRole).toString(),
            "Conductance de la solution G (mS)");
  QHeaderView* h = grid()->horizontalHeader();
  const int before = h->sectionSize(2);
  const int border = h->sectionViewportPosition(2) + before - 1;
  QTest::mousePress(h->viewport(), Qt::LeftButton, {}, QPoint(border, 5));
  QTest::mouseMove(h->viewport(), QPoint(border + 40, 5));
  QTest::mouseRelease(h->viewport(), Qt::LeftButton, {}, QPoint(border + 40, 5));
  EXPECT_EQ(h->sectionSize(2), before + 40);
  EXPECT_FALSE(window->tableFrame()->columnMenu()->isVisible());
  // A drag inside a title does not open the menu either; a click does.
  const QPoint inside(h->sectionViewportPosition(1) + 10, 5);
  QTest::mousePress(h->viewport(), Qt::LeftButton, {}, inside);
  QTest::mouseMove(h->viewport(), inside + QPoint(30, 0));
  QTest::mouseRelease(h->viewport(), Qt::LeftButton, {}, inside + QPoint(30, 0));
  EXPECT_FALSE(window->tableFrame()->columnMenu()->isVisible());
  clickTitle(1);
  EXPECT_TRUE(window->tableFrame()->columnMenu()->isVisible());
}

TEST_F(TableWindowTest, ThePrintedTableHasItsTitlesOnEveryPage) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
    GTEST_SKIP() << "pdftotext is not installed";
  // The menu's entry asks for the printer.
  bool asked = false;
  QTimer::singleShot(0, [&asked] {
    auto* d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    asked = d != nullptr;
    if (d) d->reject();
  });
  action(window->tableFrame()->tableMenu(), "Imprimer le tableau")->trigger();
  EXPECT_TRUE(asked);

  window->table().setCell(0, 0, "c (mol/L)");
  window->table().setRows(101);
  for (int r = 1; r <= 80; ++r) window->table().setCell(r, 1, std::to_string(r));
  const QString pdf = QDir(folder.path()).filePath("tableau.pdf");
  auto printer = qtp::pdfPrinter(pdf);
  ASSERT_TRUE(table::ui::printTable(*printer, table(), "Tableau", "Tableau — 08/12/2026"));
  const auto words = velmira::test::pdfWords(pdf);
  const int pages = velmira::test::pdfInfo(pdf, QStringLiteral("Pages")).toInt();
  ASSERT_GE(pages, 2);
  EXPECT_EQ(static_cast<int>(velmira::test::wordsOf(words, QStringLiteral("(mol/L)")).size()), pages);
  EXPECT_EQ(static_cast<int>(velmira::test::wordsOf(words, QStringLiteral("C5")).size()), pages);
  for (int r : {17, 80}) EXPECT_EQ(velmira::test::wordsOf(words, QString::number(r)).size(), 1u) << r;
  EXPECT_TRUE(
      velmira::test::wordsOf(words, QStringLiteral("81")).empty());  // the empty lines after the last are left out
}

// With VELMIRA_SCREENSHOTS set to a folder: the table with recorded lines.
TEST_F(TableWindowTest, Screenshot) {
  const QString out = qEnvironmentVariable("VELMIRA_SCREENSHOTS");
  static const char* const concentrations[] = {"0.002", "0.004", "0.006", "0.008", "0.01"};
  for (const char* c : concentrations) {
    typeEntry(0, QString::fromUtf8(c));
    QTest::mouseClick(recordButton(*window, Bench::Solution1), Qt::LeftButton);
  }
  EXPECT_EQ(table().cell(5, 0), "1,00E-02");
  // A long title takes the lines it needs, whole.
  const int oneLine = grid()->horizontalHeader()->height();
  window->table().setCell(0, 1, "σ (mS/m)");
  window->table().setCell(0, 3, "Sigma corrigée (mS/m)");
  const QHeaderView* h = grid()->horizontalHeader();
  EXPECT_GT(h->height(), oneLine);
  const QRect need = h->fontMetrics().boundingRect(QRect(0, 0, h->sectionSize(3), 1000),
                                                   Qt::AlignCenter | Qt::TextWordWrap, "Sigma corrigée (mS/m)");
  EXPECT_GE(h->height(), need.height());
  EXPECT_EQ(h->defaultAlignment() & Qt::TextWordWrap, Qt::TextWordWrap);
  if (!out.isEmpty()) {
    EXPECT_TRUE(window->grab().save(QDir(out).filePath("screenshot-tableau.png")));
  }
}

}  // namespace
}  // namespace velmira::ui::testing
