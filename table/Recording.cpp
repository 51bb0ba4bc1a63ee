#include "table/Recording.h"

#include "model/Workbench.h"
#include "table/Table.h"

namespace velmira::table {

std::string recordedText(const model::Workbench& wb, int bench, int code) {
  switch (code) {
    case kEntryConcentration:
      if (bench == kMixtureBench) return std::string();
      return wb.entryText(bench == 1 ? model::Concentration1 : model::Concentration2);
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

bool record(Table& table, const model::Workbench& wb, int bench, MessageService& messages) {
  const int line = firstFreeLine(table);
  if (line == 0) {
    messages.show(
        msg::criticalOk("Ajouter des lignes dans le tableau : il n'y a plus de ligne de libre.", "Tableau plein"));
    return false;
  }
  for (int c = 0; c < kCols; ++c) {
    table.setCell(line, c, recordedText(wb, bench, table.autoEntry(c)));
    table.setCurrent(line, c);
    table.cellCheck();
  }
  return true;
}

std::string autoEntryCaption(int code) {
  static const char* const kCaptions[kEntryCodes] = {
      "Vide",      "Concentration", "Écran de l'ampèremètre", "Écran du voltmètre", "Écran du conductimètre",
      "Volume V1", "Volume V2"};
  return code >= kEntryEmpty && code <= kEntryCodes ? kCaptions[code - 1] : std::string();
}

}  // namespace velmira::table
