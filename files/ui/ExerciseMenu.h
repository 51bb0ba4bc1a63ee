// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `optionexo`, the exercise menu under `btexo`, and its commands: the two
// getting-started activities, opening an exercise and its correction,
// saving, reopening and printing the pane's text, closing the exercise.
#include <QObject>
#include <QString>
#include <functional>
#include <string>

class QAction;
class QMenu;
class QWidget;

namespace velmira {
class MessageService;
namespace files {
struct ExerciseResults;
}
namespace files::ui {

class ConfigOwner;
class CorrectionWindow;
class TextPane;

class ExerciseMenu : public QObject {
  Q_OBJECT
 public:
  ExerciseMenu(TextPane& pane, ConfigOwner& owner, MessageService& messages, QString appFolder, QWidget* window);

  QMenu* exerciseMenuPopup() const { return menu_; }
  // `corrigedispo`: the correction of the exercise in the pane can be shown.
  int correctionAvailable() const { return correctionAvailable_; }
  const std::string& activityFolder() const { return activityFolder_; }

  // exerciseButton: the entries' availability, then the menu at `globalPos`.
  void popup(QPoint globalPos);
  void updateAvailability();

  // The commands (also run by tests and by the launcher's request).
  void startGettingStarted(bool table);
  // A getting-started activity file (the command line's) opened as
  // startGettingStarted opens the application folder's. True when it opened.
  bool openGettingStarted(const std::string& path);
  void openExerciseWindow();
  // An exercise file opened as the exercise window opens it: statement,
  // configuration, then the file-name field, `corrigedispo` (1 when corrected, or when
  // forced), the pane editable. True when it opened.
  bool openExercise(const std::string& exercisePath, bool forceCorrection = false);
  // A file named on the command line: a configuration (.C07) opens as from
  // the open window, an exercise (.E24) as from the exercise window, a
  // getting-started activity (VELMIRA.PEM, VELMIRB.PEM) as from this menu.
  // `path` as its bytes (a name that is not UTF-8 opens too).
  void openCommandLineFile(const std::string& path);
  // The corrected statement in its own window beside the pane, the
  // pupil's text left as it is; the corrected configuration offered there.
  void showCorrection();
  // The correction's window, once shown.
  CorrectionWindow* correctionWindow() const { return correctionWindow_; }
  void saveText();
  void reopenText();
  void printText();
  void closeExercise();

  // The paths of the save and open dialogs of the text commands; tests
  // answer them.
  std::function<QString()> askSavePath;
  std::function<QString()> askOpenPath;

 private:
  // After an exercise opened: its configuration made a pupil's work when it
  // hides a value or the exercise asks for results, the name asked once.
  void startPupilWork(const std::string& exercisePath, const files::ExerciseResults& results);
  bool confirmDiscard();

  TextPane& pane_;
  ConfigOwner& owner_;
  MessageService& messages_;
  QString appFolder_;
  QWidget* window_;
  QMenu* menu_ = nullptr;
  QAction* correction_ = nullptr;
  CorrectionWindow* correctionWindow_ = nullptr;
  QAction* close_ = nullptr;
  int correctionAvailable_ = 0;
  std::string activityFolder_;
};

}  // namespace files::ui
}  // namespace velmira
