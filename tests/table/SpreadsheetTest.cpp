// SPDX-License-Identifier: GPL-3.0-or-later
// The table as a spreadsheet file and as the clipboard's HTML table: read
// back with libzip and a strict XML parser, not compared as text.
#include <expat.h>
#include <gtest/gtest.h>
#include <unistd.h>
#include <zip.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/NumberText.h"
#include "platform/core/SafeFile.h"
#include "table/Spreadsheet.h"
#include "table/Table.h"
#include "tests/support/RecordingMessages.h"

namespace velmira::table {
namespace {

// A cell as a spreadsheet reads it from content.xml.
struct SheetCell {
  std::string type;   // office:value-type, empty for an empty cell
  std::string value;  // office:value
  std::string style;  // table:style-name
  std::string text;   // its text:p, blanks, tabs and line breaks as characters
};

// content.xml's rows and styles; `wellFormed` false when expat refuses it.
struct Sheet {
  bool wellFormed = false;
  std::vector<std::vector<SheetCell>> rows;
  std::map<std::string, std::string> cellFormats;  // cell style -> number style
  std::map<std::string, std::string> formats;      // number style -> "scientific 2", "number 3"
  std::string numberStyle;                         // the one being read
  bool inText = false;
};

std::string attribute(const XML_Char** atts, const std::string& name) {
  for (int i = 0; atts[i]; i += 2)
    if (name == atts[i]) return atts[i + 1];
  return {};
}

Sheet readContent(const std::string& xml) {
  Sheet sheet;
  XML_Parser parser = XML_ParserCreate("UTF-8");
  XML_SetUserData(parser, &sheet);
  XML_SetElementHandler(
      parser,
      [](void* data, const XML_Char* name, const XML_Char** atts) {
        auto& s = *static_cast<Sheet*>(data);
        const std::string n = name;
        if (n == "table:table-row") s.rows.emplace_back();
        if (n == "table:table-cell")
          s.rows.back().push_back({attribute(atts, "office:value-type"),
                                   attribute(atts, "office:value"),
                                   attribute(atts, "table:style-name"),
                                   {}});
        if (n == "text:p") s.inText = true;
        if (n == "text:s") s.rows.back().back().text += ' ';
        if (n == "text:tab") s.rows.back().back().text += '\t';
        if (n == "text:line-break") s.rows.back().back().text += '\n';
        if (n == "style:style") s.cellFormats[attribute(atts, "style:name")] = attribute(atts, "style:data-style-name");
        if (n == "number:number-style") s.numberStyle = attribute(atts, "style:name");
        if (n == "number:scientific-number" || n == "number:number")
          s.formats[s.numberStyle] = n.substr(7) + " " + attribute(atts, "number:decimal-places");
      },
      [](void* data, const XML_Char* name) {
        if (std::string(name) == "text:p") static_cast<Sheet*>(data)->inText = false;
      });
  XML_SetCharacterDataHandler(parser, [](void* data, const XML_Char* text, int length) {
    auto& s = *static_cast<Sheet*>(data);
    if (s.inText) s.rows.back().back().text.append(text, static_cast<std::size_t>(length));
  });
  sheet.wellFormed = XML_Parse(parser, xml.data(), static_cast<int>(xml.size()), 1) == XML_STATUS_OK;
  XML_ParserFree(parser);
  return sheet;
}

// The archive's entries in their order, with their compression methods.
struct Entry {
  std::string name;
  int method = -1;
  std::string data;
};

std::vector<Entry> readArchive(const std::string& bytes) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
  zip_error_fini(&error);
  std::vector<Entry> entries;
  if (!archive) {
    zip_source_free(source);
    return entries;
  }
  for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
    zip_stat_t st;
    zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &st);
    Entry e{st.name, st.comp_method, std::string(st.size, '\0')};
    zip_file_t* f = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0);
    EXPECT_TRUE(f && zip_fread(f, e.data.data(), st.size) == static_cast<zip_int64_t>(st.size)) << e.name;
    if (f) zip_fclose(f);
    entries.push_back(std::move(e));
  }
  zip_close(archive);
  return entries;
}

// Titles a pupil may type: markup, quotes, control characters, blanks kept, a byte that is not UTF-8.
const std::string kHostileTitle = "<a & \"b\">\x01\x1F</table:table>\t  σ\n\xFF";
const std::string kHostileTitleRead = "<a & \"b\"></table:table>\t  σ\n\xEF\xBF\xBD";

TEST(Spreadsheet, OdsFileHoldsTheTitlesAndEachNumberAsItsValue) {
  Table t;
  t.setCell(0, 0, kHostileTitle);
  t.setCell(0, 1, " σ (mS/m) ");
  t.setCell(1, 0, "5,00E-01");
  t.setCell(1, 1, "1,234568E+08");
  t.setCell(3, 1, "-0,125");
  t.setCell(3, 4, "2,50E-03");
  const auto bytes = odsFile(t);
  ASSERT_TRUE(bytes);

  // The first entry is "mimetype", stored, with no extra field: a reader
  // finds the type at a fixed offset.
  ASSERT_GT(bytes->size(), 38u + 46u);
  EXPECT_EQ(bytes->substr(0, 4), "PK\x03\x04");
  EXPECT_EQ(bytes->substr(8, 2), std::string("\0\0", 2));         // method: stored
  EXPECT_EQ(bytes->substr(26, 4), std::string("\x08\0\0\0", 4));  // name 8 bytes, no extra field
  EXPECT_EQ(bytes->substr(30, 8 + 46), "mimetypeapplication/vnd.oasis.opendocument.spreadsheet");

  const auto entries = readArchive(*bytes);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "mimetype");
  EXPECT_EQ(entries[0].method, ZIP_CM_STORE);
  EXPECT_EQ(entries[1].name, "META-INF/manifest.xml");
  EXPECT_NE(entries[1].data.find("manifest:full-path=\"content.xml\""), std::string::npos);
  ASSERT_EQ(entries[2].name, "content.xml");

  const Sheet sheet = readContent(entries[2].data);
  ASSERT_TRUE(sheet.wellFormed);
  // The titles and the data lines up to the last one that is not empty, the empty line between kept.
  ASSERT_EQ(sheet.rows.size(), 4u);
  for (const auto& row : sheet.rows) ASSERT_EQ(row.size(), std::size_t{kCols});
  EXPECT_EQ(sheet.rows[0][0].type, "string");
  EXPECT_EQ(sheet.rows[0][0].text, kHostileTitleRead);
  EXPECT_EQ(sheet.rows[0][1].text, " σ (mS/m) ");
  EXPECT_EQ(sheet.rows[0][4].text, "C5");
  for (const auto& cell : sheet.rows[2]) EXPECT_EQ(cell.type, "");

  // Each number is a float whose value reads back as the cell's value, shown with the cell's digits.
  const std::map<std::pair<int, int>, std::string> format = {{{1, 0}, "scientific-number 2"},
                                                             {{1, 1}, "scientific-number 6"},
                                                             {{3, 1}, "number 3"},
                                                             {{3, 4}, "scientific-number 2"}};
  for (const auto& [at, shown] : format) {
    const SheetCell& cell = sheet.rows[static_cast<std::size_t>(at.first)][static_cast<std::size_t>(at.second)];
    SCOPED_TRACE(cell.text);
    EXPECT_EQ(cell.type, "float");
    EXPECT_EQ(cell.text, t.cell(at.first, at.second));
    EXPECT_EQ(std::strtod(cell.value.c_str(), nullptr), num::readDouble(t.cell(at.first, at.second)));
    EXPECT_EQ(sheet.formats.at(sheet.cellFormats.at(cell.style)), shown);
  }
  EXPECT_EQ(sheet.rows[1][0].value, "0.5");
  EXPECT_EQ(sheet.rows[3][1].value, "-0.125");
  EXPECT_EQ(sheet.rows[1][2].type, "");
}

TEST(Spreadsheet, OdsWriteIsWholeOrReported) {
  Table t;
  t.setCell(1, 0, "1,00E+00");
  const auto folder = std::filesystem::temp_directory_path() / ("velmira-ods-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "tableau.ods").string();
  test::RecordingMessages messages;
  ASSERT_TRUE(writeOds(path, t, messages, false));
  EXPECT_EQ(fileio::readFile(path, 1 << 20).bytes.substr(30, 8), "mimetype");
  EXPECT_TRUE(messages.shown.empty());

  const std::string nowhere = (folder / "absent" / "x.ods").string();
  EXPECT_FALSE(writeOds(nowhere, t, messages, false));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown.back().text, "Enregistrement impossible : « " + nowhere + " » : dossier introuvable");
  std::filesystem::remove_all(folder);
}

TEST(Spreadsheet, HtmlTableCarriesEachNumberAsItsValueAndEscapesTexts) {
  Table t;
  t.setCell(0, 1, kHostileTitle);
  t.setCell(1, 0, "5,00E-01");
  t.setCell(1, 1, "-0,125");
  EXPECT_EQ(htmlTable(t, 0, 2, 0, 1),
            "<html><head><meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\"></head><body><table>\n"
            "<tr><td>C1</td><td>&lt;a &amp; &quot;b&quot;&gt;&lt;/table:table&gt;   σ<br>\xEF\xBF\xBD</td></tr>\n"
            "<tr><td sdval=\"0.5\" sdnum=\"1033;0;0.00E+00\">5,00E-01</td>"
            "<td sdval=\"-0.125\" sdnum=\"1033;0;0.000\">-0,125</td></tr>\n"
            "<tr><td></td><td></td></tr>\n"
            "</table></body></html>\n");
}

}  // namespace
}  // namespace velmira::table
