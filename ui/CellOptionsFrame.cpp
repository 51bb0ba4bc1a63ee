// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CellOptionsFrame.h"

#include <QLabel>
#include <QPixmap>
#include <QRadioButton>

#include "platform/qt/Fonts.h"
#include "ui/EntryField.h"
#include "ui/drawing/CellDiagram.h"
#include "widgets/SelectorGroup.h"
#include "widgets/SideFrame.h"

namespace velmira::ui {

namespace {

QLabel* textLabel(const QString& text, const QRect& r, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setTextFormat(Qt::PlainText);
  l->setWordWrap(true);
  l->setFont(qtp::mapFont(QStringLiteral("Arial"), 8.25));
  l->setGeometry(r);
  return l;
}

}  // namespace

CellOptionsFrame::CellOptionsFrame(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("cellOptions"));
  widgets::styleSideFrame(*this);
  resize(361, 223);
  setMouseTracking(true);
  titleBar_ = widgets::addSideFrameTitle(*this, tr(" Options pour les mesures"));

  const double dpr = parent ? parent->devicePixelRatioF() : 1.0;
  cellPicture_ = new QLabel(this);
  const QSize diagram(140, 103);
  cellPicture_->setPixmap(QPixmap::fromImage(cellDiagram(diagram, dpr)));
  cellPicture_->setGeometry(QRect(QPoint(6, 28), diagram));
  cellPicture_->setMouseTracking(true);

  const int x = 152, w = 206;
  const QFont entryFont = qtp::mapFont(QStringLiteral("Arial"), 9.75);
  // A number is never separated from its unit (no-break spaces; the literal is
  // cut after each so that the extraction does not read the unit as hex digits).
  textLabel(tr("Distance entre les électrodes (0,5\u00A0"
               "cm à 5\u00A0"
               "cm)\u00A0:"),
            QRect(x, 26, w, 30), this);
  distance_ = new EntryField(2, this);
  distance_->setFont(entryFont);
  distance_->setGeometry(x, 58, 65, 21);
  textLabel(QStringLiteral("cm"), QRect(x + 70, 61, 40, 16), this);
  textLabel(tr("Aire des électrodes (0,5\u00A0"
               "cm² à 10\u00A0"
               "cm²)\u00A0:"),
            QRect(x, 90, w, 30), this);
  area_ = new EntryField(3, this);
  area_->setFont(entryFont);
  area_->setGeometry(x, 122, 65, 21);
  textLabel(QStringLiteral("cm²"), QRect(x + 70, 125, 40, 16), this);

  const QFont optionFont = qtp::mapFont(QStringLiteral("Arial"), 8.25);
  conductimeterMontage_ = new widgets::SelectorButton(tr("Montage avec un conductimètre"), this);
  generatorMontage_ = new widgets::SelectorButton(tr("Montage avec un G.B.F., un voltmètre et un ampèremètre"), this);
  conductimeterMontage_->setGeometry(10, 162, 345, 20);
  generatorMontage_->setGeometry(10, 186, 345, 20);
  for (QRadioButton* o : {conductimeterMontage_, generatorMontage_}) {
    o->setFont(optionFont);
    o->setAutoExclusive(false);  // the workbench decides which one is selected
    o->setMouseTracking(true);
  }
  new widgets::SelectorGroup({conductimeterMontage_, generatorMontage_}, this);
}

}  // namespace velmira::ui
