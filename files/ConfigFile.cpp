#include "files/ConfigFile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "model/Workbench.h"
#include "platform/core/NumberText.h"
#include "platform/core/RecordFile.h"
#include "table/Table.h"

namespace velmira::files {

namespace {

constexpr std::size_t kFirstCellRecord = 28;
// The largest table: 27 + 101 x 5 cells + 5 formulas.
constexpr std::size_t kMaxConfigRecords = 27 + table::kMaxRows * table::kCols + table::kCols;

Message writeFailure() {
  return msg::criticalOk("Ecriture impossible sur disque", "Enregistrement impossible");
}
Message readFailure() {
  return msg::criticalOk("Lecture impossible sur disque", "Erreur lors du chargement du fichier");
}
Message notConfiguration() {
  return msg::criticalOk("Ce fichier ne correspond pas \xC3\xA0 cette application", "Fichier non valide");
}

template <typename Selected>
std::string selection(int count, Selected selected) {
  std::string s;
  for (int i = 0; i < count; ++i) s += selected(i) ? '1' : '0';
  return s;
}

// Writes through a temporary file beside the target, so that a failed save
// leaves an existing file whole; falls back to writing in place when the
// folder refuses new files.
bool replaceFile(const std::string& path, const std::string& bytes) {
  const std::string tmp = path + ".enregistrement~";
  if (records::writeFile(tmp, bytes)) {
    std::error_code ec;
    std::filesystem::rename(tmp, path, ec);
    if (!ec) return true;
    std::filesystem::remove(tmp, ec);
  }
  return records::writeFile(path, bytes);
}

}  // namespace

std::vector<std::string> configRecords(const model::Workbench& wb, const table::Table& table) {
  std::vector<std::string> r;
  r.reserve(27 + table::kMaxRows * table::kCols + table::kCols);
  r.push_back(kSignature);
  r.push_back(table.masque);
  for (int k = 0; k < model::kKnobs; ++k) r.push_back(wb.knobTag(k));
  r.push_back(wb.soluteTag(0));
  r.push_back(wb.soluteTag(1));
  for (int c = 1; c <= table::kCols; ++c) r.push_back(num::plain(table.saisieauto[c]));
  for (int i = 0; i < model::kEntries; ++i) r.push_back(wb.entryText(i));
  r.push_back(selection(model::kOption4, [&](int i) { return wb.option4(i); }));
  r.push_back(selection(model::kOption5, [&](int i) { return wb.option5(i); }));
  r.push_back(selection(model::kOption6, [&](int i) { return wb.option6(i); }));
  r.push_back(wb.option2() ? "1" : "0");
  r.push_back(wb.option3() ? "1" : "0");
  r.push_back(num::plain(table.rows()));
  for (int row = 0; row < table.rows(); ++row)
    for (int c = 0; c < table::kCols; ++c) r.push_back(table.cell(row, c));
  for (int c = 0; c < table::kCols; ++c) r.push_back(table.formules[c]);
  return r;
}

bool ecritconfig(const std::string& path, const model::Workbench& wb, const table::Table& table,
                 MessageService& messages) {
  records::RecordWriter writer;
  const auto recs = configRecords(wb, table);
  writer.reserve(recs.size());
  bool ok = true;
  for (std::size_t n = 0; n < recs.size() && ok; ++n) ok = writer.write(n + 1, recs[n]);
  if (ok) {
    writer.trimLast();
    ok = replaceFile(path, writer.bytes());
  }
  if (!ok) messages.show(writeFailure());
  return ok;
}

bool chargeconfig(const std::string& path, model::Workbench& wb, table::Table& table,
                  MessageService& messages, ConfigHooks* hooks) {
  records::RecordReader file;
  std::error_code ec;
  // A missing file reads as empty, so that the signature check refuses it.
  if (std::filesystem::exists(path, ec) && !file.load(path, kMaxConfigRecords)) {
    messages.show(readFailure());
    return false;
  }
  return chargeconfigFrom(file, wb, table, messages, hooks);
}

bool chargeconfigFrom(const records::RecordReader& file, model::Workbench& wb, table::Table& table,
                      MessageService& messages, ConfigHooks* hooks) {
  const auto signature = file.read(1);
  if (!signature) {
    messages.show(readFailure());
    return false;
  }
  if (*signature != kSignature) {
    messages.show(notConfiguration());
    return false;
  }

  // From here on a damaged record is skipped and the load goes on.
  if (auto s = file.read(2)) table.masque = *s;
  // Each knob is redrawn as it is read, which runs majvolt. Knobs change no
  // selection and no solute, so the same displays are written each time and
  // the last run alone gives the same texts as the six.
  bool knobRead = false;
  for (int k = 0; k < model::kKnobs; ++k) {
    if (auto s = file.read(3 + k)) {
      wb.setKnobTag(k, *s);
      if (hooks) hooks->knobRedrawn(k);
      knobRead = true;
    }
  }
  if (knobRead) wb.majvolt();
  for (int i = 0; i < 2; ++i)
    if (auto s = file.read(9 + i)) wb.setSoluteTag(i, *s);
  for (int c = 1; c <= table::kCols; ++c) {
    if (auto s = file.read(10 + c)) {
      // A code the automatic entry does not know is refused like a failed assignment.
      const double code = num::roundHalfEven(num::leadingValue(*s));
      if (code >= 1 && code <= 5) table.saisieauto[c] = static_cast<std::int16_t>(code);
    }
  }
  for (int i = 0; i < model::kEntries; ++i)
    if (auto s = file.read(16 + i)) wb.setEntryText(i, *s);

  auto applySelection = [&](std::size_t record, int count, auto set, auto react) {
    auto s = file.read(record);
    if (!s) return;
    const std::string t = num::trim(*s);
    for (int i = 0; i < count; ++i) {
      const bool on = i < static_cast<int>(t.size()) && t[i] == '1';
      set(i, on);
      if (on) react();
    }
  };
  applySelection(22, model::kOption4, [&](int i, bool on) { wb.setOption4(i, on); }, [&] { wb.majvolt(); });
  applySelection(23, model::kOption5, [&](int i, bool on) { wb.setOption5(i, on); }, [&] { wb.majaff(); });
  applySelection(24, model::kOption6, [&](int i, bool on) { wb.setOption6(i, on); }, [&] { wb.majaff(); });
  auto applyMontage = [&](std::size_t record, auto set) {
    auto s = file.read(record);
    if (!s) return;
    const bool on = num::trim(*s) == "1";
    set(on);
    if (on && hooks) hooks->montageClicked();
  };
  applyMontage(25, [&](bool on) { wb.setOption2(on); });
  applyMontage(26, [&](bool on) { wb.setOption3(on); });

  if (auto s = file.read(27)) {
    // A count the table cannot hold (2..101 rows) is refused like a failed assignment.
    const double v = num::leadingValue(*s);
    if (v > 1) {
      const double rows = num::roundHalfEven(v);
      if (rows >= table::kMinRows && rows <= table::kMaxRows) table.setRows(static_cast<int>(rows));
    }
  }
  std::size_t n = kFirstCellRecord - 1;
  for (int row = 0; row < table.rows(); ++row)
    for (int c = 0; c < table::kCols; ++c)
      if (auto s = file.read(++n)) table.setCell(row, c, *s);
  for (int c = 0; c < table::kCols; ++c)
    if (auto s = file.read(++n)) table.formules[c] = *s;

  wb.majaff();
  return true;
}

}  // namespace velmira::files
