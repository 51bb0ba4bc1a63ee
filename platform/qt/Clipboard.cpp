// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

namespace velmira::qtp {

void copyImage(const QImage& image) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setImage(image);
}

}  // namespace velmira::qtp
