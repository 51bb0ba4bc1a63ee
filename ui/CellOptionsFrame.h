// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `Frame1` "Caractéristiques de la cellule": the title bar, the distance and
// area entries with their ranges, the two montage options and the cell
// diagram `Image1`.
#include <QFrame>

class QLabel;
class QRadioButton;

namespace velmira::ui {

class EntryField;

class CellOptionsFrame : public QFrame {
  Q_OBJECT
 public:
  explicit CellOptionsFrame(QWidget* parent = nullptr);

  EntryField* distance() const { return distance_; }                                  // Text1(2)
  EntryField* area() const { return area_; }                                          // Text1(3)
  QRadioButton* conductimeterMontageButton() const { return conductimeterMontage_; }  // conductimeter montage
  QRadioButton* generatorMontageButton() const { return generatorMontage_; }          // generator montage
  QLabel* cellPicture() const { return cellPicture_; }
  QLabel* titleBar() const { return titleBar_; }

 private:
  QLabel* titleBar_;
  EntryField* distance_;
  EntryField* area_;
  QRadioButton* conductimeterMontage_;
  QRadioButton* generatorMontage_;
  QLabel* cellPicture_;
};

}  // namespace velmira::ui
