// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ClassMarking.h"

#include <algorithm>

#include "files/ConfigFile.h"
#include "model/Marking.h"
#include "platform/core/NumberText.h"
#include "platform/core/RecordFile.h"
#include "platform/core/SafeFile.h"
#include "table/TableText.h"

namespace velmira::files {

namespace {

WorkFile unreadable(std::string cause) {
  WorkFile f;
  f.state = WorkFileState::Unreadable;
  f.cause = std::move(cause);
  return f;
}

WorkFile fromParsed(std::variant<Configuration, ReadFailure> parsed) {
  if (const auto* failure = std::get_if<ReadFailure>(&parsed)) return unreadable(readFailureMessage(*failure).text);
  auto& configuration = std::get<Configuration>(parsed);
  if (configuration.extensionDamaged) return unreadable(extensionDamaged().text);
  WorkFile f;
  const auto work = readWork(configuration.extension);
  if (!work) return f;
  f.state = WorkFileState::Work;
  f.work = *work;
  f.items = std::move(configuration.extension);
  return f;
}

// A number text as the class table shows it: no blanks, the chosen separator.
std::string shownNumber(std::string text, bool decimalComma) {
  text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
  std::replace(text.begin(), text.end(), decimalComma ? '.' : ',', decimalComma ? ',' : '.');
  return text;
}

}  // namespace

WorkFile readWorkBytes(const std::string& bytes) {
  records::RecordReader reader;
  reader.setBytes(bytes);
  return fromParsed(parseConfiguration(reader, table::kDefaultRows));
}

WorkFile readWorkFile(const std::string& path) {
  if (!fileio::exists(path)) return unreadable("fichier introuvable");
  if (!fileio::isRegularFile(path)) return unreadable("pas un fichier ordinaire");
  return fromParsed(parseConfigurationFile(path, table::kDefaultRows));
}

std::vector<Hidden> damagedHidden(const WorkFile& file) {
  std::vector<Hidden> damaged;
  for (Hidden h : kHiddenItems) {
    bool d = false;
    hiddenValue(file.items, h, &d);
    if (d) damaged.push_back(h);
  }
  return damaged;
}

ClassTable classTable(const std::vector<std::pair<std::string, WorkFile>>& files, bool decimalComma) {
  std::vector<Hidden> hidden;
  std::size_t results = 0;
  for (Hidden h : kHiddenItems)
    if (std::any_of(files.begin(), files.end(), [&](const auto& f) { return f.second.items.find(hiddenKey(h)); }))
      hidden.push_back(h);
  for (const auto& [name, f] : files) results = std::max(results, f.work.results.results.size());

  ClassTable t;
  t.header = {"fichier", "nom", "exercice"};
  for (Hidden h : hidden) t.header.push_back(hiddenName(h));
  for (std::size_t k = 1; k <= results; ++k) {
    const std::string n = std::to_string(k);
    for (const std::string& column :
         {"attendu " + n, "donné " + n, "u " + n, "écart " + n + " (%)", "z " + n, "verdict " + n})
      t.header.push_back(column);
  }

  for (const auto& [name, f] : files) {
    ClassRow row{name, f.state, f.cause, {}};
    if (f.state == WorkFileState::Work) {
      row.cells = {f.work.name, f.work.exercise};
      for (Hidden h : hidden) {
        const auto value = hiddenValue(f.items, h);
        row.cells.push_back(value ? shownNumber(*value, decimalComma) : std::string());
      }
      const double tolerance = tolerancePercent(f.work.results);
      for (std::size_t k = 0; k < results; ++k) {
        const bool asked = k < f.work.results.results.size();
        const auto expected = asked ? expectedValue(f.items, f.work.results.results[k].expected) : std::nullopt;
        const GivenResult& given = f.work.given[k];
        const auto givenValue = readTypedNumber(given.value);
        model::Mark mark;
        if (expected)
          mark = model::markResult(*readTypedNumber(*expected), givenValue, readTypedNumber(given.u), tolerance);
        row.cells.push_back(expected ? shownNumber(*expected, decimalComma) : std::string());
        row.cells.push_back(givenValue ? shownNumber(given.value, decimalComma) : std::string());
        row.cells.push_back(givenValue && readTypedNumber(given.u) ? shownNumber(given.u, decimalComma)
                                                                   : std::string());
        row.cells.push_back(model::markFigure(mark.deviationPercent, decimalComma));
        row.cells.push_back(model::markFigure(mark.z, decimalComma));
        row.cells.push_back(model::verdictText(mark.verdict));
      }
    }
    t.rows.push_back(std::move(row));
  }
  return t;
}

namespace {

std::vector<std::vector<std::string>> lines(const ClassTable& table) {
  std::vector<std::vector<std::string>> out{table.header};
  for (const ClassRow& r : table.rows) {
    std::vector<std::string> line{r.file};
    if (r.state == WorkFileState::Work)
      line.insert(line.end(), r.cells.begin(), r.cells.end());
    else
      line.push_back(r.state == WorkFileState::NotWork ? kNotWork : kUnreadable + r.cause);
    out.push_back(std::move(line));
  }
  return out;
}

}  // namespace

std::string classTableText(const ClassTable& table) {
  std::string out;
  for (const auto& line : lines(table)) {
    for (std::size_t c = 0; c < line.size(); ++c) {
      // A text edited by hand must not split its line or its cell.
      std::string cell = line[c];
      std::replace_if(
          cell.begin(), cell.end(), [](char ch) { return ch == '\t' || ch == '\r' || ch == '\n'; }, ' ');
      out += (c ? "\t" : "") + cell;
    }
    out += '\n';
  }
  return out;
}

std::string classTableCsv(const ClassTable& table) { return table::csv(lines(table)); }

}  // namespace velmira::files
