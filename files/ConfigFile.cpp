#include "files/ConfigFile.h"

#include <algorithm>
#include <cmath>

#include "files/ConfigLayout.h"
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
        for (int row = 0; row < table.rows(); ++row)
          for (int c = 0; c < table::kCols; ++c) r.push_back(table.cell(row, c));
        break;
      case ConfigItem::Formulas:
        for (int c = 0; c < table::kCols; ++c) r.push_back(table.formula(c));
        break;
    }
  }
  return r;
}

bool writeConfiguration(const std::string& path, const model::Workbench& wb, const table::Table& table,
                        MessageService& messages, bool askOverReadOnly) {
  fileio::ReadOnlyTarget readOnly;
  if (!msg::mayReplace(path, askOverReadOnly, messages, readOnly)) return false;
  records::RecordWriter writer;
  const auto recs = configRecords(wb, table);
  writer.reserve(recs.size());
  fileio::SaveFailure failure{fileio::SaveCause::UnfitText};
  bool ok = true;
  for (std::size_t n = 0; n < recs.size() && ok; ++n) ok = writer.write(n + 1, recs[n]);
  if (ok) {
    writer.trimLast();
    ok = fileio::replaceFile(path, writer.bytes(), nullptr, &failure, readOnly);
  }
  if (!ok) messages.show(msg::writeFailure(path, failure));
  return ok;
}

bool readConfiguration(const std::string& path, model::Workbench& wb, table::Table& table, MessageService& messages,
                       ConfigHooks* hooks) {
  records::RecordReader file;
  // A missing file reads as empty, so that the signature check refuses it.
  if (fileio::exists(path) && !file.load(path, configRecordCount(table::kMaxRows))) {
    messages.show(msg::readFailure());
    return false;
  }
  return readConfigurationFrom(file, wb, table, messages, hooks);
}

bool readConfigurationFrom(const records::RecordReader& file, model::Workbench& wb, table::Table& table,
                           MessageService& messages, ConfigHooks* hooks) {
  const auto signature = file.read(firstRecord(ConfigItem::Signature));
  if (!signature) {
    messages.show(msg::readFailure());
    return false;
  }
  if (*signature != kSignature) {
    messages.show(msg::notConfiguration());
    return false;
  }

  // From here on a damaged record is skipped and the load goes on.
  auto read = [&](ConfigItem item, std::size_t k = 0) { return file.read(firstRecord(item) + k); };
  // Only the masks the table offers: another one could make cells too long to save.
  if (auto s = read(ConfigItem::Mask)) table.setMask(table::maskOption(*s) ? *s : std::string(table::kDefaultMask));
  // Each knob is redrawn as it is read, which runs updateVoltmeters. Knobs change no
  // selection and no solute, so the same displays are written each time and
  // the last run alone gives the same texts as the six.
  bool knobRead = false;
  for (int k = 0; k < model::kKnobs; ++k) {
    if (auto s = read(ConfigItem::Knobs, k)) {
      wb.setKnobTag(k, knobInRange(*s));
      if (hooks) hooks->knobRedrawn(k);
      knobRead = true;
    }
  }
  if (knobRead) wb.updateVoltmeters();
  for (int i = 0; i < 2; ++i)
    if (auto s = read(ConfigItem::Solutes, i)) wb.setSoluteTag(i, *s);
  for (int c = 0; c < table::kCols; ++c) {
    if (auto s = read(ConfigItem::AutoEntries, c)) {
      // A code the automatic entry does not know is refused like a failed
      // assignment: the column keeps its current code and the load goes on.
      const double code = num::roundHalfEven(num::leadingValue(*s));
      if (code >= int{table::kEntryEmpty} && code <= table::kEntryCodes) table.setAutoEntry(c, static_cast<int>(code));
    }
  }
  for (int i = 0; i < model::kEntries; ++i)
    if (auto s = read(ConfigItem::Entries, i)) wb.setEntryText(i, *s);
  // Entries outside their range come back into it, as validation would.
  model::bringIntoRange(wb);

  auto applySelection = [&](ConfigItem item, int count, auto set, auto react) {
    auto s = read(item);
    if (!s) return;
    const std::string t = num::trim(*s);
    for (int i = 0; i < count; ++i) {
      const bool on = i < static_cast<int>(t.size()) && t[i] == '1';
      set(i, on);
      if (on) react();
    }
  };
  applySelection(
      ConfigItem::VoltmeterCalibres, model::kVoltmeterCalibres, [&](int i, bool on) { wb.setVoltmeterCalibre(i, on); },
      [&] { wb.updateVoltmeters(); });
  applySelection(
      ConfigItem::AmmeterCalibres, model::kAmmeterCalibres, [&](int i, bool on) { wb.setAmmeterCalibre(i, on); },
      [&] { wb.updateMeters(); });
  applySelection(
      ConfigItem::ConductimeterRanges, model::kConductimeterRanges,
      [&](int i, bool on) { wb.setConductimeterRange(i, on); }, [&] { wb.updateMeters(); });
  auto applyMontage = [&](ConfigItem item, auto set) {
    auto s = read(item);
    if (!s) return;
    const bool on = num::trim(*s) == "1";
    set(on);
    if (on && hooks) hooks->montageClicked();
  };
  applyMontage(ConfigItem::GeneratorMontage, [&](bool on) { wb.setGeneratorMontage(on); });
  applyMontage(ConfigItem::ConductimeterMontage, [&](bool on) { wb.setConductimeterMontage(on); });

  if (auto s = read(ConfigItem::Rows)) {
    // A count the table cannot hold (2..101 rows) is refused like a failed assignment.
    const double v = num::leadingValue(*s);
    if (v > 1) {
      const double rows = num::roundHalfEven(v);
      if (rows >= table::kMinRows && rows <= table::kMaxRows) table.setRows(static_cast<int>(rows));
    }
  }
  std::size_t n = firstRecord(ConfigItem::Cells);
  for (int row = 0; row < table.rows(); ++row)
    for (int c = 0; c < table::kCols; ++c, ++n)
      if (auto s = file.read(n)) table.setCell(row, c, *s);
  for (int c = 0; c < table::kCols; ++c, ++n)
    if (auto s = file.read(n)) table.setFormula(c, *s);

  wb.updateMeters();
  return true;
}

}  // namespace velmira::files
