// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/TableText.h"

#include <algorithm>
#include <vector>

#include "platform/core/NumberText.h"
#include "table/Table.h"

namespace velmira::table {

namespace {

// At most maxParts parts: the rest of the text is left out.
std::vector<std::string_view> split(std::string_view text, char sep, int maxParts) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (static_cast<int>(parts.size()) < maxParts) {
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

// A cell with nothing but blanks and quotes.
bool blankCell(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == ' ' || c == '\t' || c == '"') continue;
    if (c == '\xC2' && i + 1 < text.size() && text[i + 1] == '\xA0') {
      ++i;
      continue;
    }
    return false;
  }
  return true;
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

PastedText pastedText(std::string_view text) {
  PastedText pasted;
  std::size_t start = 0;
  while (start < text.size()) {
    const auto end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    start = end == std::string_view::npos ? text.size() : end + 1;
    ++pasted.lineCount;
    if (pasted.lines.size() >= static_cast<std::size_t>(kMaxRows)) continue;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const char sep = line.find('\t') == std::string_view::npos && line.find(';') != std::string_view::npos ? ';' : '\t';
    auto cells = split(line, sep, kCols);
    pasted.lines.push_back(std::move(cells));
  }
  return pasted;
}

bool isTitleLine(const PastedLine& line) {
  bool text = false;
  for (std::string_view cell : line) {
    if (blankCell(cell)) continue;
    if (num::readSingle(pastedCell(cell))) return false;
    text = true;
  }
  return text;
}

bool beginsWithHeader(const PastedText& text) {
  if (text.lines.size() < 2 || !isTitleLine(text.lines[0])) return false;
  const PastedLine& next = text.lines[1];
  return std::any_of(next.begin(), next.end(), [](std::string_view cell) {
    return !blankCell(cell) && num::readSingle(pastedCell(cell)).has_value();
  });
}

PasteCount paste(Table& table, const PastedText& text) {
  PasteCount count;
  const int row0 = table.row(), col0 = table.col();
  const int kept = std::min(static_cast<int>(text.lines.size()), kMaxRows - row0);
  count.droppedLines = text.lineCount - kept;
  if (row0 + kept > table.rows()) table.setRows(row0 + kept);
  for (int i = 0; i < kept; ++i) {
    const PastedLine& cells = text.lines[static_cast<std::size_t>(i)];
    for (int k = 0; k < static_cast<int>(cells.size()) && col0 + k < kCols; ++k) {
      const std::string_view cell = cells[static_cast<std::size_t>(k)];
      bool scientific = false;
      std::string checked = Table::keptText(pastedCell(cell), table.mask(), &scientific);
      if (checked.empty() && !blankCell(cell)) ++count.notNumbers;
      if (scientific) ++count.scientific;
      table.setCell(row0 + i, col0 + k, std::move(checked));
    }
  }
  return count;
}

std::string csv(const Table& table) {
  int last = table.rows() - 1;
  while (last > 0 && table.rowEmpty(last)) --last;
  std::vector<std::vector<std::string>> lines;
  for (int r = 0; r <= last; ++r) {
    lines.emplace_back();
    for (int c = 0; c < kCols; ++c) lines.back().push_back(table.cell(r, c));
  }
  return csv(lines);
}

std::string csv(const std::vector<std::vector<std::string>>& lines) {
  std::string out = "\xEF\xBB\xBF";
  for (const auto& line : lines) {
    for (std::size_t c = 0; c < line.size(); ++c) {
      if (c > 0) out += ';';
      std::string cell = line[c];
      // A spreadsheet runs a text beginning with one of these as a formula.
      if (!cell.empty() && std::string_view("=+-@").find(cell.front()) != std::string_view::npos &&
          !num::readDouble(cell))
        cell.insert(0, 1, '\'');
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

std::string spokenCell(const Table& table, int row, int col) {
  const std::string key = "C" + std::to_string(col + 1);
  const std::string title = num::trim(table.cell(0, col));
  const std::string text = num::trim(table.cell(row, col));
  return (title.empty() || title == key ? key : key + " " + title) + ", ligne " + std::to_string(row) + " : " +
         (text.empty() ? "vide" : text);
}

std::vector<std::vector<std::string>> printedLines(const Table& table) {
  int last = 0;
  for (int row = 1; row < table.rows(); ++row)
    for (int col = 0; col < kCols; ++col)
      if (!num::trim(table.cell(row, col)).empty()) last = row;
  std::vector<std::vector<std::string>> lines;
  for (int row = 0; row <= last; ++row) {
    std::vector<std::string> line;
    for (int col = 0; col < kCols; ++col)
      line.push_back(row == 0 ? columnName(table, col) : num::trim(table.cell(row, col)));
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace velmira::table
