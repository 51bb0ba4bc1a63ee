// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CommandButtons.h"

#include <QCoreApplication>

#include "platform/qt/Fonts.h"
#include "widgets/ButtonIcons.h"

namespace velmira::ui {

namespace {

const CommandInfo kInfo[kCommandCount] = {
    {"openCommand", QT_TRANSLATE_NOOP("velmira::ui", "&Ouvrir"),
     QT_TRANSLATE_NOOP("velmira::ui", "Retrouver une configuration"),
     QT_TRANSLATE_NOOP("velmira::ui", "Pour retrouver une situation enregistrée et le tableau de valeurs"), 0, 97},
    {"saveCommand", QT_TRANSLATE_NOOP("velmira::ui", "&Enregistrer"),
     QT_TRANSLATE_NOOP("velmira::ui", "Enregistrer la configuration actuelle"),
     QT_TRANSLATE_NOOP("velmira::ui", "Enregistrer les paramètres en cours et le tableau de valeurs"), 96, 105},
    {"copyCommand", QT_TRANSLATE_NOOP("velmira::ui", "Co&pier"),
     QT_TRANSLATE_NOOP("velmira::ui", "Placer l'image dans le presse-papiers"),
     QT_TRANSLATE_NOOP("velmira::ui",
                       "Copier pour placer l'image dans le presse- papiers puis coller depuis Word, Paint..."),
     200, 97},
    {"printCommand", QT_TRANSLATE_NOOP("velmira::ui", "&Imprimer"),
     QT_TRANSLATE_NOOP("velmira::ui", "Imprimer l'image"),
     QT_TRANSLATE_NOOP("velmira::ui", "Configurer l'imprimante et imprimer l'image"), 296, 105},
    {"tableCommand", QT_TRANSLATE_NOOP("velmira::ui", "&Tableau"),
     QT_TRANSLATE_NOOP("velmira::ui", "Afficher / cacher le tableau"),
     QT_TRANSLATE_NOOP("velmira::ui", "Pour afficher ou cacher le tableau de valeurs"), 400, 105},
    {"calculatorCommand", QT_TRANSLATE_NOOP("velmira::ui", "&Calculatrice"),
     QT_TRANSLATE_NOOP("velmira::ui", "Machine à calculer"),
     QT_TRANSLATE_NOOP("velmira::ui", "Afficher la machine à calculer"), 504, 105},
    {"helpCommand", QT_TRANSLATE_NOOP("velmira::ui", "&Aide"),
     QT_TRANSLATE_NOOP("velmira::ui", "Aide pour utiliser cette application"),
     QT_TRANSLATE_NOOP("velmira::ui", "Si vous rencontrez une difficulté avec cette application"), 608, 97},
    {"closeCommand", QT_TRANSLATE_NOOP("velmira::ui", "&Fermer"),
     QT_TRANSLATE_NOOP("velmira::ui", "Quitter cette application"),
     QT_TRANSLATE_NOOP("velmira::ui", "Pour retrouver le module principal et quitter cette application"), 704, 97},
};

const widgets::CommandPicture kPictures[kCommandCount] = {
    widgets::CommandPicture::Open,  widgets::CommandPicture::Save,  widgets::CommandPicture::Copy,
    widgets::CommandPicture::Print, widgets::CommandPicture::Table, widgets::CommandPicture::Calculator,
    widgets::CommandPicture::Help,  widgets::CommandPicture::Close,
};

}  // namespace

const CommandInfo& commandInfo(Command c) { return kInfo[static_cast<int>(c)]; }

CommandButtons::CommandButtons(QWidget* parent) {
  const QFont font = qtp::mapFont(QStringLiteral("Arial"), 8.25);
  for (int i = 0; i < kCommandCount; ++i) {
    const CommandInfo& info = kInfo[i];
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromUtf8(info.name));
    b->setText(QCoreApplication::translate("velmira::ui", info.caption));
    b->setToolTip(QCoreApplication::translate("velmira::ui", info.tooltip));
    b->setIcon(widgets::commandIcon(kPictures[i]));
    b->setIconSize(QSize(widgets::kCommandPictureSize, widgets::kCommandPictureSize));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setFont(font);
    b->setGeometry(info.left, 0, info.width, 41);
    b->setMouseTracking(true);
    b->setFocusPolicy(Qt::StrongFocus);
    if (static_cast<Command>(i) == Command::Table) b->setCheckable(true);
    buttons_[i] = b;
  }
}

bool CommandButtons::commandOf(const QObject* o, Command* c) const {
  for (int i = 0; i < kCommandCount; ++i) {
    if (buttons_[i] == o) {
      *c = static_cast<Command>(i);
      return true;
    }
  }
  return false;
}

}  // namespace velmira::ui
