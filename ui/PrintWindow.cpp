// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PrintWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>
#include <vector>

#include "files/PrintedTexts.h"
#include "files/TextQuestions.h"
#include "platform/qt/Printing.h"
#include "platform/qt/WaitCursor.h"
#include "ui/BenchPicture.h"
#include "ui/MainWindow.h"

namespace velmira::ui {

namespace {

constexpr int kMaxCopies = 40;

Message noPictureChosen() {
  return msg::criticalOk(VELMIRA_TEXT("velmira::msg", "Il faut choisir au moins une illustration à imprimer"),
                         VELMIRA_TEXT("velmira::msg", "Erreur sélection"));
}

Message printFailed() {
  return msg::criticalOk(
      VELMIRA_TEXT("velmira::msg", "L'impression n'a pas pu se faire : vérifiez l'imprimante choisie."),
      VELMIRA_TEXT("velmira::msg", "Imprimer"));
}

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromUtf8(name));
  b->setAutoDefault(false);
  return b;
}

}  // namespace

QString printHeading(const std::string& configPath, const std::string& pupil) {
  const QDate today = QDate::currentDate();
  return QString::fromStdString(
      files::headingLine(files::documentName(configPath), {today.year(), today.month(), today.day()}, pupil));
}

std::vector<qtp::CaptionedPicture> benchPictures(MainWindow& window, const std::vector<int>& benches) {
  BenchPicture& picture = window.benchPicture();
  std::vector<qtp::CaptionedPicture> pictures;
  for (int b : benches) {
    picture.compose(b);
    pictures.push_back({picture.image(), QString::fromStdString(files::benchCaption(window.workbench(), b))});
  }
  return pictures;
}

bool printBenchPictures(MainWindow& window, QPrinter& printer, const std::vector<int>& benches, int copies) {
  const QString heading = printHeading(window.configPath(), window.pupilName());
  return qtp::printCaptionedPictures(printer, heading, heading, benchPictures(window, benches), copies);
}

PrintWindow::PrintWindow(MainWindow& window, MessageService& messages, QPrinter& printer, QWidget* parent)
    : QDialog(parent), window_(window), messages_(messages), printer_(printer) {
  setObjectName(QStringLiteral("printWindow"));
  setWindowTitle(tr("Imprimer"));

  optionsBox_ = new QGroupBox(tr("Options"), this);
  optionsBox_->setObjectName(QStringLiteral("printOptions"));
  auto* options = new QGridLayout(optionsBox_);
  static const char* const captions[3] = {QT_TR_NOOP("Illustration pour la solution 1"),
                                          QT_TR_NOOP("Illustration pour la solution 2"),
                                          QT_TR_NOOP("Illustration pour le mélange")};
  for (int i = 0; i < 3; ++i) {
    benchBoxes_[i] = new QCheckBox(tr(captions[i]), optionsBox_);
    benchBoxes_[i]->setObjectName(QStringLiteral("benchBox%1").arg(i));
    options->addWidget(benchBoxes_[i], i, 0, 1, 2);
  }
  auto* label3 = new QLabel(tr("Nombre d'exemplaires :"), optionsBox_);
  label3->setObjectName(QStringLiteral("copiesLabel"));
  copiesBox_ = new QSpinBox(optionsBox_);
  copiesBox_->setObjectName(QStringLiteral("copies"));
  copiesBox_->setRange(1, kMaxCopies);
  copiesBox_->setValue(1);
  label3->setBuddy(copiesBox_);
  options->addWidget(label3, 3, 0);
  options->addWidget(copiesBox_, 3, 1, Qt::AlignLeft);

  // The wait notice takes the place of the options while printing.
  waitNotice_ = new QFrame(this);
  waitNotice_->setObjectName(QStringLiteral("waitNotice"));
  auto* wait = new QHBoxLayout(waitNotice_);
  auto* icon = new QLabel(waitNotice_);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
  wait->addWidget(icon);
  wait->addWidget(new QLabel(tr("Veuillez patienter quelques instants..."), waitNotice_), 1);
  waitNotice_->hide();

  auto* label2 = new QLabel(tr("Imprimante\u00A0:"), this);
  label2->setObjectName(QStringLiteral("printerLabel"));
  printerName_ = new QLineEdit(this);
  printerName_->setObjectName(QStringLiteral("printerName"));
  printerName_->setReadOnly(true);
  label2->setBuddy(printerName_);

  okButton_ = button("printOk", tr("&OK"), this);
  printersButton_ = button("printerChoice", tr("&Imprimantes"), this);
  cancelButton_ = button("printCancel", tr("&Annuler"), this);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(okButton_);
  buttons->addWidget(printersButton_);
  buttons->addWidget(cancelButton_);
  buttons->addStretch(1);

  auto* grid = new QGridLayout(this);
  grid->addWidget(optionsBox_, 0, 0);
  grid->addWidget(waitNotice_, 0, 0);
  grid->addLayout(buttons, 0, 1);
  grid->addWidget(label2, 1, 0, 1, 2);
  grid->addWidget(printerName_, 2, 0, 1, 2);
  grid->setColumnStretch(0, 1);

  connect(okButton_, &QPushButton::clicked, this, &PrintWindow::onOk);
  connect(printersButton_, &QPushButton::clicked, this, &PrintWindow::onPrinters);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
  showPrinterName();
}

void PrintWindow::showPrinterName() {
  const bool toFile = printer_.outputFormat() == QPrinter::PdfFormat;
  printerName_->setText(toFile ? printer_.outputFileName() : printer_.printerName());
}

void PrintWindow::onPrinters() {
  qtp::askPrinter(printer_, this);
  showPrinterName();
}

void PrintWindow::showWaitNotice(bool on) {
  optionsBox_->setVisible(!on);
  for (QPushButton* b : {okButton_, printersButton_, cancelButton_}) b->setVisible(!on);
  waitNotice_->setVisible(on);
  repaint();
}

void PrintWindow::onOk() {
  std::vector<int> benches;
  for (int i = 0; i < 3; ++i)
    if (benchBoxes_[i]->isChecked()) benches.push_back(i + 1);
  if (benches.empty()) {
    messages_.show(noPictureChosen());
    return;
  }
  // A file printed before is replaced only when the pupil agrees, as every save asks.
  const QString file = printer_.outputFormat() == QPrinter::PdfFormat ? printer_.outputFileName() : QString();
  if (!file.isEmpty() && QFileInfo::exists(file) &&
      messages_.show(files::overwriteTextQuestion(file.toStdString())) != Answer::Ok)
    return;
  showWaitNotice(true);
  bool printed;
  {
    const qtp::WaitCursor wait;
    // The copies are this window's: the printer makes one of each page.
    printer_.setCopyCount(1);
    printed = printBenchPictures(window_, printer_, benches, copiesBox_->value());
  }
  if (!printed) {
    showWaitNotice(false);
    messages_.show(printFailed());
    return;
  }
  accept();
}

}  // namespace velmira::ui
