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

 private:
  Kind kind_;
};

}  // namespace velmira::ui
