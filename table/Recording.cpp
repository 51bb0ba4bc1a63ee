// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/Recording.h"

#include "model/Workbench.h"
#include "table/Table.h"

namespace velmira::table {

namespace {

int concentrationOf(int bench) { return bench == 1 ? model::Concentration1 : model::Concentration2; }

}  // namespace

std::string recordedText(const model::Workbench& wb, int bench, int code) {
  switch (code) {
    case kEntryConcentration:
      if (bench == kMixtureBench || wb.concealed(concentrationOf(bench))) return std::string();
      return wb.entryText(concentrationOf(bench));
    case kEntryAmmeter:
      return wb.display(model::Meter::Ammeter, bench);
    case kEntryVoltmeter:
      return wb.display(model::Meter::Voltmeter, bench);
    case kEntryConductimeter:
      return wb.display(model::Meter::Conductimeter, bench);
    case kEntryVolume1:
      return wb.entryText(model::Volume1);
    case kEntryVolume2:
      return wb.entryText(model::Volume2);
    default:
      return std::string();
  }
}

bool canRecord(const model::Workbench& wb, int bench) { return bench != kMixtureBench || wb.mixturePossible(); }

int firstFreeLine(const Table& table) {
  for (int r = 1; r < table.rows(); ++r)
    if (table.rowEmpty(r)) return r;
  return 0;
}

bool record(Table& table, const model::Workbench& wb, int bench, MessageService& messages, bool* leftConcealed) {
  const int line = firstFreeLine(table);
  if (line == 0) {
    messages.show(msg::criticalOk(
        VELMIRA_TEXT("velmira::msg", "Ajouter des lignes dans le tableau : il n'y a plus de ligne de libre."),
        VELMIRA_TEXT("velmira::msg", "Tableau plein")));
    return false;
  }
  for (int c = 0; c < kCols; ++c) {
    if (leftConcealed && table.autoEntry(c) == kEntryConcentration && bench != kMixtureBench &&
        wb.concealed(concentrationOf(bench)))
      *leftConcealed = true;
    table.setCell(line, c, recordedText(wb, bench, table.autoEntry(c)));
    table.setCurrent(line, c);
    table.cellCheck();
  }
  return true;
}

void followMontage(Table& table, bool conductimeter) {
  const auto& now = conductimeter ? kConductimeterAutoEntry : kDefaultAutoEntry;
  const auto& other = conductimeter ? kDefaultAutoEntry : kConductimeterAutoEntry;
  for (int r = 1; r < table.rows(); ++r)
    if (!table.rowEmpty(r)) return;
  for (int c = 0; c < kCols; ++c)
    if (table.autoEntry(c) != other[static_cast<std::size_t>(c)]) return;
  for (int c = 0; c < kCols; ++c) table.setAutoEntry(c, now[static_cast<std::size_t>(c)]);
}

Message concealedNotRecorded() {
  return msg::information(
      VELMIRA_TEXT("velmira::msg", "Cette concentration est inconnue : elle n'est pas recopiée dans le tableau."),
      VELMIRA_TEXT("velmira::msg", "Concentration inconnue"));
}

std::string autoEntryCaption(int code) {
  static const char* const kCaptions[kEntryCodes] = {
      "Vide",      "Concentration", "Écran de l'ampèremètre", "Écran du voltmètre", "Écran du conductimètre",
      "Volume V1", "Volume V2"};
  return code >= kEntryEmpty && code <= kEntryCodes ? kCaptions[code - 1] : std::string();
}

}  // namespace velmira::table
