// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exercise menu's loads below the windows: an exercise, its correction,
// a getting-started activity, and the text pane's own files, each with the
// message of its failures.
#include <optional>
#include <string>

#include "files/PupilWork.h"
#include "files/rtf/RichDocument.h"
#include "platform/core/Messages.h"

namespace velmira::files {

// Where a load goes: the main window's text pane and its configuration
// loader.
class ExerciseTarget {
 public:
  virtual ~ExerciseTarget() = default;
  // The statement read from `path` replaces the pane's text.
  virtual void showStatement(rtf::RichDocument document, const std::string& path) = 0;
  // The configuration at `path` loaded as the work (the load shows its own messages).
  virtual void loadConfiguration(const std::string& path) = 0;
};

enum class OpenResult {
  Nothing,  // nothing to open: no message, nothing changed
  Failed,   // the message was shown; what was loaded before the failure stays
  Opened,
};

struct OpenOutcome {
  OpenResult result = OpenResult::Nothing;
  std::string folder;       // activityFolder: the folder the files were taken from
  bool corrected = false;   // an opened exercise names a corrected statement or configuration
  ExerciseResults results;  // the results the exercise asks for
};

// "Le fichier " + path + " est introuvable" / "Fichier absent".
Message referencedFileMissing(const std::string& path);
// "Fichier introuvable. Revoir l'installation du logiciel." / "Erreur lors du chargement".
Message gettingStartedFailure();
// The text pane's files: "Vérifier l'état du lecteur et le nom du fichier."
// with "Erreur de lecture.".
Message textReadFailure();

// ouvreur_Click: the statement (record 1) then the configuration (record 2,
// when not blank) of the exercise file `exercisePath`, both taken from that
// file's folder. Nothing when `exercisePath` is blank; an unreadable file
// shows exerciseUnreadable(), a statement that cannot be read
// referencedFileMissing() and then no configuration is loaded.
OpenOutcome openExercise(const std::string& exercisePath, ExerciseTarget& target, MessageService& messages);

// "Voir la correction": records 3 and 4 of the exercise file in the file-name field, each
// loaded when not blank, from that file's folder; the same messages.
OpenOutcome openCorrection(const std::string& fileNameField, ExerciseTarget& target, MessageService& messages);

enum class GettingStarted { Simulator, Table };

// The application folder with its separator, then "VELMIRA.PEM" or "VELMIRB.PEM".
std::string gettingStartedPath(const std::string& appFolder, GettingStarted activity);

// "Prise en main du simulateur" / "du tableau": nothing when the file does
// not exist; else its statement and configuration from the application
// folder, any failure of the file or the statement showing
// gettingStartedFailure().
OpenOutcome openGettingStarted(const std::string& appFolder, GettingStarted activity, ExerciseTarget& target,
                               MessageService& messages);
// The activity a file is by its name ("VELMIRA.PEM", "VELMIRB.PEM", any
// case), or nullopt.
std::optional<GettingStarted> gettingStartedActivity(const std::string& path);
// A getting-started activity file anywhere (given on the command line),
// opened as the menu opens the application folder's: its statement and
// configuration from the file's folder, the same messages.
OpenOutcome openGettingStartedFile(const std::string& path, ExerciseTarget& target, MessageService& messages);

// "Enregistrer le contenu de la fenêtre exercice": the pane as RTF, the old
// file whole when the write fails (msg::writeFailure). A read-only file is
// replaced only after msg::replaceReadOnlyQuestion was answered Yes.
bool saveExerciseText(const std::string& path, const rtf::RichDocument& document, MessageService& messages);
// "Retrouver un texte": nullopt after textReadFailure().
std::optional<rtf::RichDocument> readExerciseText(const std::string& path, MessageService& messages);

}  // namespace velmira::files
