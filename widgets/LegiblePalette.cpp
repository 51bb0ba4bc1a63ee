// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/LegiblePalette.h"

#include <QApplication>
#include <QPalette>

#include "widgets/Colours.h"

namespace velmira::widgets {

void applyLegiblePalette() {
  QPalette pal = QApplication::palette();
  for (QPalette::ColorRole role :
       {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::PlaceholderText})
    pal.setColor(QPalette::Disabled, role, kDisabledText);
  QApplication::setPalette(pal);
}

}  // namespace velmira::widgets
