// SPDX-License-Identifier: GPL-3.0-or-later
// The table's commands: lines, columns, sorts, series, format, names, the
// record buttons, and the table as text.
#include <gtest/gtest.h>

#include "RecordingMessages.h"
#include "model/Workbench.h"
#include "platform/core/RecordFile.h"
#include "table/Recording.h"
#include "table/Table.h"
#include "table/TableCommands.h"
#include "table/TableText.h"

using namespace velmira;
using table::Table;

namespace {

// Column c's data cells, joined by "|".
std::string column(const Table& t, int c) {
  std::string s;
  for (int r = 1; r < t.rows(); ++r) s += (r > 1 ? "|" : "") + t.cell(r, c);
  return s;
}

}  // namespace

TEST(TableLines, InsertAppendDeleteAtTheirLimits) {
  Table t;
  t.setCell(1, 0, "1,00E+00");
  t.setCell(2, 0, "2,00E+00");
  t.setCurrent(1, 3);
  t.insertAbove();
  EXPECT_EQ(t.rows(), 14);
  EXPECT_EQ(t.cell(1, 0), "");
  EXPECT_EQ(t.cell(2, 0), "1,00E+00");
  t.deleteRow();
  EXPECT_EQ(t.cell(1, 0), "1,00E+00");
  t.setRows(table::kMaxRows);
  EXPECT_FALSE(t.canInsertAbove());
  EXPECT_FALSE(t.canAppend());
  t.insertAbove();
  t.append();
  EXPECT_EQ(t.rows(), table::kMaxRows);
  t.setRows(2);
  EXPECT_FALSE(t.canDelete());
  t.deleteRow();
  EXPECT_EQ(t.rows(), 2);
  t.append();
  EXPECT_EQ(t.rows(), 3);
  table::setLineCount(t, 5);
  EXPECT_EQ(t.rows(), 6);
}

TEST(TableColumns, SortIsNumericWithEmptyCellsLastAndKeepsEveryNumber) {
  Table t;
  t.setCell(1, 1, "1,00E+01");
  t.setCell(2, 1, "");
  t.setCell(3, 1, "2,00E+00");
  t.setCell(1, 2, "a");         // text loaded from a file: emptied by the check
  t.setCell(3, 2, "1,00E-35");  // far below what 30 decimals hold
  t.sort(1, true);
  EXPECT_EQ(t.cell(1, 1), "2,00E+00");
  EXPECT_EQ(t.cell(2, 1), "1,00E+01");
  EXPECT_EQ(t.cell(3, 1), "");
  EXPECT_EQ(t.cell(1, 2), "1,00E-35");  // whole rows move
  EXPECT_EQ(t.cell(2, 2), "");
  t.sort(1, false);
  EXPECT_EQ(column(t, 1).substr(0, 18), "1,00E+01|2,00E+00|");
  t.clearColumn(1);
  EXPECT_EQ(column(t, 1), std::string(11, '|'));
  EXPECT_EQ(t.cell(0, 1), "C2");
}

TEST(TableColumns, ArithmeticSeriesChecksItsFields) {
  Table t;
  EXPECT_FALSE(table::arithmeticSeries(t, 2, "1", "5", "1"));
  EXPECT_EQ(column(t, 2).substr(0, 44), "1,00E+00|2,00E+00|3,00E+00|4,00E+00|5,00E+00");
  EXPECT_EQ(t.rows(), 13);
  auto m = table::arithmeticSeries(t, 2, "1", "1", "1");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->text, "Ces valeurs ne sont pas valides");
  m = table::arithmeticSeries(t, 2, "0", "100", "1");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->text, "Le tableau ne peut avoir plus de 100 lignes");
  EXPECT_EQ(m->title, "Dépassement de capacité");
  EXPECT_TRUE(table::arithmeticSeries(t, 2, "5", "1", "1"));  // the step must go down
  EXPECT_FALSE(table::arithmeticSeries(t, 0, "0", "99", "1"));
  EXPECT_EQ(t.rows(), 101);
  // The fields: the key filter and the rewrite on leaving.
  EXPECT_EQ(table::seriesFieldKey('.'), ',');
  EXPECT_FALSE(table::seriesFieldKey('a'));
  EXPECT_EQ(table::seriesFieldText("0,50"), "0,5");
  EXPECT_EQ(table::seriesFieldText("-"), "");
}

TEST(TableColumns, RenameRefusesWhatARecordCannotHold) {
  Table t;
  EXPECT_FALSE(table::renameColumn(t, 0, "   "));
  EXPECT_EQ(t.cell(0, 0), "C1");
  EXPECT_FALSE(table::renameColumn(t, 0, "Temps"));
  EXPECT_EQ(t.cell(0, 0), "Temps");
  EXPECT_TRUE(table::renameColumn(t, 0, std::string(127, 'x')));
  EXPECT_TRUE(table::renameColumn(t, 0, "a\tb"));
  EXPECT_FALSE(table::renameColumn(t, 0, std::string(63, 'e') + "é"));  // 64 bytes in Windows-1252
  EXPECT_EQ(table::renamePrompt(4), "Saisir le texte à afficher pour la colonne C5");
}

TEST(TableColumns, AnyTitleMayBeTypedAndItsRecordFormUsesWindows1252) {
  Table t;
  EXPECT_FALSE(table::renameColumn(t, 1, "σ (S/m)"));
  EXPECT_EQ(t.cell(0, 1), "σ (S/m)");
  EXPECT_EQ(table::storedTitle("σ (S/m)"), "sigma (S/m)");
  EXPECT_EQ(table::storedTitle("Λ0 ж"), "Lambda0 ?");
  EXPECT_EQ(table::storedTitle("G (µS) · 10³ °C"), "G (µS) · 10³ °C");  // all in Windows-1252
  EXPECT_FALSE(table::storedTitle("\xC3"));                             // cut UTF-8
  EXPECT_TRUE(table::renameColumn(t, 1, "\xC3"));
  // The stored form counts: 21 sigmas make 105 bytes, 26 make 130.
  std::string sigmas;
  for (int k = 0; k < 26; ++k) sigmas += "σ";
  EXPECT_TRUE(table::renameColumn(t, 1, sigmas));
  EXPECT_EQ(t.cell(0, 1), "σ (S/m)");
  // Every replacement is itself in Windows-1252.
  for (char32_t c : {U'σ', U'λ', U'Λ', U'Ω', U'μ', U'Δ', U'\u2212', U'≤', U'→'}) {
    ASSERT_FALSE(table::titleReplacement(c).empty());
    EXPECT_TRUE(records::toCp1252(table::titleReplacement(c)));
  }
}

TEST(TableColumns, TheRenameBoxComesBackWithTheTypedTextUntilStoredOrCancelled) {
  Table t;
  test::RecordingMessages messages;
  const std::string tooLong(127, 'x');
  messages.texts = {tooLong, "σ (S/m)"};
  table::askRenameColumn(t, 0, messages);
  ASSERT_EQ(messages.asked.size(), 2u);
  EXPECT_EQ(messages.asked[0].initial, "C1");
  EXPECT_EQ(messages.asked[1].initial, tooLong);
  EXPECT_EQ(messages.asked[1].title, "Nommer C1");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("trop long"), std::string::npos);
  EXPECT_EQ(t.cell(0, 0), "σ (S/m)");
  // Cancelled after a refusal: the title stays.
  messages.texts = {"a\tb", std::nullopt};
  table::askRenameColumn(t, 0, messages);
  EXPECT_EQ(messages.asked.size(), 4u);
  EXPECT_EQ(messages.asked[3].initial, "a\tb");
  EXPECT_EQ(t.cell(0, 0), "σ (S/m)");
}

TEST(TableCommands, ClearTableAsksAndFormatReformats) {
  Table t;
  t.setCell(1, 0, "1,00E-02");
  t.setFormula(1, "C1 * 2");
  t.setRows(40);
  test::RecordingMessages messages;
  messages.answers = {Answer::Cancel};
  EXPECT_FALSE(table::clearTable(t, messages));
  EXPECT_EQ(t.rows(), 40);
  EXPECT_TRUE(table::clearTable(t, messages));
  EXPECT_EQ(t.rows(), 13);
  EXPECT_EQ(t.cell(1, 0), "");
  EXPECT_EQ(t.cell(0, 0), "C1");
  EXPECT_EQ(t.formula(1), "");
  EXPECT_EQ(messages.shown.back().text, "Attention\u00A0: perte des données.");
  t.setCell(1, 0, "1,00E-02");
  table::applyMask(t, table::kMasks[2]);
  EXPECT_EQ(t.cell(1, 0), "0,01");
  EXPECT_EQ(table::maskOption(""), 3);
}

TEST(TableRecording, FirstFreeLineByTheAutomaticEntryCodes) {
  model::Workbench wb;
  wb.startupDefaults();
  Table t;
  test::RecordingMessages messages;
  t.setCell(1, 4, "9,00E+00");  // only C5 filled: not free
  ASSERT_TRUE(table::record(t, wb, 1, messages));
  EXPECT_EQ(t.cell(2, 0), "1,00E-02");
  EXPECT_EQ(t.cell(2, 1), "6,00E-01");  // ammeter
  EXPECT_EQ(t.cell(2, 2), "2,00E-01");  // voltmeter
  EXPECT_EQ(t.cell(2, 3), "");
  EXPECT_EQ(t.row(), 2);
  EXPECT_EQ(t.col(), 4);
  for (int c = 0; c < 5; ++c) t.setAutoEntry(c, table::kEntryEmpty);
  ASSERT_TRUE(table::record(t, wb, 2, messages));
  EXPECT_TRUE(t.rowEmpty(3));  // all "Vide": the same line stays free
  t.setAutoEntry(0, table::kEntryConductimeter);
  for (int r = 3; r <= 12; ++r) ASSERT_TRUE(table::record(t, wb, 2, messages));
  EXPECT_EQ(t.cell(12, 0), "2,98E+02");
  EXPECT_FALSE(table::record(t, wb, 1, messages));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Tableau plein");
}

TEST(TableRecording, MixtureBenchAndTheVolumeCodes) {
  model::Workbench wb;
  wb.startupDefaults();
  wb.setEntryText(model::Volume2, "12,5");
  wb.updateMeters();
  Table t;
  test::RecordingMessages messages;
  const int codes[] = {table::kEntryVolume2, table::kEntryConductimeter, table::kEntryVolume1,
                       table::kEntryConcentration, table::kEntryAmmeter};
  for (int c = 0; c < 5; ++c) t.setAutoEntry(c, codes[c]);
  ASSERT_TRUE(table::canRecord(wb, table::kMixtureBench));
  ASSERT_TRUE(table::record(t, wb, table::kMixtureBench, messages));
  EXPECT_EQ(t.cell(1, 0), "1,25E+01");
  EXPECT_EQ(t.cell(1, 1), Table::checkedText(wb.display(model::Meter::Conductimeter, 3), t.mask()));
  EXPECT_EQ(t.cell(1, 2), "5,00E+01");
  EXPECT_EQ(t.cell(1, 3), "");  // no concentration for the mixture
  EXPECT_EQ(t.cell(1, 4), Table::checkedText(wb.display(model::Meter::Ammeter, 3), t.mask()));
  EXPECT_FALSE(t.cell(1, 4).empty());
  // The volumes are copied whatever the bench.
  ASSERT_TRUE(table::record(t, wb, 1, messages));
  EXPECT_EQ(t.cell(2, 0), "1,25E+01");
  EXPECT_EQ(t.cell(2, 3), "1,00E-02");
  EXPECT_EQ(table::autoEntryCaption(table::kEntryVolume1), "Volume V1");
  EXPECT_EQ(table::autoEntryCaption(table::kEntryVolume2), "Volume V2");
  EXPECT_EQ(table::autoEntryCaption(table::kEntryCodes + 1), "");
  // A precipitate: the mixture cannot be recorded, the solutions can.
  wb.setSoluteTag(1, "18");
  wb.updateMeters();
  EXPECT_FALSE(table::canRecord(wb, table::kMixtureBench));
  EXPECT_TRUE(table::canRecord(wb, 1));
  EXPECT_TRUE(table::canRecord(wb, 2));
}

TEST(TableRecording, AConcealedConcentrationIsNeverCopiedAndTheCallerIsTold) {
  model::Workbench wb;
  wb.startupDefaults();
  wb.setConcealed(model::Concentration1, true);
  Table t;
  test::RecordingMessages messages;
  bool left = false;
  ASSERT_TRUE(table::record(t, wb, 1, messages, &left));
  EXPECT_TRUE(left);
  EXPECT_EQ(t.cell(1, 0), "");          // C1: concentration
  EXPECT_EQ(t.cell(1, 1), "6,00E-01");  // the readings are recorded
  // Solution 2's concentration is not concealed.
  left = false;
  ASSERT_TRUE(table::record(t, wb, 2, messages, &left));
  EXPECT_FALSE(left);
  EXPECT_EQ(t.cell(2, 0), "1,00E-02");
  EXPECT_TRUE(messages.shown.empty());
}

TEST(TableText, CopyAndCsv) {
  Table t;
  t.setCell(0, 1, "Conductivité; σ");
  t.setCell(1, 0, "1,00E-02");
  t.setCell(1, 1, "1,41E+02");
  t.setCell(3, 4, "2,00E+00");
  EXPECT_EQ(table::tabSeparated(t, 0, 1, 0, 1), "C1\tConductivité; σ\r\n1,00E-02\t1,41E+02\r\n");
  // The empty line between two filled ones stays; the empty lines after the
  // last filled one are left out.
  EXPECT_EQ(table::csv(t),
            "\xEF\xBB\xBF"
            "C1;\"Conductivité; σ\";C3;C4;C5\r\n1,00E-02;1,41E+02;;;\r\n;;;;\r\n;;;;2,00E+00\r\n");
  t.reset();
  EXPECT_EQ(table::csv(t),
            "\xEF\xBB\xBF"
            "C1;C2;C3;C4;C5\r\n");

  // No text reaches a spreadsheet as a formula; numbers stay numbers.
  t.setCell(0, 0, "=A1+1");
  t.setCell(0, 1, "+x");
  t.setCell(0, 2, "-σ;");
  t.setCell(0, 3, "@SOMME(A1)");
  t.setCell(0, 4, "a=b");
  t.setCell(1, 0, "-1,5");
  t.setCell(1, 1, "-2,50E-03");
  t.setCell(1, 2, "+4");
  EXPECT_EQ(table::csv(t),
            "\xEF\xBB\xBF"
            "'=A1+1;'+x;\"'-σ;\";'@SOMME(A1);a=b\r\n-1,5;-2,50E-03;+4;;\r\n");
}

TEST(TableText, PasteSplitsAndChecksCells) {
  Table t;
  // "." decimals, text, blanks; only numbers land, the others are counted.
  t.setCurrent(2, 3);
  auto count = table::paste(t, table::pastedText("1.5\tabc\t7\r\n-2,5E-3\t 3 000 \r\n\t\n"));
  EXPECT_EQ(count.droppedLines, 0);
  EXPECT_EQ(count.notNumbers, 1);  // "abc"; the empty cells and C6's 7 are not counted
  EXPECT_EQ(t.cell(2, 3), "1,50E+00");
  EXPECT_EQ(t.cell(2, 4), "");
  EXPECT_EQ(t.cell(3, 3), "-2,50E-03");
  EXPECT_EQ(t.cell(3, 4), "3,00E+03");
  // A line without a tab may use ";".
  t.setCurrent(1, 0);
  table::paste(t, table::pastedText("4;5,5\n"));
  EXPECT_EQ(t.cell(1, 1), "5,50E+00");

  EXPECT_TRUE(table::isTitleLine({"Volume (mL)", "", "σ"}));
  EXPECT_FALSE(table::isTitleLine({"Volume", "12,5"}));
  EXPECT_FALSE(table::isTitleLine({"", " "}));

  // 10,000 lines, long and binary cells: at most 100 data lines.
  std::string big;
  for (int i = 0; i < 10000; ++i) big += std::string(5000, i % 2 ? '9' : '\x01') + "\t\t\t\t\t\t\n";
  const auto pasted = table::pastedText(big);
  EXPECT_EQ(pasted.lineCount, 10000);
  EXPECT_EQ(pasted.lines.size(), 101u);
  EXPECT_EQ(pasted.lines[0].size(), 5u);
  t.setCurrent(5, 0);
  count = table::paste(t, pasted);
  EXPECT_EQ(count.droppedLines, 10000 - 96);
  EXPECT_EQ(count.notNumbers, 96);  // 5000 nines overflow a float too
  EXPECT_EQ(t.rows(), 101);
  for (int r = 1; r < t.rows(); ++r)
    for (int c = 0; c < 5; ++c) EXPECT_TRUE(t.cell(r, c).size() <= 12) << r << "," << c;
}

TEST(TableText, PasteCommandTakesTitlesAndSaysWhatDidNotLand) {
  // What a spreadsheet puts on the clipboard: its header line, tabs, the
  // displayed texts, a line end after the last line.
  const std::string copied = "V (mL)\tG (mS)\tremarque\n0\t12,5 %\t\n2.5\t1,5 mS\tnon\n";
  Table t;
  test::RecordingMessages messages;
  t.setCurrent(1, 0);
  table::pasteText(t, copied, messages);
  EXPECT_EQ(t.cell(0, 0), "V (mL)");
  EXPECT_EQ(t.cell(0, 1), "G (mS)");
  EXPECT_EQ(t.cell(0, 2), "remarque");
  EXPECT_EQ(column(t, 0).substr(0, 17), "0,00E+00|2,50E+00");
  EXPECT_EQ(t.cell(1, 1), "");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "3 cellules collées ne sont pas des nombres : elles sont restées vides.");

  // A single line, or a text line above more text, is data even in the first line.
  for (const std::string& data :
       std::vector<std::string>{"3,5 mS\n", "=A1+1", "NaN\r5%\r", std::string("a\0b", 3), "x\ny\n"}) {
    messages.shown.clear();
    t.setCurrent(1, 1);
    table::pasteText(t, data, messages);
    EXPECT_EQ(t.cell(0, 1), "G (mS)") << data;
    EXPECT_EQ(t.cell(1, 1), "") << data;
    ASSERT_EQ(messages.shown.size(), 1u) << data;
    EXPECT_NE(messages.shown[0].text.find(" nombre"), std::string::npos) << data;
  }
  t.setCurrent(1, 0);
  table::pasteText(t, std::string(20'000'000, '9'), messages);
  EXPECT_EQ(t.cell(0, 0), "V (mL)");

  // Lower down, the header line is data: its texts are not numbers.
  messages.shown.clear();
  t.setCurrent(4, 1);
  table::pasteText(t, "x\n", messages);
  EXPECT_EQ(t.cell(0, 1), "G (mS)");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "1 cellule collée n'est pas un nombre : elle est restée vide.");

  // A title the table cannot hold is refused and said; the others are taken.
  messages.shown.clear();
  t.setCurrent(1, 3);
  table::pasteText(t, std::string(127, 'a') + "\tt\n1\t2\n", messages);
  EXPECT_EQ(t.cell(0, 3), "C4");
  EXPECT_EQ(t.cell(0, 4), "t");
  EXPECT_EQ(t.cell(1, 3), "1,00E+00");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Nommer C4");

  // Lines left out for want of room are said once.
  messages.shown.clear();
  t.setRows(table::kMaxRows);
  t.setCurrent(100, 0);
  table::pasteText(t, "1\n2\n3\n", messages);
  EXPECT_EQ(t.cell(100, 0), "1,00E+00");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Le tableau ne peut avoir plus de 100 lignes");
}

TEST(TableText, PrintedLinesAreTheTitlesAndTheLinesUpToTheLastFilled) {
  Table t;
  t.setCell(0, 0, " c (mol/L) ");
  t.setCell(0, 1, "");
  t.setCell(1, 0, "1,00E-02");
  t.setCell(3, 2, " 5 ");  // line 2 empty, line 3 the last filled
  EXPECT_EQ(table::columnName(t, 0), "c (mol/L)");
  EXPECT_EQ(table::columnName(t, 1), "C2");
  EXPECT_EQ(table::spokenCell(t, 1, 0), "C1 c (mol/L), ligne 1 : 1,00E-02");
  EXPECT_EQ(table::spokenCell(t, 2, 1), "C2, ligne 2 : vide");
  const auto lines = table::printedLines(t);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], (std::vector<std::string>{"c (mol/L)", "C2", "C3", "C4", "C5"}));
  EXPECT_EQ(lines[2], (std::vector<std::string>(5, "")));
  EXPECT_EQ(lines[3][2], "5");
  t.clear();  // titles blank too
  EXPECT_EQ(table::printedLines(t), (std::vector<std::vector<std::string>>{{"C1", "C2", "C3", "C4", "C5"}}));
}

TEST(TableText, APastedNumberKeepsItsDigitsWhereTheFormatWouldLoseThem) {
  bool scientific = false;
  EXPECT_EQ(Table::keptText("12,5", "0.00", &scientific), "12,50");
  EXPECT_FALSE(scientific);
  EXPECT_EQ(Table::keptText("1,2346", "0.00", &scientific), "1,235E+00");  // 4 digits at most
  EXPECT_TRUE(scientific);
  EXPECT_EQ(Table::keptText("0", "0.00"), "0,00");
  EXPECT_EQ(Table::keptText("abc", "0.00"), "");

  Table t;
  t.setMask("0.00");
  test::RecordingMessages messages;
  t.setCurrent(1, 0);
  table::pasteText(t, "1,25E-05\n2.5e-5\n1,5\n", messages);
  EXPECT_EQ(column(t, 0).substr(0, 24), "1,25E-05|2,5E-05|1,50|||");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, table::scientificCellsMessage(2).text);
  EXPECT_NE(messages.shown[0].text.find("2 cellules"), std::string::npos);
  // Another format brings the digits back.
  t.setMask("0.00E+00");
  t.reformat();
  EXPECT_EQ(t.cell(1, 0), "1,25E-05");
}

TEST(TableRecording, AnEmptyTableTakesTheNewMontagesCodesUnlessChosenOrFilled) {
  auto codes = [](const Table& t) {
    std::array<int, table::kCols> c{};
    for (int k = 0; k < table::kCols; ++k) c[static_cast<std::size_t>(k)] = t.autoEntry(k);
    return c;
  };
  Table t;
  table::followMontage(t, true);
  EXPECT_EQ(codes(t), table::kConductimeterAutoEntry);
  table::followMontage(t, false);
  EXPECT_EQ(codes(t), table::kDefaultAutoEntry);
  // Codes the teacher chose stay.
  t.setAutoEntry(1, table::kEntryVolume2);
  table::followMontage(t, true);
  EXPECT_EQ(t.autoEntry(1), table::kEntryVolume2);
  // So do a filled table's.
  Table filled;
  filled.setCell(3, 0, "1,00E+00");
  table::followMontage(filled, true);
  EXPECT_EQ(codes(filled), table::kDefaultAutoEntry);
}
