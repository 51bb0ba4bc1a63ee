// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `Fichexo`: the exercise window. The pupil browses a folder of exercise
// files (*.E24), sees a preview of the selected one (title, notions,
// difficulty stars, whether it is corrected) and opens it.
#include <QDialog>
#include <array>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velmira {
class MessageService;
namespace widgets {
class SurfaceWidget;
}
namespace files::ui {

class FileChooser;
class WaitNotice;

class ExerciseWindow : public QDialog {
  Q_OBJECT
 public:
  // `open` runs onOpen's loads for a file and tells whether it opened.
  ExerciseWindow(const QString& startFolder, MessageService& messages, std::function<bool(const std::string&)> open,
                 QWidget* mainWindow);

  FileChooser* chooser() const { return chooser_; }
  QLineEdit* fileField() const { return fileField_; }
  QLabel* titleLabel() const { return titleLabel_; }
  QPlainTextEdit* notions() const { return notions_; }
  QLabel* stars() const { return stars_; }  // the difficulty
  bool starLit(int i) const { return lit_[static_cast<std::size_t>(i)]; }
  QLabel* status() const { return statusLabel_; }
  QPushButton* openButton() const { return openButton_; }
  // `dossierexo`: the folder of the selected file, with its separator.
  const std::string& activityFolder() const { return activityFolder_; }
  // The selected file's path as bytes (the field shows it decoded).
  const std::string& exercisePath() const { return exercisePath_; }

  // A file of the list selected (its name's bytes): activityFolder,
  // exercisePath, then the preview. Only a file the pupil `clicked` that
  // cannot be read is said (once); the list's own moves (a first file, files
  // that vanished) and the keys say nothing, opening the file says it.
  void selectFile(const std::string& name, bool clicked = false);
  // showPreview: the preview of the file exercisePath names; false when it
  // cannot be read.
  bool showPreview();
  // onOpen: opens the selected exercise; the window closes when it
  // opened, stays open after a failure.
  void onOpen();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void showStars(int lit);
  void selectFirstFile();

  MessageService& messages_;
  std::function<bool(const std::string&)> open_;
  velmira::widgets::SurfaceWidget* tito_ = nullptr;
  FileChooser* chooser_ = nullptr;
  QLineEdit* fileField_ = nullptr;
  QLabel* titleLabel_ = nullptr;
  QLabel* notionsHeading_ = nullptr;
  QPlainTextEdit* notions_ = nullptr;
  QLabel* difficultyHeading_ = nullptr;
  QLabel* stars_ = nullptr;
  std::array<bool, 3> lit_{};
  QLabel* statusLabel_ = nullptr;
  QLabel* intratro_ = nullptr;
  QPushButton* openButton_ = nullptr;
  WaitNotice* waitNotice_ = nullptr;
  std::string activityFolder_;
  std::string exercisePath_;
  bool pupilChose_ = false;  // a file or folder picked: no more automatic selection
  bool selectingFirst_ = false;
};

// The difficulty star, lit or dark, at the device-pixel ratio.
QPixmap starPicture(bool lit, int size, double devicePixelRatio);

}  // namespace files::ui
}  // namespace velmira
