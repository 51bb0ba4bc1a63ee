// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `afficheur` (meter displays, black on the page colour) and `ecrangbf`
// (generator screens, green on black): Arial 8.25 bold labels that only
// show the texts the measurement writes.
#include <QLabel>
#include <string>

namespace velmira::ui {

class DisplayLabel : public QLabel {
  Q_OBJECT
 public:
  enum class Kind { Meter, GeneratorScreen };
  DisplayLabel(Kind kind, QWidget* parent = nullptr);
  Kind kind() const { return kind_; }
  // The display text (UTF-8, blanks kept).
  void setDisplay(const std::string& text);
  // What the display shows, for its accessible name ("Voltmètre, solution 1"):
  // the name is the subject and the text ("Voltmètre, solution 1 : 0,200 V"),
  // kept up to date so that a new reading is announced.
  void setSubject(const QString& subject);
  // The unit said after the reading.
  void setUnit(const QString& unit);
  // The standard uncertainty of the reading shown ("u = 1,8"), as its
  // tooltip and accessible description; empty for none.
  void setUncertainty(const QString& text);

 private:
  void updateName();

  Kind kind_;
  QString subject_;
  QString unit_;
};

}  // namespace velmira::ui
