// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The corrected statement in a window of its own, beside the pupil's text,
// which stays as it is: read-only, starting with the work's hidden values
// and the results expected. The corrected configuration is offered by a
// button, never loaded by itself.
#include <QWidget>
#include <string>
#include <vector>

#include "files/rtf/RichDocument.h"

class QPushButton;
class QTextEdit;

namespace velmira::files::ui {

class CorrectionWindow : public QWidget {
  Q_OBJECT
 public:
  explicit CorrectionWindow(QWidget* mainWindow);

  // Shows `statement` after the `heading` lines, the button offering
  // `configurationPath` (none: no button), beside the main window.
  void showCorrection(const rtf::RichDocument& statement, const std::vector<std::string>& heading,
                      const std::string& configurationPath);

  QTextEdit* text() const { return text_; }
  QPushButton* configurationButton() const { return configurationButton_; }

 signals:
  // The pupil asked for the corrected configuration at `path`.
  void configurationAsked(const std::string& path);

 private:
  void placeBeside();

  QWidget* mainWindow_;
  QTextEdit* text_ = nullptr;
  QPushButton* configurationButton_ = nullptr;
  std::string configurationPath_;
};

}  // namespace velmira::files::ui
