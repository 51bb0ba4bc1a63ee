#include "ui/drawing/WindowBackground.h"

#include <QPainter>

#include "platform/core/NumberText.h"
#include "widgets/Colours.h"

namespace velmira::ui {

QColor windowBackgroundColour(int y) {
  const int c = static_cast<int>(num::roundHalfEven(255 - 55.0 * y / 600));
  const int b = static_cast<int>(num::roundHalfEven(255 - 75.0 * y / 600));
  return {c, c, b};
}

void paintWindowBackground(QPainter& p, const QRect& textEditor, int fichTop) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  for (int y = 0; y <= 600; ++y) p.fillRect(QRect(0, y, 801, 1), windowBackgroundColour(y));
  p.fillRect(QRect(QPoint(textEditor.left() + 3, fichTop + 3),
                   QPoint(textEditor.left() + textEditor.width() + 3, textEditor.top() + textEditor.height() + 3)),
             widgets::kDarkGrey);
  p.restore();
}

}  // namespace velmira::ui
