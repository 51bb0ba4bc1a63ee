// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ScrolledDialog.h"

#include <QDialog>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/core/ScreenFit.h"

namespace velmira::widgets {

QSize freeRoom(const QWidget& window) {
  const QScreen* screen = window.screen();
  if (!screen) return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
  return screen->availableGeometry().size() - QSize(static_cast<int>(kFrameWidth), static_cast<int>(kFrameHeight));
}

int execFitting(QDialog& dialog, QSize room) {
  if (dialog.width() <= room.width() && dialog.height() <= room.height()) return dialog.exec();
  QDialog holder(dialog.parentWidget());
  holder.setWindowTitle(dialog.windowTitle());
  holder.setObjectName(dialog.objectName() + QStringLiteral("Scrolled"));
  auto* area = new QScrollArea(&holder);
  area->setFrameShape(QFrame::NoFrame);
  auto* layout = new QVBoxLayout(&holder);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(area);
  const Qt::WindowFlags flags = dialog.windowFlags();
  dialog.setWindowFlags(Qt::Widget);
  area->setWidget(&dialog);
  QObject::connect(&dialog, &QDialog::finished, &holder, &QDialog::done);
  const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  holder.resize((dialog.size() + QSize(bar, bar)).boundedTo(room));
  dialog.show();
  const int result = holder.exec();
  area->takeWidget();
  dialog.hide();
  dialog.setWindowFlags(flags);
  return result;
}

}  // namespace velmira::widgets
