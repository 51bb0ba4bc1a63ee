// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/Beep.h"

#include <QApplication>

namespace velmira::qtp {

namespace {
int beeps = 0;
}  // namespace

void beep() {
  ++beeps;
  QApplication::beep();
}

int beepCount() { return beeps; }

}  // namespace velmira::qtp
