// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PdfCommand.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "files/ExerciseOpening.h"
#include "files/PdfCommand.h"
#include "files/PrintedTexts.h"
#include "files/rtf/RichDocument.h"
#include "files/rtf/RtfFile.h"
#include "files/ui/RichTextDocument.h"
#include "files/ui/TextPane.h"
#include "graph/GraphLabels.h"
#include "graph/GraphSettings.h"
#include "graph/ui/GraphFigure.h"
#include "platform/core/AppFolders.h"
#include "platform/core/Messages.h"
#include "platform/core/SafeFile.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Printing.h"
#include "table/ui/TablePrint.h"
#include "ui/MainWindow.h"
#include "ui/PrintWindow.h"

namespace velmira::ui {

namespace {

const char* const kMissingFile = "fichier introuvable";
const char* const kPrintFailed = "l'impression a échoué";

// Messages kept instead of shown; a question is answered no.
class KeptMessages : public MessageService {
 public:
  Answer show(const Message& m) override {
    texts.push_back(m.text);
    return m.buttons == Buttons::Ok ? Answer::Ok : m.buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
  }
  std::string cause(const char* otherwise) const { return texts.empty() ? otherwise : texts.front(); }
  std::vector<std::string> texts;
};

// The statement a file holds: an RTF file, or the statement of an exercise.
class StatementOnly : public files::ExerciseTarget {
 public:
  void showStatement(rtf::RichDocument document, const std::string&) override { statement = std::move(document); }
  void loadConfiguration(const std::string&) override {}
  std::optional<rtf::RichDocument> statement;
};

void keepFatalOnly(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtFatalMsg) std::cerr << text.toStdString() << '\n';
}

struct Failure {
  std::string cause;
  bool writing = false;  // the PDF could not be made, rather than the file read
};

// Prints the statement of `input`; a Failure when it cannot be read.
std::optional<Failure> printStatement(QPrinter& printer, const std::string& input, files::PrintedKind kind) {
  std::optional<rtf::RichDocument> statement;
  if (kind == files::PrintedKind::Text) {
    rtf::FileRead read = rtf::loadRtfFile(input);
    if (!read.document) return Failure{rtf::describe(read.error)};
    statement = std::move(read.document);
  } else {
    KeptMessages messages;
    StatementOnly target;
    files::openExercise(input, target, messages);
    if (!target.statement) return Failure{messages.cause(kMissingFile)};
    statement = std::move(target.statement);
  }
  // The pane's bound on what a statement may show, said on stderr when it cuts.
  if (rtf::limitForDisplay(*statement) || statement->truncated)
    std::fprintf(stderr, "velmira : %s\n", msg::textCut().text.c_str());
  QTextDocument text;
  text.setDefaultFont(qtp::mapFont(QStringLiteral("Arial"), 10));
  files::ui::fillTextDocument(text, *statement);
  if (!files::ui::printText(printer, text, files::documentName(input))) return Failure{kPrintFailed, true};
  return std::nullopt;
}

// Prints the graph as the work saved it (without saved settings: C2 against
// C1 with the line through the origin), the table, then the three bench
// pictures.
std::optional<Failure> printConfiguration(QPrinter& printer, const std::string& input) {
  if (!fileio::isRegularFile(input)) return Failure{kMissingFile};
  KeptMessages messages;
  // The main window's start marks the flag file: here in a folder that does
  // not exist (inside an empty temporary one), so that no flag file is written.
  QTemporaryDir scratch;
  MainWindow window(messages, QCoreApplication::applicationDirPath(),
                    QDir(scratch.path()).filePath(QStringLiteral("sans-drapeau")));
  if (!window.loadConfiguration(input)) return Failure{messages.cause(kMissingFile)};

  const auto saved = window.graphSettings();
  const graph::Figure figure =
      saved ? graph::settingsFigure(window.table(), *saved)
            : graph::graphFigure(window.table(), 0, 1, graph::PlotOptions{}, graph::FitKind::ThroughOrigin);
  const QString heading = printHeading(input, window.pupilName());
  const auto pictures = benchPictures(window, {1, 2, 3});
  qtp::PrintedPages pages(printer, heading, 1 + table::ui::tablePageCount(printer, window.table()) + 1);
  if (!pages.active()) return Failure{kPrintFailed, true};
  graph::ui::drawFigurePage(pages, heading, figure);
  pages.newPage();
  table::ui::drawTablePages(pages, window.table(), heading);
  pages.newPage();
  qtp::drawCaptionedPictures(pages, heading, pictures);
  if (!pages.finish()) return Failure{kPrintFailed, true};
  return std::nullopt;
}

}  // namespace

int runPdfCommand(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const auto request = files::pdfRequest(args);
  if (!request) {
    std::cerr << files::pdfUsage() << '\n';
    return files::kPdfBadArguments;
  }
  // Swapped arguments never replace the work or the statement.
  if (!files::pdfOutputAllowed(request->output, request->input)) {
    std::cerr << files::pdfOutputRefused(request->output) << '\n';
    return files::kPdfBadArguments;
  }
  if (const auto fault = files::pdfInputFault(request->input)) {
    std::cerr << files::pdfReadFailure(request->input, *fault) << '\n';
    return files::kPdfFailed;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The platform's runtime folder, when none is set, is a temporary one of
  // its own; Qt's notices stay off stderr, which carries the command's texts.
  QTemporaryDir runtime;
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
  qInstallMessageHandler(keepFatalOnly);
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("velmira"));
  qtp::useProgramFaces(
      QString::fromStdString(fileio::dataFolder(QCoreApplication::applicationDirPath().toStdString())));

  QTemporaryDir work;
  const QString pdf = QDir(work.path()).filePath(QStringLiteral("sortie.pdf"));
  auto printer = qtp::pdfPrinter(pdf);
  const std::optional<Failure> failure = request->kind == files::PrintedKind::Configuration
                                             ? printConfiguration(*printer, request->input)
                                             : printStatement(*printer, request->input, request->kind);
  printer.reset();
  if (failure) {
    std::cerr << (failure->writing ? files::pdfWriteFailure(request->output, failure->cause)
                                   : files::pdfReadFailure(request->input, failure->cause))
              << '\n';
    return files::kPdfFailed;
  }
  QFile written(pdf);
  if (!written.open(QIODevice::ReadOnly)) {
    std::cerr << files::pdfWriteFailure(request->output, kPrintFailed) << '\n';
    return files::kPdfFailed;
  }
  const QByteArray bytes = written.readAll();
  fileio::SaveFailure saveFailure;
  if (!fileio::replaceFile(request->output, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                           nullptr, &saveFailure)) {
    std::cerr << files::pdfWriteFailure(request->output, msg::saveCauseText(saveFailure)) << '\n';
    return files::kPdfFailed;
  }
  return files::kPdfWritten;
}

}  // namespace velmira::ui
