#include "table/TableText.h"

#include <algorithm>
#include <vector>

#include "platform/core/NumberText.h"
#include "table/Table.h"

namespace velmira::table {

namespace {

std::vector<std::string_view> split(std::string_view text, char sep) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const auto at = text.find(sep, start);
    parts.push_back(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
    if (at == std::string_view::npos) break;
    start = at + 1;
  }
  return parts;
}

// A pasted text as a cell text to check: "." taken for the decimal point
// when no "," is there, blanks (also no-break ones) dropped.
std::string pastedCell(std::string_view text) {
  std::string s;
  s.reserve(std::min<std::size_t>(text.size(), 64));
  const bool comma = text.find(',') != std::string_view::npos;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == ' ' || c == '\t' || c == '"') continue;
    if (c == '\xC2' && i + 1 < text.size() && (text[i + 1] == '\xA0')) {
      ++i;
      continue;
    }
    s += (c == '.' && !comma) ? ',' : c;
    // A number never needs this many characters: the rest cannot make it one.
    if (s.size() > 64) return std::string();
  }
  return s;
}

}  // namespace

std::string tabSeparated(const Table& table, int firstRow, int lastRow, int firstCol, int lastCol) {
  std::string out;
  for (int r = firstRow; r <= lastRow; ++r) {
    for (int c = firstCol; c <= lastCol; ++c) {
      if (c > firstCol) out += '\t';
      out += table.cell(r, c);
    }
    out += "\r\n";
  }
  return out;
}

std::string tabSeparated(const Table& table) { return tabSeparated(table, 0, table.rows() - 1, 0, kCols - 1); }

int paste(Table& table, std::string_view text) {
  auto lines = split(text, '\n');
  // The line end after the last line opens no line.
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  const int row0 = table.row(), col0 = table.col();
  const int room = kMaxRows - row0;
  const int count = static_cast<int>(lines.size());
  const int kept = std::min(count, room);
  if (row0 + kept > table.rows()) table.setRows(row0 + kept);
  for (int i = 0; i < kept; ++i) {
    std::string_view line = lines[static_cast<std::size_t>(i)];
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const char sep = line.find('\t') == std::string_view::npos && line.find(';') != std::string_view::npos ? ';' : '\t';
    const auto cells = split(line, sep);
    for (int k = 0; k < static_cast<int>(cells.size()) && col0 + k < kCols; ++k)
      table.setCell(row0 + i, col0 + k, Table::checkedText(pastedCell(cells[static_cast<std::size_t>(k)]), table.mask()));
  }
  return count - kept;
}

std::string csv(const Table& table) {
  std::string out = "\xEF\xBB\xBF";
  for (int r = 0; r < table.rows(); ++r) {
    for (int c = 0; c < kCols; ++c) {
      if (c > 0) out += ';';
      const std::string& cell = table.cell(r, c);
      if (cell.find_first_of(";\"\r\n") == std::string::npos) {
        out += cell;
      } else {
        out += '"';
        for (char ch : cell) {
          if (ch == '"') out += '"';
          out += ch;
        }
        out += '"';
      }
    }
    out += "\r\n";
  }
  return out;
}

std::string columnName(const Table& table, int col) {
  std::string name = num::trim(table.cell(0, col));
  return name.empty() ? "C" + std::to_string(col + 1) : name;
}

std::vector<std::vector<std::string>> printedLines(const Table& table) {
  int last = 0;
  for (int row = 1; row < table.rows(); ++row)
    for (int col = 0; col < kCols; ++col)
      if (!num::trim(table.cell(row, col)).empty()) last = row;
  std::vector<std::vector<std::string>> lines;
  for (int row = 0; row <= last; ++row) {
    std::vector<std::string> line;
    for (int col = 0; col < kCols; ++col) line.push_back(row == 0 ? columnName(table, col) : num::trim(table.cell(row, col)));
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace velmira::table
