// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ConfigFile.h"

#include <algorithm>
#include <cmath>

#include "files/ConfigLayout.h"
#include "files/ExtensionBlock.h"
#include "files/PupilWork.h"
#include "files/ScatterRecord.h"
#include "model/EntryRules.h"
#include "model/Knob.h"
#include "model/Workbench.h"
#include "platform/core/NumberText.h"
#include "platform/core/RecordFile.h"
#include "platform/core/SafeFile.h"
#include "table/Table.h"
#include "table/TableCommands.h"

namespace velmira::files {

namespace {

template <typename Selected>
std::string selection(int count, Selected selected) {
  std::string s;
  for (int i = 0; i < count; ++i) s += selected(i) ? '1' : '0';
  return s;
}

// A knob that a damaged or hand-made file leaves outside 0..0.6 is limited.
std::string knobInRange(const std::string& tag) {
  const auto r = num::leading(tag);
  if (r.overflow) return "0";
  if (r.value < 0) return "0";
  if (r.value > model::kKnobMax) return "0.6";
  return tag;
}

}  // namespace

std::vector<std::string> configRecords(const model::Workbench& wb, const table::Table& table) {
  std::vector<std::string> r;
  r.reserve(configRecordCount(table.rows()));
  for (const ConfigRecords& group : kConfigLayout) {
    switch (group.item) {
      case ConfigItem::Signature:
        r.push_back(kSignature);
        break;
      case ConfigItem::Mask:
        r.push_back(table.mask());
        break;
      case ConfigItem::Knobs:
        for (int k = 0; k < model::kKnobs; ++k) r.push_back(wb.knobTag(k));
        break;
      case ConfigItem::Solutes:
        for (int s = 0; s < 2; ++s) r.push_back(wb.soluteTag(s));
        break;
      case ConfigItem::AutoEntries:
        for (int c = 0; c < table::kCols; ++c) r.push_back(num::plain(table.autoEntry(c)));
        break;
      case ConfigItem::Entries:
        for (int i = 0; i < model::kEntries; ++i) r.push_back(wb.entryText(i));
        break;
      case ConfigItem::VoltmeterCalibres:
        r.push_back(selection(model::kVoltmeterCalibres, [&](int i) { return wb.voltmeterCalibre(i); }));
        break;
      case ConfigItem::AmmeterCalibres:
        r.push_back(selection(model::kAmmeterCalibres, [&](int i) { return wb.ammeterCalibre(i); }));
        break;
      case ConfigItem::ConductimeterRanges:
        r.push_back(selection(model::kConductimeterRanges, [&](int i) { return wb.conductimeterRange(i); }));
        break;
      case ConfigItem::GeneratorMontage:
        r.push_back(wb.generatorMontage() ? "1" : "0");
        break;
      case ConfigItem::ConductimeterMontage:
        r.push_back(wb.conductimeterMontage() ? "1" : "0");
        break;
      case ConfigItem::Rows:
        r.push_back(num::plain(table.rows()));
        break;
      case ConfigItem::Cells:
        // The titles in the form Windows-1252 holds; titleItems keeps them as typed.
        for (int c = 0; c < table::kCols; ++c)
          r.push_back(table::storedTitle(table.cell(0, c)).value_or(table.cell(0, c)));
        for (int row = 1; row < table.rows(); ++row)
          for (int c = 0; c < table::kCols; ++c) r.push_back(table.cell(row, c));
        break;
      case ConfigItem::Formulas:
        for (int c = 0; c < table::kCols; ++c) r.push_back(table.formula(c));
        break;
    }
  }
  return r;
}

std::string titleKey(int col) { return "titre" + std::to_string(col + 1); }

bool keepTitles(ExtensionItems& items, const table::Table& table) {
  for (int c = 0; c < table::kCols; ++c) {
    const std::string& title = table.cell(0, c);
    if (table::storedTitle(title).value_or(title) == title)
      items.erase(titleKey(c));
    else if (!items.set(titleKey(c), title))
      return false;
  }
  return true;
}

std::optional<std::string> configurationBytes(const model::Workbench& wb, const table::Table& table,
                                              const ExtensionItems& extension) {
  records::RecordWriter writer;
  auto recs = configRecords(wb, table);
  maskHiddenRecords(recs, extension);
  writer.reserve(recs.size());
  for (std::size_t n = 0; n < recs.size(); ++n)
    if (!writer.write(n + 1, recs[n])) return std::nullopt;
  ExtensionItems items = extension;
  if (!keepTitles(items, table)) return std::nullopt;
  if (wb.scatter().on) keepScatter(items, wb.scatter());
  writeExtension(writer, recs.size() + 1, items);
  writer.trimLast();
  return writer.bytes();
}

bool writeConfiguration(const std::string& path, const model::Workbench& wb, const table::Table& table,
                        MessageService& messages, bool askOverReadOnly, const ExtensionItems& extension) {
  fileio::ReadOnlyTarget readOnly;
  if (!msg::mayReplace(path, askOverReadOnly, messages, readOnly)) return false;
  fileio::SaveFailure failure{fileio::SaveCause::UnfitText};
  const auto bytes = configurationBytes(wb, table, extension);
  const bool ok = bytes && fileio::replaceFile(path, *bytes, nullptr, &failure, readOnly);
  if (!ok) messages.show(msg::writeFailure(path, failure));
  return ok;
}

Message readFailureMessage(ReadFailure failure) {
  return failure == ReadFailure::NotConfiguration ? msg::notConfiguration() : msg::readFailure();
}

std::variant<Configuration, ReadFailure> parseConfigurationFile(const std::string& path, int rowsWhenRefused) {
  records::RecordReader file;
  // A missing file reads as empty, so that the signature check refuses it.
  // The records a file of the most rows has, then its extension block and
  // the record that shows whether the block goes on past its limit.
  constexpr std::size_t kMostRecords = configRecordCount(table::kMaxRows) + kMaxExtensionRecords + 1;
  if (fileio::exists(path) && !file.load(path, kMostRecords)) return ReadFailure::Unreadable;
  return parseConfiguration(file, rowsWhenRefused);
}

std::variant<Configuration, ReadFailure> parseConfiguration(const records::RecordReader& file, int rowsWhenRefused) {
  const auto signature = file.read(firstRecord(ConfigItem::Signature));
  if (!signature) return ReadFailure::Unreadable;
  if (*signature != kSignature) return ReadFailure::NotConfiguration;

  // From here on a damaged record is skipped and the load goes on.
  Configuration c;
  auto read = [&](ConfigItem item, std::size_t k = 0) { return file.read(firstRecord(item) + k); };
  // Only the masks the table offers: another one could make cells too long to save.
  if (auto s = read(ConfigItem::Mask)) c.mask = table::maskOption(*s) ? *s : std::string(table::kDefaultMask);
  for (int k = 0; k < model::kKnobs; ++k)
    if (auto s = read(ConfigItem::Knobs, k)) c.knobs[k] = knobInRange(*s);
  for (int i = 0; i < 2; ++i) c.solutes[i] = read(ConfigItem::Solutes, i);
  for (int col = 0; col < table::kCols; ++col) {
    if (auto s = read(ConfigItem::AutoEntries, col)) {
      // A code the automatic entry does not know is refused like a failed
      // assignment: the column keeps its current code.
      const double code = num::roundHalfEven(num::leadingValue(*s));
      if (code >= int{table::kEntryEmpty} && code <= table::kEntryCodes) c.autoEntries[col] = static_cast<int>(code);
    }
  }
  for (int i = 0; i < model::kEntries; ++i) c.entries[i] = read(ConfigItem::Entries, i);
  auto selection = [&](ConfigItem item, int count) -> std::optional<std::vector<bool>> {
    auto s = read(item);
    if (!s) return std::nullopt;
    const std::string t = num::trim(*s);
    std::vector<bool> on(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) on[i] = i < static_cast<int>(t.size()) && t[i] == '1';
    return on;
  };
  c.voltmeterCalibres = selection(ConfigItem::VoltmeterCalibres, model::kVoltmeterCalibres);
  c.ammeterCalibres = selection(ConfigItem::AmmeterCalibres, model::kAmmeterCalibres);
  c.conductimeterRanges = selection(ConfigItem::ConductimeterRanges, model::kConductimeterRanges);
  if (auto s = read(ConfigItem::GeneratorMontage)) c.generatorMontage = num::trim(*s) == "1";
  if (auto s = read(ConfigItem::ConductimeterMontage)) c.conductimeterMontage = num::trim(*s) == "1";

  if (auto s = read(ConfigItem::Rows)) {
    // A count the table cannot hold (2..101 rows) is refused like a failed assignment.
    const double v = num::leadingValue(*s);
    if (v > 1) {
      const double rows = num::roundHalfEven(v);
      if (rows >= table::kMinRows && rows <= table::kMaxRows) c.rows = static_cast<int>(rows);
    }
  }
  c.cellRows = c.rows.value_or(rowsWhenRefused);
  std::size_t n = firstRecord(ConfigItem::Cells);
  c.cells.reserve(static_cast<std::size_t>(c.cellRows) * table::kCols);
  for (int k = 0; k < c.cellRows * table::kCols; ++k, ++n) c.cells.push_back(file.read(n));
  for (int col = 0; col < table::kCols; ++col, ++n) c.formulas[col] = file.read(n);

  ExtensionRead extension = readExtension(file, n);
  c.extension = std::move(extension.items);
  c.extensionDamaged = extension.damaged;
  return c;
}

void applyConfiguration(const Configuration& c, model::Workbench& wb, table::Table& table) {
  // What this configuration hides, and the scatter it asks for, are revealHidden's to say.
  wb.setScatter({});
  wb.setConcealed(model::Concentration1, false);
  wb.setConcealed(model::Concentration2, false);
  wb.setSoluteConcealed(false);
  if (c.mask) table.setMask(*c.mask);
  // Each knob's click runs updateVoltmeters. Knobs change no selection and no
  // solute, so the same displays are written each time and the last run
  // alone gives the same texts as the six.
  bool knobRead = false;
  for (int k = 0; k < model::kKnobs; ++k) {
    if (c.knobs[k]) {
      wb.setKnobTag(k, *c.knobs[k]);
      knobRead = true;
    }
  }
  if (knobRead) wb.updateVoltmeters();
  for (int i = 0; i < 2; ++i)
    if (c.solutes[i]) wb.setSoluteTag(i, *c.solutes[i]);
  for (int col = 0; col < table::kCols; ++col)
    if (c.autoEntries[col]) table.setAutoEntry(col, *c.autoEntries[col]);
  for (int i = 0; i < model::kEntries; ++i)
    if (c.entries[i]) wb.setEntryText(i, *c.entries[i]);
  // Entries outside their range come back into it, as validation would.
  model::bringIntoRange(wb);

  auto applySelection = [](const std::optional<std::vector<bool>>& on, auto set, auto react) {
    if (!on) return;
    for (std::size_t i = 0; i < on->size(); ++i) {
      set(static_cast<int>(i), (*on)[i]);
      if ((*on)[i]) react();
    }
  };
  applySelection(
      c.voltmeterCalibres, [&](int i, bool on) { wb.setVoltmeterCalibre(i, on); }, [&] { wb.updateVoltmeters(); });
  applySelection(
      c.ammeterCalibres, [&](int i, bool on) { wb.setAmmeterCalibre(i, on); }, [&] { wb.updateMeters(); });
  applySelection(
      c.conductimeterRanges, [&](int i, bool on) { wb.setConductimeterRange(i, on); }, [&] { wb.updateMeters(); });
  if (c.generatorMontage) wb.setGeneratorMontage(*c.generatorMontage);
  if (c.conductimeterMontage) wb.setConductimeterMontage(*c.conductimeterMontage);

  if (c.rows) table.setRows(*c.rows);
  // Cells laid out for another row count than the table's fill what they reach.
  for (int row = 0; row < c.cellRows && row < table.rows(); ++row)
    for (int col = 0; col < table::kCols; ++col)
      if (const auto& s = c.cells[static_cast<std::size_t>(row * table::kCols + col)]) table.setCell(row, col, *s);
  for (int col = 0; col < table::kCols; ++col)
    if (c.formulas[col]) table.setFormula(col, *c.formulas[col]);
  // A title as typed, while its record still holds its stored form (an
  // older program may have renamed the column since).
  for (int col = 0; col < table::kCols; ++col)
    if (const std::string* typed = c.extension.find(titleKey(col));
        typed && table.rows() > 0 && table::storedTitle(*typed) == table.cell(0, col))
      table.setCell(0, col, *typed);

  wb.updateMeters();
}

std::optional<Configuration> readConfiguration(const std::string& path, model::Workbench& wb, table::Table& table,
                                               MessageService& messages) {
  return applyRead(parseConfigurationFile(path, table.rows()), wb, table, messages);
}

std::optional<Configuration> applyRead(std::variant<Configuration, ReadFailure> parsed, model::Workbench& wb,
                                       table::Table& table, MessageService& messages) {
  if (const auto* failure = std::get_if<ReadFailure>(&parsed)) {
    messages.show(readFailureMessage(*failure));
    return std::nullopt;
  }
  auto& configuration = std::get<Configuration>(parsed);
  applyConfiguration(configuration, wb, table);
  if (configuration.extensionDamaged) messages.show(extensionDamaged());
  return std::move(configuration);
}

}  // namespace velmira::files
