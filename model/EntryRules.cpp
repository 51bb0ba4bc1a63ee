#include "model/EntryRules.h"

#include "model/Workbench.h"
#include "platform/core/NumberText.h"

namespace velmira::model {

KeyOutcome filterEntryKey(int key) {
  if (key >= '0' && key <= '9') return {KeyAction::Insert, static_cast<char>(key)};
  if (key == '.' || key == ',') return {KeyAction::Insert, ','};
  if (key == '-') return {KeyAction::Insert, '-'};
  if (key == kKeyBackspace) return {KeyAction::Insert, static_cast<char>(kKeyBackspace)};
  if (key == kKeyEnter) return {KeyAction::Validate};
  return {KeyAction::Discard};
}

Message messageVolumeMin() {
  return msg::information("Le volume minimum du m\xC3\xA9lange pour que la sonde soit immerg\xC3\xA9" "e est de 60 mL.",
                          "Volume corrig\xC3\xA9");
}

Message messageVolumeMax() {
  return msg::information("La contenance du b\xC3\xA9" "cher est de 250 mL.", "Volume corrig\xC3\xA9");
}

float correctedValue(const Workbench& wb, int i, const Message** message) {
  static const Message kMin = messageVolumeMin();
  static const Message kMax = messageVolumeMax();
  if (message) *message = nullptr;
  float x = num::readSingle(wb.entryText(i)).value_or(0.f);
  if (x < 0) x = 0;
  switch (i) {
    case C1:
    case C2:
      if (x < 0.00001) x = 0.00001f;
      if (x > 0.1) x = 0.1f;
      break;
    case DistanceL:
      if (x < 0.5) x = 0.5f;
      if (x > 5) x = 5;
      break;
    case AreaS:
      if (x < 0.5) x = 0.5f;
      if (x > 10) x = 10;
      break;
    default: {
      // The other volume as its field reads now.
      const float other = num::readSingle(wb.entryText(i == V1 ? V2 : V1)).value_or(0.f);
      if (x + other < 60) {
        x = 60 - other;
        if (message) *message = &kMin;
      }
      if (x + other > 250) {
        x = 250 - other;
        if (message) *message = &kMax;
      }
    }
  }
  return x;
}

void validateEntry(Workbench& wb, int i, MessageService& messages) {
  const Message* message = nullptr;
  const float x = correctedValue(wb, i, &message);
  if (message) messages.show(*message);
  wb.setEntryText(i, num::trim(num::formatSingle(x, i >= V1 ? kMaskVolume : kMaskCellEntry)));
  wb.majaff();
}

}  // namespace velmira::model
