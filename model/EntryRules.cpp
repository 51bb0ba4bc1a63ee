// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/EntryRules.h"

#include "model/Workbench.h"
#include "platform/core/NumberText.h"

namespace velmira::model {

KeyOutcome filterEntryKey(int key) {
  if (key >= '0' && key <= '9') return {KeyAction::Insert, static_cast<char>(key)};
  if (key == '.' || key == ',') return {KeyAction::Insert, ','};
  if (key == '-') return {KeyAction::Insert, '-'};
  // The exponent form the number reading takes: "1e-3", "1,5E+2".
  if (key == 'e' || key == 'E' || key == '+') return {KeyAction::Insert, static_cast<char>(key)};
  if (key == kKeyBackspace) return {KeyAction::Insert, static_cast<char>(kKeyBackspace)};
  if (key == kKeyEnter) return {KeyAction::Validate};
  return {KeyAction::Discard};
}

std::string beakerCapacityText() {
  return msg::shownFormat(VELMIRA_TEXT("velmira::msg", "La contenance du bécher est de %1 mL."),
                          {num::format(kBeakerVolume, "0")});
}

Message messageVolumeMin() {
  return msg::information(
      msg::shownFormat(
          VELMIRA_TEXT("velmira::msg", "Le volume minimum du mélange pour que la sonde soit immergée est de %1 mL."),
          {num::format(kImmersionVolume, "0")}),
      VELMIRA_TEXT("velmira::msg", "Volume corrigé"));
}

Message messageVolumeMax() {
  return msg::information(beakerCapacityText(), VELMIRA_TEXT("velmira::msg", "Volume corrigé"));
}

float correctedValue(const Workbench& wb, int i, const Message** message) {
  static const Message kMin = messageVolumeMin();
  static const Message kMax = messageVolumeMax();
  if (message) *message = nullptr;
  float x = num::readSingle(wb.entryText(i)).value_or(0.f);
  if (x < 0) x = 0;
  switch (i) {
    case Concentration1:
    case Concentration2:
      if (x < kMinConcentration) x = static_cast<float>(kMinConcentration);
      if (x > kMaxConcentration) x = static_cast<float>(kMaxConcentration);
      break;
    case Distance:
      if (x < 0.5) x = 0.5f;
      if (x > 5) x = 5;
      break;
    case Area:
      if (x < 0.5) x = 0.5f;
      if (x > 10) x = 10;
      break;
    default: {
      // The other volume as its field reads now.
      const float other = num::readSingle(wb.entryText(i == Volume1 ? Volume2 : Volume1)).value_or(0.f);
      if (x + other < kImmersionVolume) {
        x = kImmersionVolume - other;
        if (message) *message = &kMin;
      }
      if (x + other > kBeakerVolume) {
        x = kBeakerVolume - other;
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
  rewriteEntry(wb, i, x);
  wb.updateMeters();
}

void rewriteEntry(Workbench& wb, int i, float value) {
  wb.setEntryText(i, num::trim(num::formatSingle(value, i >= Volume1 ? kMaskVolume : kMaskCellEntry)));
}

bool stepVolume(Workbench& wb, int i, int steps, bool fine) {
  const float from = correctedValue(wb, i);
  rewriteEntry(wb, i, from + static_cast<float>(steps) * (fine ? kVolumeFineStep : kVolumeStep));
  const auto typed = num::readSingle(wb.entryText(i));
  const Message* message = nullptr;
  const float x = correctedValue(wb, i, &message);
  rewriteEntry(wb, i, x);
  wb.updateMeters();
  return message != nullptr || !typed || *typed != x;
}

void bringIntoRange(Workbench& wb) {
  // Each volume alone first, so that the sum rules see volumes a beaker holds.
  for (int i : {Volume1, Volume2}) {
    const auto v = num::readSingle(wb.entryText(i));
    if (v && *v >= 0 && *v <= kBeakerVolume) continue;
    rewriteEntry(wb, i, v && *v > kBeakerVolume ? static_cast<float>(kBeakerVolume) : 0.f);
  }
  for (int i = 0; i < kEntries; ++i) {
    const float corrected = correctedValue(wb, i);
    const auto v = num::readSingle(wb.entryText(i));
    if (!v || *v != corrected) rewriteEntry(wb, i, corrected);
  }
}

}  // namespace velmira::model
