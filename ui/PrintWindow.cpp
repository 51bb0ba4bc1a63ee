#include "ui/PrintWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
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
#include "platform/qt/Printing.h"
#include "platform/qt/WaitCursor.h"
#include "ui/BenchPicture.h"
#include "ui/MainWindow.h"

namespace velmira::ui {

namespace {

constexpr int kMaxCopies = 40;

Message noPictureChosen() {
  return msg::criticalOk("Il faut choisir au moins une illustration à imprimer", "Erreur sélection");
}

Message printFailed() {
  return msg::criticalOk("L'impression n'a pas pu se faire : vérifiez l'imprimante choisie.", "Imprimer");
}

QPushButton* button(const char* name, const char* caption, QWidget* parent) {
  auto* b = new QPushButton(QString::fromUtf8(caption), parent);
  b->setObjectName(QString::fromUtf8(name));
  b->setAutoDefault(false);
  return b;
}

}  // namespace

QString printHeading(const std::string& configPath) {
  const QDate today = QDate::currentDate();
  return QString::fromStdString(
      files::headingLine(files::documentName(configPath), {today.year(), today.month(), today.day()}));
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
  const QString heading = printHeading(window.configPath());
  return qtp::printCaptionedPictures(printer, heading, heading, benchPictures(window, benches), copies);
}

PrintWindow::PrintWindow(MainWindow& window, MessageService& messages, QPrinter& printer, QWidget* parent)
    : QDialog(parent), window_(window), messages_(messages), printer_(printer) {
  setObjectName(QStringLiteral("confimp"));
  setWindowTitle(QStringLiteral("Imprimer"));

  cellOptions_ = new QGroupBox(QStringLiteral("Options"), this);
  cellOptions_->setObjectName(QStringLiteral("Frame1"));
  auto* options = new QGridLayout(cellOptions_);
  static const char* const captions[3] = {"Illustration pour la solution 1", "Illustration pour la solution 2",
                                          "Illustration pour le mélange"};
  for (int i = 0; i < 3; ++i) {
    chec_[i] = new QCheckBox(QString::fromUtf8(captions[i]), cellOptions_);
    chec_[i]->setObjectName(QStringLiteral("Chec(%1)").arg(i));
    options->addWidget(chec_[i], i, 0, 1, 2);
  }
  auto* label3 = new QLabel(QStringLiteral("Nombre d'exemplaires :"), cellOptions_);
  label3->setObjectName(QStringLiteral("Label3"));
  upDown1_ = new QSpinBox(cellOptions_);
  upDown1_->setObjectName(QStringLiteral("UpDown1"));
  upDown1_->setRange(1, kMaxCopies);
  upDown1_->setValue(1);
  label3->setBuddy(upDown1_);
  options->addWidget(label3, 3, 0);
  options->addWidget(upDown1_, 3, 1, Qt::AlignLeft);

  // The wait notice takes the place of the options while printing.
  frame2_ = new QFrame(this);
  frame2_->setObjectName(QStringLiteral("Frame2"));
  auto* wait = new QHBoxLayout(frame2_);
  auto* icon = new QLabel(frame2_);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
  wait->addWidget(icon);
  wait->addWidget(new QLabel(QStringLiteral("Veuillez patienter quelques instants..."), frame2_), 1);
  frame2_->hide();

  auto* label2 = new QLabel(QStringLiteral("Imprimante:"), this);
  label2->setObjectName(QStringLiteral("Label2"));
  defaut_ = new QLineEdit(this);
  defaut_->setObjectName(QStringLiteral("defaut"));
  defaut_->setReadOnly(true);
  label2->setBuddy(defaut_);

  command1_ = button("Command1", "&OK", this);
  command2_ = button("Command2", "&Imprimantes", this);
  soluteListButtons_ = button("Command3", "&Annuler", this);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(command1_);
  buttons->addWidget(command2_);
  buttons->addWidget(soluteListButtons_);
  buttons->addStretch(1);

  auto* grid = new QGridLayout(this);
  grid->addWidget(cellOptions_, 0, 0);
  grid->addWidget(frame2_, 0, 0);
  grid->addLayout(buttons, 0, 1);
  grid->addWidget(label2, 1, 0, 1, 2);
  grid->addWidget(defaut_, 2, 0, 1, 2);
  grid->setColumnStretch(0, 1);

  connect(command1_, &QPushButton::clicked, this, &PrintWindow::Command1_Click);
  connect(command2_, &QPushButton::clicked, this, &PrintWindow::Command2_Click);
  connect(soluteListButtons_, &QPushButton::clicked, this, &QDialog::reject);
  startUp();
}

void PrintWindow::startUp() {
  const bool toFile = printer_.outputFormat() == QPrinter::PdfFormat;
  defaut_->setText(toFile ? printer_.outputFileName() : printer_.printerName());
}

void PrintWindow::Command2_Click() {
  qtp::askPrinter(printer_, this);
  startUp();
}

void PrintWindow::showWaitNotice(bool on) {
  cellOptions_->setVisible(!on);
  for (QPushButton* b : {command1_, command2_, soluteListButtons_}) b->setVisible(!on);
  frame2_->setVisible(on);
  repaint();
}

void PrintWindow::Command1_Click() {
  std::vector<int> benches;
  for (int i = 0; i < 3; ++i)
    if (chec_[i]->isChecked()) benches.push_back(i + 1);
  if (benches.empty()) {
    messages_.show(noPictureChosen());
    return;
  }
  showWaitNotice(true);
  bool printed;
  {
    const qtp::WaitCursor wait;
    // The copies are this window's: the printer makes one of each page.
    printer_.setCopyCount(1);
    printed = printBenchPictures(window_, printer_, benches, upDown1_->value());
  }
  if (!printed) {
    showWaitNotice(false);
    messages_.show(printFailed());
    return;
  }
  accept();
}

}  // namespace velmira::ui
