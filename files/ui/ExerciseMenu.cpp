// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ui/ExerciseMenu.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <filesystem>
#include <optional>

#include "files/ConfigFile.h"
#include "files/ExerciseFile.h"
#include "files/ExerciseOpening.h"
#include "files/PupilWork.h"
#include "files/SavePlaces.h"
#include "files/TextQuestions.h"
#include "files/ui/ConfigOwner.h"
#include "files/ui/CorrectionWindow.h"
#include "files/ui/ExerciseWindow.h"
#include "files/ui/StartFolder.h"
#include "files/ui/TextPane.h"
#include "platform/core/FileNames.h"
#include "platform/core/SafeFile.h"
#include "platform/qt/Printing.h"
#include "platform/qt/WaitCursor.h"

namespace velmira::files::ui {

namespace {

const char* const kRtfFilter = QT_TRANSLATE_NOOP("velmira::files::ui", "Texte au format RTF (*.RTF *.rtf)");

// The loads of the exercise commands, into the pane and the workbench.
class PaneTarget : public ExerciseTarget {
 public:
  PaneTarget(TextPane& pane, ConfigOwner& owner) : pane_(pane), owner_(owner) {}
  void showStatement(rtf::RichDocument document, const std::string&) override {
    pane_.showDocument(std::move(document));
  }
  void loadConfiguration(const std::string& path) override { owner_.loadConfiguration(path); }

 private:
  TextPane& pane_;
  ConfigOwner& owner_;
};

// The correction's files as read, nothing loaded.
class CorrectionTarget : public ExerciseTarget {
 public:
  void showStatement(rtf::RichDocument document, const std::string&) override { statement = std::move(document); }
  void loadConfiguration(const std::string& path) override { configuration = path; }
  std::optional<rtf::RichDocument> statement;
  std::string configuration;
};

}  // namespace

ExerciseMenu::ExerciseMenu(TextPane& pane, ConfigOwner& owner, MessageService& messages, QString appFolder,
                           QWidget* window)
    : QObject(window),
      pane_(pane),
      owner_(owner),
      messages_(messages),
      appFolder_(std::move(appFolder)),
      window_(window) {
  menu_ = new QMenu(window);
  menu_->setObjectName(QStringLiteral("exerciseMenu"));
  menu_->addAction(QCoreApplication::translate("velmira::files::ui", "Prise en &main du simulateur"), this,
                   [this] { startGettingStarted(false); });
  menu_->addAction(QCoreApplication::translate("velmira::files::ui", "Prise en main du &tableau"), this,
                   [this] { startGettingStarted(true); });
  menu_->addSeparator();
  menu_->addAction(QCoreApplication::translate("velmira::files::ui", "&Ouvrir un exercice (énoncé + configuration)"),
                   this, &ExerciseMenu::openExerciseWindow);
  correction_ = menu_->addAction(QCoreApplication::translate("velmira::files::ui", "&Voir la correction"), this,
                                 &ExerciseMenu::showCorrection);
  menu_->addSeparator();
  menu_->addAction(QCoreApplication::translate("velmira::files::ui", "&Enregistrer le contenu de la fenêtre exercice"),
                   this, &ExerciseMenu::saveText);
  menu_->addAction(QCoreApplication::translate("velmira::files::ui", "&Retrouver un texte"), this,
                   &ExerciseMenu::reopenText);
  menu_->addAction(QCoreApplication::translate("velmira::files::ui", "&Imprimer le contenu de la fenêtre exercice"),
                   this, &ExerciseMenu::printText);
  menu_->addSeparator();
  close_ = menu_->addAction(QCoreApplication::translate("velmira::files::ui", "&Fermer l'exercice"), this,
                            &ExerciseMenu::closeExercise);

  askSavePath = [this] {
    const QString text = QString::fromStdString(fileio::shownPath(pane_.namedPath()));
    QFileDialog d(window_, QCoreApplication::translate("velmira::files::ui", "Enregistrer le texte"),
                  saveStartPath(text, appFolder_, QStringLiteral(".RTF")),
                  QCoreApplication::translate("velmira::files::ui", kRtfFilter));
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setDefaultSuffix(QStringLiteral("RTF"));
    d.setOption(QFileDialog::DontConfirmOverwrite);  // the question is ours
    return d.exec() == QDialog::Accepted ? d.selectedFiles().value(0) : QString();
  };
  askOpenPath = [this] {
    return QFileDialog::getOpenFileName(window_,
                                        QCoreApplication::translate("velmira::files::ui", "Retrouver un texte"),
                                        QDir::current().filePath(QStringLiteral("*.rtf")),
                                        QCoreApplication::translate("velmira::files::ui", kRtfFilter));
  };
}

void ExerciseMenu::updateAvailability() {
  correction_->setEnabled(correctionAvailable_ == 1);
  close_->setEnabled(!pane_.fileNameText().isEmpty());
}

void ExerciseMenu::popup(QPoint globalPos) {
  updateAvailability();
  menu_->popup(globalPos);
}

bool ExerciseMenu::confirmDiscard() {
  return pane_.textModified() != 1 || messages_.show(discardTextQuestion()) == Answer::Ok;
}

void ExerciseMenu::startGettingStarted(bool table) {
  const auto activity = table ? GettingStarted::Table : GettingStarted::Simulator;
  openGettingStarted(gettingStartedPath(appFolder_.toStdString(), activity));
}

bool ExerciseMenu::openGettingStarted(const std::string& path) {
  if (!owner_.mayReplaceWork()) return false;
  PaneTarget target(pane_, owner_);
  const OpenOutcome o = openGettingStartedFile(path, target, messages_);
  if (o.result != OpenResult::Opened) return false;
  activityFolder_ = o.folder;
  pane_.setFileName(path);
  correctionAvailable_ = 0;
  pane_.setReadOnly(false);
  pane_.setTextModified(0);
  return true;
}

void ExerciseMenu::openExerciseWindow() {
  if (!confirmDiscard()) return;
  pane_.setTextModified(0);
  // The shipped exercises lie in the application folder's "exercices".
  const QDir app(appFolder_);
  const QString start =
      app.exists(QStringLiteral("exercices")) ? app.filePath(QStringLiteral("exercices")) : appFolder_;
  ExerciseWindow w(
      start, messages_, [this](const std::string& file) { return openExercise(file); }, window_);
  w.exec();
}

bool ExerciseMenu::openExercise(const std::string& exercisePath, bool forceCorrection) {
  if (!owner_.mayReplaceWork()) return false;
  PaneTarget target(pane_, owner_);
  const OpenOutcome o = files::openExercise(exercisePath, target, messages_);
  if (o.result != OpenResult::Opened) return false;
  startPupilWork(exercisePath, o.results);
  activityFolder_ = o.folder;
  pane_.setFileName(exercisePath);
  correctionAvailable_ = (o.corrected || forceCorrection) ? 1 : 0;
  pane_.setReadOnly(false);
  pane_.setTextModified(0);
  return true;
}

void ExerciseMenu::startPupilWork(const std::string& exercisePath, const files::ExerciseResults& results) {
  if (!owner_.makesPupilWork(results)) return;
  files::WorkItems work;
  work.results = results;
  work.exercise = std::filesystem::path(exercisePath).filename().string();
  // Tabs and line breaks cannot be kept: the name on one line.
  const auto name = messages_.ask(files::pupilNameQuestion());
  work.name = QString::fromStdString(name.value_or(std::string())).simplified().toStdString();
  owner_.startPupilWork(work);
}

void ExerciseMenu::openCommandLineFile(const std::string& path) {
  if (fileio::hasExtension(path, kConfigExtension)) {
    openConfiguration(owner_, messages_, path);
    return;
  }
  std::error_code error;
  const std::string absolute = std::filesystem::absolute(path, error).lexically_normal().string();
  if (gettingStartedActivity(path)) {
    openGettingStarted(absolute);
    return;
  }
  // Any other .PEM is an exercise file, as velmira-outil writes it and --pdf prints it.
  if (fileio::hasExtension(path, kExerciseExtension) || fileio::hasExtension(path, kGettingStartedExtension)) {
    openExercise(absolute);
    return;
  }
  messages_.show(msg::notConfiguration());
}

void ExerciseMenu::showCorrection() {
  CorrectionTarget target;
  {
    const qtp::WaitCursor wait;
    files::openCorrection(pane_.exercisePath(), target, messages_);
  }
  if (!target.statement && target.configuration.empty()) return;
  if (!correctionWindow_) {
    correctionWindow_ = new CorrectionWindow(window_);
    connect(correctionWindow_, &CorrectionWindow::configurationAsked, this, [this](const std::string& path) {
      if (owner_.mayReplaceWork()) owner_.loadConfiguration(path);
    });
  }
  correctionWindow_->showCorrection(target.statement.value_or(rtf::RichDocument{}),
                                    files::correctionHeading(owner_.workItems()), target.configuration);
}

void ExerciseMenu::saveText() {
  const QString path = askSavePath ? askSavePath() : QString();
  if (path.isEmpty() || refusedSave(path, appFolder_, messages_)) return;
  if (QFileInfo::exists(path) &&
      messages_.show(overwriteTextQuestion(QDir::toNativeSeparators(path).toStdString())) != Answer::Ok)
    return;
  if (saveExerciseText(path.toStdString(), pane_.richDocument(), messages_)) noteSaved(path.toStdString());
  pane_.setTextModified(0);
}

void ExerciseMenu::reopenText() {
  if (!confirmDiscard()) return;
  pane_.setTextModified(0);
  const QString path = askOpenPath ? askOpenPath() : QString();
  if (path.isEmpty()) return;
  correctionAvailable_ = 0;
  if (auto document = readExerciseText(path.toStdString(), messages_)) pane_.showDocument(std::move(*document));
  pane_.setReadOnly(false);
  pane_.nameTextFile(path.toStdString());
  pane_.setTextModified(0);
}

void ExerciseMenu::printText() {
  QPrinter& printer = qtp::sharedPrinter();
  if (!qtp::askPrinter(printer, window_)) return;
  pane_.print(printer);
}

void ExerciseMenu::closeExercise() {
  if (!confirmDiscard()) return;
  pane_.setTextModified(0);
  pane_.showWelcome();
  correctionAvailable_ = 0;
}

}  // namespace velmira::files::ui
