// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The six entry fields: key filter and validation.
#include <string>

#include "platform/core/Messages.h"

namespace velmira::model {

class Workbench;

// Key codes as the entry fields receive them.
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;

enum class KeyAction {
  Insert,    // pass `ch` on: the character to insert, or 8 for Backspace
  Validate,  // run the validation; the key itself is discarded
  Discard,
};
struct KeyOutcome {
  KeyAction action;
  char ch = 0;  // Insert: "." has become ","; 8 is Backspace
};
// Digits, the decimal separator, the signs and the exponent letter pass.
KeyOutcome filterEntryKey(int key);

// Masks of the rewritten entries.
inline constexpr const char* kMaskCellEntry = "###0.0## ### #";  // fields 0..3
inline constexpr const char* kMaskVolume = "###0.0#";            // fields 4, 5

// The range a concentration entry brings its value into (mol/L).
inline constexpr double kMinConcentration = 0.00001;
inline constexpr double kMaxConcentration = 0.1;

// The mixture beaker: what it holds and the least volume that immerses the
// cell (mL).
inline constexpr int kBeakerVolume = 250;
inline constexpr int kImmersionVolume = 60;
// "La contenance du bécher est de 250 mL.", also written on the mixture page.
std::string beakerCapacityText();

// The volume corrections: below kImmersionVolume, above kBeakerVolume.
Message messageVolumeMin();
Message messageVolumeMax();

// The corrected value of field i for its text, as validation computes it
// (the other volume read from the workbench). `message` receives the volume
// message when a volume rule fires, else stays null.
float correctedValue(const Workbench& wb, int i, const Message** message = nullptr);

// Validation of entry i (the window's onEntryLeft): corrects, rewrites
// the field with its mask, shows the volume message through `messages`,
// then updateMeters. The caller redraws the mixture beaker after a volume.
void validateEntry(Workbench& wb, int i, MessageService& messages);

// Entry i rewritten with its mask from a value.
void rewriteEntry(Workbench& wb, int i, float value);

// The burette on the volume entries (fields 4, 5): Up/Down and the wheel
// step the volume by 1 mL, by 0.1 mL with Shift.
inline constexpr float kVolumeStep = 1.0f;
inline constexpr float kVolumeFineStep = 0.1f;

// Volume entry i stepped `steps` times (negative: down) from the value
// validation gives its text: the new volume is written into the field as if
// typed and validated by the same rules, then updateMeters. A step that would
// cross a limit (no volume below 0, the 60 mL and 250 mL of the beaker)
// stops at the limit with no message: true then, for the caller to beep.
bool stepVolume(Workbench& wb, int i, int steps, bool fine);

// After a load: every entry whose text is unreadable or out of range takes
// the value validation would give it, without any message. Texts already in
// range stay as written.
void bringIntoRange(Workbench& wb);

}  // namespace velmira::model
