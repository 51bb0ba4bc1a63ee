// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ui/ExerciseWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtMath>

#include "files/ExerciseFile.h"
#include "files/ui/FileChooser.h"
#include "files/ui/WaitNotice.h"
#include "model/FlagFile.h"
#include "platform/core/FileNames.h"
#include "platform/core/Messages.h"
#include "platform/core/NumberText.h"
#include "platform/qt/Fonts.h"
#include "widgets/Colours.h"
#include "widgets/ScrolledDialog.h"
#include "widgets/SurfaceWidget.h"
#include "widgets/TitleStrip.h"

namespace velmira::files::ui {

namespace {
constexpr int kTitleHeight = 48;
constexpr int kStarSize = 28;
const char* const kNoTitle = QT_TRANSLATE_NOOP("velmira::files::ui", "Titre");

// The corrected status with its shadow one pixel down and right: one label,
// so a screen reader reads it once.
class ShadowedLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setFont(font());
    const int flags = Qt::AlignLeft | Qt::AlignVCenter;
    p.setPen(widgets::kDarkGrey);
    p.drawText(rect().translated(1, 1), flags, text());
    p.setPen(widgets::kStatusText);
    p.drawText(rect(), flags, text());
  }
};
}  // namespace

QPixmap starPicture(bool lit, int size, double devicePixelRatio) {
  QPixmap pm(QSize(size, size) * devicePixelRatio);
  pm.setDevicePixelRatio(devicePixelRatio);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath star;
  const QPointF c(size / 2.0, size / 2.0 + 1);
  for (int i = 0; i < 10; ++i) {
    const double r = (i % 2 == 0 ? 0.48 : 0.2) * size;
    const double a = -M_PI / 2 + i * M_PI / 5;
    const QPointF pt = c + QPointF(r * std::cos(a), r * std::sin(a));
    if (i == 0)
      star.moveTo(pt);
    else
      star.lineTo(pt);
  }
  star.closeSubpath();
  p.setPen(QPen(lit ? widgets::kStarLitEdge : widgets::kStarEdge, 1.2));
  p.setBrush(lit ? widgets::kStarLit : widgets::kStarUnlit);
  p.drawPath(star);
  return pm;
}

ExerciseWindow::ExerciseWindow(const QString& startFolder, MessageService& messages,
                               std::function<bool(const std::string&)> open, QWidget* mainWindow)
    : QDialog(mainWindow), messages_(messages), open_(std::move(open)) {
  setObjectName(QStringLiteral("exerciseWindow"));
  setWindowTitle(
      QCoreApplication::translate("velmira::files::ui", "Ouvrir un exercice — Velmira"));  // named by its job
  // The main window's position and size, within the screen's free area.
  if (mainWindow) {
    setGeometry(
        QRect(mainWindow->geometry().topLeft(), mainWindow->size().boundedTo(velmira::widgets::freeRoom(*mainWindow))));
  } else {
    resize(800, 600);
  }

  tito_ = new velmira::widgets::SurfaceWidget(this);
  tito_->setObjectName(QStringLiteral("titleStrip"));
  tito_->place(QRect(0, 0, width(), kTitleHeight));
  velmira::widgets::drawTitleStrip(tito_->surface(),
                                   QCoreApplication::translate("velmira::files::ui", "Ouvrir un exercice"));

  chooser_ = new FileChooser(QStringLiteral("*") + QString::fromLatin1(kExerciseExtension),
                             QCoreApplication::translate("velmira::files::ui", "Emplacement\u00A0:"),
                             QCoreApplication::translate("velmira::files::ui", "Dossiers\u00A0:"),
                             QCoreApplication::translate("velmira::files::ui", "Liste des exercices\u00A0:"),
                             startFolder, this);
  fileField_ = new QLineEdit(this);
  fileField_->setObjectName(QStringLiteral("exerciseFile"));
  fileField_->setReadOnly(true);
  fileField_->setAccessibleName(QCoreApplication::translate("velmira::files::ui", "Fichier de l'exercice"));

  // The preview.
  auto* preview = new QFrame(this);
  preview->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  auto* pv = new QVBoxLayout(preview);
  titleLabel_ = new QLabel(QCoreApplication::translate("velmira::files::ui", kNoTitle), preview);
  titleLabel_->setObjectName(QStringLiteral("exerciseTitle"));
  titleLabel_->setWordWrap(true);
  titleLabel_->setFont(qtp::mapFont(QStringLiteral("Arial"), 12, true));
  notionsHeading_ = new QLabel(QCoreApplication::translate("velmira::files::ui", "Notions abordées :"), preview);
  notions_ = new QPlainTextEdit(preview);
  notions_->setObjectName(QStringLiteral("notions"));
  notions_->setReadOnly(true);
  notions_->setAccessibleName(QCoreApplication::translate("velmira::files::ui", "Notions abordées"));
  notions_->setMaximumHeight(90);
  difficultyHeading_ = new QLabel(QCoreApplication::translate("velmira::files::ui", "Niveau de difficulté :"), preview);
  stars_ = new QLabel(preview);
  stars_->setObjectName(QStringLiteral("stars"));
  stars_->setFixedSize(3 * kStarSize, kStarSize);
  statusLabel_ = new ShadowedLabel(QCoreApplication::translate("velmira::files::ui", "Corrigé"), preview);
  statusLabel_->setObjectName(QStringLiteral("status"));
  statusLabel_->setFont(qtp::mapFont(QStringLiteral("Arial"), 11, true));
  statusLabel_->setFixedHeight(24);
  intratro_ = new QLabel(QCoreApplication::translate("velmira::files::ui", "Sélectionner un fichier"), preview);
  intratro_->setObjectName(QStringLiteral("introduction"));
  pv->addWidget(titleLabel_);
  pv->addWidget(intratro_);
  pv->addWidget(notionsHeading_);
  pv->addWidget(notions_);
  pv->addWidget(difficultyHeading_);
  pv->addWidget(stars_);
  pv->addWidget(statusLabel_);
  pv->addStretch();

  openButton_ =
      new QPushButton(QCoreApplication::translate("velmira::files::ui", "Ouvrir l'exercice sélectionné"), this);
  openButton_->setObjectName(QStringLiteral("openButton"));
  auto* close =
      new QPushButton(QCoreApplication::translate("velmira::files::ui", "Fermer sans charger d'exercice"), this);
  for (QPushButton* b : {openButton_, close}) b->setAutoDefault(false);

  auto* grid = new QGridLayout;
  grid->addWidget(chooser_, 0, 0);
  grid->addWidget(preview, 0, 1);
  grid->addWidget(fileField_, 1, 0, 1, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(openButton_);
  buttons->addWidget(close);
  grid->addLayout(buttons, 2, 0, 1, 2);
  grid->setColumnStretch(0, 3);
  grid->setColumnStretch(1, 2);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 8);
  layout->addSpacing(kTitleHeight);
  auto* body = new QWidget(this);
  body->setLayout(grid);
  layout->addWidget(body);

  // The waiting panel, over everything while the files load.
  waitNotice_ = new WaitNotice(
      QCoreApplication::translate("velmira::files::ui", "Patienter quelques instants\n Chargement des fichiers"), this);
  waitNotice_->setObjectName(QStringLiteral("waitNotice"));

  connect(chooser_, &FileChooser::fileSelected, this, [this](const std::string& name) { selectFile(name); });
  connect(chooser_, &FileChooser::fileClicked, this, [this](const std::string& name) { selectFile(name, true); });
  connect(chooser_, &FileChooser::fileActivated, this, [this](const std::string& name) {
    selectFile(name);
    onOpen();
  });
  connect(chooser_, &FileChooser::filesListed, this, &ExerciseWindow::selectFirstFile);
  connect(openButton_, &QPushButton::clicked, this, &ExerciseWindow::onOpen);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  // Loaded empty: no preview until a file is chosen.
  chooser_->setFolder(startFolder);
  showPreview();
  // Another folder: no file chosen until the pupil picks one.
  connect(chooser_, &FileChooser::folderChanged, this, [this] {
    pupilChose_ = true;
    activityFolder_.clear();
    exercisePath_.clear();
    fileField_->clear();
    showPreview();
  });
}

void ExerciseWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  tito_->place(QRect(0, 0, width(), kTitleHeight));
  velmira::widgets::drawTitleStrip(tito_->surface(),
                                   QCoreApplication::translate("velmira::files::ui", "Ouvrir un exercice"));
  selectFirstFile();
}

void ExerciseWindow::selectFirstFile() {
  // Until the pupil picks a file, the first one the list shows is selected,
  // the list focused (again once the list is sorted).
  if (pupilChose_) return;
  QListView* list = chooser_->files();
  const QModelIndex first = list->model()->index(0, 0, list->rootIndex());
  if (!first.isValid()) return;
  selectingFirst_ = true;
  list->setCurrentIndex(first);
  list->setFocus();
  selectFile(chooser_->nativeName(first));
  selectingFirst_ = false;
}

void ExerciseWindow::selectFile(const std::string& name, bool clicked) {
  if (!selectingFirst_) pupilChose_ = true;
  exercisePath_ = model::withSeparator(chooser_->folder().toStdString()) + name;
  activityFolder_ = exerciseFolder(exercisePath_);
  QDir::setCurrent(chooser_->folder());
  fileField_->setText(QString::fromStdString(fileio::shownPath(exercisePath_)));
  if (!showPreview() && clicked) messages_.show(exerciseUnreadable());
}

void ExerciseWindow::showStars(int lit) {
  const double dpr = devicePixelRatioF();
  QPixmap row(stars_->size() * dpr);
  row.setDevicePixelRatio(dpr);
  row.fill(Qt::transparent);
  QPainter p(&row);
  for (int i = 0; i < 3; ++i) {
    lit_[static_cast<std::size_t>(i)] = lit > i;
    p.drawPixmap(i * kStarSize, 0, starPicture(lit > i, kStarSize, dpr));
  }
  p.end();
  stars_->setPixmap(row);
  stars_->setAccessibleName(QCoreApplication::translate("velmira::files::ui", "Difficulté : %1 sur 3").arg(lit));
  stars_->show();
}

bool ExerciseWindow::showPreview() {
  notions_->clear();
  stars_->hide();
  difficultyHeading_->hide();
  openButton_->hide();
  const std::string& file = exercisePath_;
  if (num::trim(file).empty()) {
    titleLabel_->setText(QCoreApplication::translate("velmira::files::ui", kNoTitle));
    intratro_->show();
    notionsHeading_->hide();
    statusLabel_->hide();
    return true;
  }
  intratro_->hide();
  difficultyHeading_->show();
  openButton_->show();
  notionsHeading_->show();
  statusLabel_->show();
  const ExercisePreview p = readPreview(file);
  if (p.state != PreviewState::Read) {
    // Nothing of another file's preview stays.
    titleLabel_->setText(QCoreApplication::translate("velmira::files::ui", kNoTitle));
    statusLabel_->hide();
    return false;
  }
  statusLabel_->setText(QString::fromUtf8(p.status()));
  int lit = 0;
  for (bool s : p.stars) lit += s ? 1 : 0;
  showStars(lit);
  notions_->setPlainText(QString::fromStdString(p.notions));
  titleLabel_->setText(QString::fromStdString(p.title));
  return true;
}

void ExerciseWindow::onOpen() {
  const std::string file = exercisePath_;
  if (num::trim(file).empty()) return;
  waitNotice_->showNow();
  const bool opened = open_(file);
  waitNotice_->hide();
  if (opened) accept();
}

}  // namespace velmira::files::ui
