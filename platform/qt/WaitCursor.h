// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hourglass pointer over the whole application while a long step runs.
#include <QApplication>

namespace velmira::qtp {

class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace velmira::qtp
