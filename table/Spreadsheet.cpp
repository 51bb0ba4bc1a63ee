// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/Spreadsheet.h"

#include <zip.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/core/Messages.h"
#include "platform/core/NumberText.h"
#include "platform/core/RecordFile.h"
#include "platform/core/SafeFile.h"
#include "table/Table.h"

namespace velmira::table {

namespace {

constexpr std::string_view kOdsType = "application/vnd.oasis.opendocument.spreadsheet";
constexpr std::string_view kSheetName = "Tableau de valeurs";

// A number cell: its value, and the number format (the spreadsheet's code,
// "0.00E+00") that shows it with the digits of its text.
struct NumberCell {
  double value = 0;
  int decimals = 0;
  bool scientific = false;
  std::string code() const {
    std::string c = "0";
    if (decimals > 0) c += "." + std::string(static_cast<std::size_t>(decimals), '0');
    if (scientific) c += "E+00";
    return c;
  }
};

std::optional<NumberCell> numberCell(std::string_view text) {
  const auto value = num::readDouble(text);
  if (!value) return std::nullopt;
  NumberCell cell{*value, 0, false};
  const auto exponent = text.find_first_of("EeDd");
  cell.scientific = exponent != std::string_view::npos;
  const std::string_view mantissa = text.substr(0, exponent);
  if (const auto comma = mantissa.find(','); comma != std::string_view::npos)
    cell.decimals = static_cast<int>(std::count_if(mantissa.begin() + static_cast<std::ptrdiff_t>(comma),
                                                   mantissa.end(), [](char c) { return c >= '0' && c <= '9'; }));
  return cell;
}

// The shortest text that reads back as the same double, "." decimal.
std::string valueText(double value) {
  char buf[32];
  const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
  return std::string(buf, end);
}

enum class Markup { Sheet, Html };

// A cell's text as element content: "&", "<", ">" and quotes escaped, what
// XML cannot hold (control characters, U+FFFE, U+FFFF) left out, a byte
// that is not UTF-8 written U+FFFD. In a sheet, blanks keep their number
// (text:s), a tab is text:tab and a line break text:line-break; in HTML a
// line break is <br>.
std::string markup(std::string_view text, Markup form) {
  std::string out;
  bool blankBefore = true;  // a leading blank is kept too
  for (std::size_t i = 0; i < text.size();) {
    char32_t cp = 0;
    if (!records::nextCodePoint(text, i, cp)) {  // a byte that begins no well-formed character
      cp = 0xFFFD;
      ++i;
    }
    const bool blank = cp == ' ';
    if (cp == '\r' && i < text.size() && text[i] == '\n') continue;
    if (cp == '\n' || cp == '\r') {
      out += form == Markup::Sheet ? "<text:line-break/>" : "<br>";
    } else if (cp == '\t') {
      out += form == Markup::Sheet ? "<text:tab/>" : " ";
    } else if (cp < 0x20 || cp == 0x7F || cp == 0xFFFE || cp == 0xFFFF) {
      continue;
    } else if (blank && blankBefore && form == Markup::Sheet) {
      out += "<text:s/>";
    } else if (cp == '&') {
      out += "&amp;";
    } else if (cp == '<') {
      out += "&lt;";
    } else if (cp == '>') {
      out += "&gt;";
    } else if (cp == '"') {
      out += "&quot;";
    } else {
      records::appendUtf8(out, cp);
    }
    blankBefore = blank;
  }
  if (form == Markup::Sheet && !out.empty() && out.back() == ' ') {
    out.pop_back();
    out += "<text:s/>";  // a trailing blank is kept too
  }
  return out;
}

// The lines an export holds: the titles, then up to the last data line that
// is not empty.
int lastExportedRow(const Table& table) {
  int last = table.rows() - 1;
  while (last > 0 && table.rowEmpty(last)) --last;
  return last;
}

std::string contentXml(const Table& table) {
  const int last = lastExportedRow(table);
  // One cell style per number format, in the order they first come.
  std::vector<std::pair<int, bool>> forms;
  std::string rows;
  for (int r = 0; r <= last; ++r) {
    rows += "<table:table-row>";
    for (int c = 0; c < kCols; ++c) {
      const std::string& text = table.cell(r, c);
      const auto number = r > 0 ? numberCell(text) : std::nullopt;
      if (number) {
        const std::pair form(number->decimals, number->scientific);
        auto at = std::find(forms.begin(), forms.end(), form);
        if (at == forms.end()) at = forms.insert(forms.end(), form);
        rows += "<table:table-cell table:style-name=\"ce" + std::to_string(at - forms.begin() + 1) +
                "\" office:value-type=\"float\" office:value=\"" + valueText(number->value) + "\"><text:p>" +
                markup(text, Markup::Sheet) + "</text:p></table:table-cell>";
      } else if (!text.empty()) {
        rows += "<table:table-cell office:value-type=\"string\"><text:p>" + markup(text, Markup::Sheet) +
                "</text:p></table:table-cell>";
      } else {
        rows += "<table:table-cell/>";
      }
    }
    rows += "</table:table-row>";
  }
  std::string styles;
  for (std::size_t k = 0; k < forms.size(); ++k) {
    const std::string n = std::to_string(k + 1);
    const auto [decimals, scientific] = forms[k];
    const std::string places = "number:decimal-places=\"" + std::to_string(decimals) + "\"";
    styles += "<number:number-style style:name=\"N" + n + "\">" +
              (scientific ? "<number:scientific-number " + places +
                                " number:min-integer-digits=\"1\" number:min-exponent-digits=\"2\"/>"
                          : "<number:number " + places + " number:min-integer-digits=\"1\"/>") +
              "</number:number-style><style:style style:name=\"ce" + n +
              "\" style:family=\"table-cell\" style:data-style-name=\"N" + n + "\"/>";
  }
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
         "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
         "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
         "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
         "xmlns:number=\"urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0\" office:version=\"1.2\">"
         "<office:automatic-styles>" +
         styles + "</office:automatic-styles><office:body><office:spreadsheet><table:table table:name=\"" +
         std::string(kSheetName) + "\"><table:table-column table:number-columns-repeated=\"" + std::to_string(kCols) +
         "\"/>" + rows + "</table:table></office:spreadsheet></office:body></office:document-content>\n";
}

std::string manifestXml() {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
         "manifest:version=\"1.2\">"
         "<manifest:file-entry manifest:full-path=\"/\" manifest:version=\"1.2\" manifest:media-type=\"" +
         std::string(kOdsType) +
         "\"/>"
         "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>"
         "</manifest:manifest>\n";
}

// A zip archive of the entries in their order, composed in memory; the
// first is stored, the others deflated.
std::optional<std::string> zipArchive(const std::vector<std::pair<std::string, std::string>>& entries) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_error_fini(&error);
  if (!buffer) return std::nullopt;
  zip_error_init(&error);
  zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
  zip_error_fini(&error);
  if (!archive) {
    zip_source_free(buffer);
    return std::nullopt;
  }
  // The buffer outlives the archive, whose closing writes into it.
  zip_source_keep(buffer);
  bool ok = true;
  for (std::size_t k = 0; ok && k < entries.size(); ++k) {
    const auto& [name, data] = entries[k];
    zip_source_t* source = zip_source_buffer(archive, data.data(), data.size(), 0);
    const zip_int64_t index = source ? zip_file_add(archive, name.c_str(), source, 0) : -1;
    if (index < 0) zip_source_free(source);
    ok = index >= 0 && zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                                                k == 0 ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0) == 0;
  }
  if (!ok || zip_close(archive) != 0) {
    zip_discard(archive);
    zip_source_free(buffer);
    return std::nullopt;
  }
  std::optional<std::string> bytes;
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_source_stat(buffer, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) && zip_source_open(buffer) == 0) {
    std::string read(stat.size, '\0');
    if (zip_source_read(buffer, read.data(), read.size()) == static_cast<zip_int64_t>(read.size()))
      bytes = std::move(read);
    zip_source_close(buffer);
  }
  zip_source_free(buffer);
  return bytes;
}

}  // namespace

std::optional<std::string> odsFile(const Table& table) {
  return zipArchive({{"mimetype", std::string(kOdsType)},
                     {"META-INF/manifest.xml", manifestXml()},
                     {"content.xml", contentXml(table)}});
}

bool writeOds(const std::string& path, const Table& table, MessageService& messages, bool askOverReadOnly) {
  fileio::ReadOnlyTarget readOnly;
  if (!msg::mayReplace(path, askOverReadOnly, messages, readOnly)) return false;
  fileio::SaveFailure failure{fileio::SaveCause::System, ENOMEM};
  const auto bytes = odsFile(table);
  const bool ok = bytes && fileio::replaceFile(path, *bytes, nullptr, &failure, readOnly);
  if (!ok) messages.show(msg::writeFailure(path, failure));
  return ok;
}

std::string htmlTable(const Table& table, int firstRow, int lastRow, int firstCol, int lastCol) {
  std::string out =
      "<html><head><meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\"></head><body><table>\n";
  for (int r = firstRow; r <= lastRow; ++r) {
    out += "<tr>";
    for (int c = firstCol; c <= lastCol; ++c) {
      const std::string& text = table.cell(r, c);
      const auto number = r > 0 ? numberCell(text) : std::nullopt;
      // The value and its format in the attributes a spreadsheet reads
      // whatever its locale (1033: the format code's language).
      out += number ? "<td sdval=\"" + valueText(number->value) + "\" sdnum=\"1033;0;" + number->code() + "\">"
                    : std::string("<td>");
      out += markup(text, Markup::Html) + "</td>";
    }
    out += "</tr>\n";
  }
  return out + "</table></body></html>\n";
}

}  // namespace velmira::table
