// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawing/WindowBackground.h"

#include <QPainter>
#include <algorithm>

#include "platform/core/NumberText.h"
#include "widgets/Colours.h"

namespace velmira::ui {

QColor windowBackgroundColour(int y) {
  const int c = static_cast<int>(num::roundHalfEven(255 - 55.0 * y / 600));
  const int b = static_cast<int>(num::roundHalfEven(255 - 75.0 * y / 600));
  return {c, c, b};
}

void paintWindowBackground(QPainter& p, const QRect& textEditor, int fichTop, const QRect& exposed, QSize window) {
  constexpr int kLastLine = 600;
  const int lastLine = std::max(kLastLine, window.height() - 1), width = std::max(801, window.width());
  const int first = exposed.isNull() ? 0 : std::max(0, exposed.top());
  const int last = exposed.isNull() ? lastLine : std::min(lastLine, exposed.bottom());
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  for (int y = first; y <= last; ++y) p.fillRect(QRect(0, y, width, 1), windowBackgroundColour(std::min(y, kLastLine)));
  p.fillRect(QRect(QPoint(textEditor.left() + 3, fichTop + 3),
                   QPoint(textEditor.left() + textEditor.width() + 3, textEditor.top() + textEditor.height() + 3)),
             widgets::kDarkGrey);
  p.restore();
}

}  // namespace velmira::ui
