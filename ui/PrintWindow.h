// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `confimp`, "Imprimer": the pictures of the benches checked, stacked down
// the page in the order solution 1, solution 2, mixture under the heading
// line, each centred across with its caption under it, scaled to fit the
// page; a new page per copy (1 to 40 copies). "&Imprimantes" chooses and sets up the printer of the
// run; the window closes once the pages are printed.
#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "platform/core/Messages.h"
#include "platform/qt/Printing.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPrinter;
class QPushButton;
class QSpinBox;

namespace velmira::ui {

class MainWindow;

// The heading line of a printout: the configuration's name (from its path,
// none when blank), the pupil's name (a pupil's work) and today's date.
QString printHeading(const std::string& configPath, const std::string& pupil = {});

// The pictures of `benches` (1..3), each with its caption.
std::vector<qtp::CaptionedPicture> benchPictures(MainWindow& window, const std::vector<int>& benches);
// The bench pictures of `benches` (1..3) with their captions under the
// heading, `copies` pages; false when printing failed.
bool printBenchPictures(MainWindow& window, QPrinter& printer, const std::vector<int>& benches, int copies);

class PrintWindow : public QDialog {
  Q_OBJECT
 public:
  // `printer`: where the pages go (the printer of the run in the program).
  PrintWindow(MainWindow& window, MessageService& messages, QPrinter& printer, QWidget* parent = nullptr);

  QCheckBox* benchBox(int i) const { return benchBoxes_[i]; }  // 0..2: bench 1..3
  QSpinBox* copiesBox() const { return copiesBox_; }           // the number of copies
  QLineEdit* printerName() const { return printerName_; }      // the printer's name
  QGroupBox* optionsBox() const { return optionsBox_; }
  QWidget* waitNotice() const { return waitNotice_; }  // the wait notice
  QPushButton* okButton() const { return okButton_; }
  QPushButton* printersButton() const { return printersButton_; }
  QPushButton* cancelButton() const { return cancelButton_; }

  // The printer's name (or the file it writes) in `defaut`.
  void showPrinterName();
  // "&OK": prints and closes, or says why not.
  void onOk();
  // "&Imprimantes": the printer dialog, then the name again.
  void onPrinters();

 private:
  void showWaitNotice(bool on);

  MainWindow& window_;
  MessageService& messages_;
  QPrinter& printer_;
  std::array<QCheckBox*, 3> benchBoxes_{};
  QSpinBox* copiesBox_ = nullptr;
  QLineEdit* printerName_ = nullptr;
  QGroupBox* optionsBox_ = nullptr;
  QWidget* waitNotice_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* printersButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
};

}  // namespace velmira::ui
