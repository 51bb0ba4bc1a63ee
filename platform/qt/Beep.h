// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform's beep. Every beep is counted, so tests can hear them.
namespace velmira::qtp {

void beep();
// Beeps since the program started.
int beepCount();

}  // namespace velmira::qtp
