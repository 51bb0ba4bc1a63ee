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

  EntryField* distance() const { return text2_; }  // Text1(2)
  EntryField* area() const { return text3_; }      // Text1(3)
  QRadioButton* conductimeterMontageButton() const { return option3_; }  // conductimeter montage
  QRadioButton* generatorMontageButton() const { return option2_; }  // generator montage
  QLabel* image1() const { return image1_; }
  QLabel* label1() const { return label1_; }

 private:
  QLabel* label1_;
  EntryField* text2_;
  EntryField* text3_;
  QRadioButton* option3_;
  QRadioButton* option2_;
  QLabel* image1_;
};

}  // namespace velmira::ui
