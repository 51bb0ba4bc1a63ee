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
  // The style's selection under white text is too light to be read.
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
    pal.setColor(g, QPalette::Highlight, kSelection);
    pal.setColor(g, QPalette::HighlightedText, kWhite);
  }
  QApplication::setPalette(pal);
}

}  // namespace velmira::widgets
