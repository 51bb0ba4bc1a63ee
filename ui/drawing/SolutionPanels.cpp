// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawing/SolutionPanels.h"

#include <QCoreApplication>

#include "model/EntryRules.h"
#include "model/SoluteCatalogue.h"
#include "platform/core/NumberText.h"
#include "platform/qt/Surface.h"
#include "ui/drawing/BenchDrawing.h"
#include "widgets/Colours.h"

namespace velmira::ui {

namespace {

constexpr double kBaseSize = 10;
constexpr double kScriptSize = 8;
constexpr int kRaise = 4;
constexpr int kLower = 6;

int rnd(double v) { return static_cast<int>(num::roundHalfEven(v)); }

QString q(std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); }

// A script at 8 points, `dy` pixels below the base line; the pen comes back
// to the base line and to 10 points.
void script(qtp::Surface& s, const QString& text, int dy) {
  s.setFontSize(kScriptSize);
  s.currentY += dy;
  s.printStay(text);
  s.currentY -= dy;
  s.setFontSize(kBaseSize);
}

void bullet(qtp::Surface& s) {
  s.setFontName(QStringLiteral("Symbol"));
  s.printStay(QStringLiteral("·"));
  s.setFontName(QStringLiteral("Arial"));
}

void pageFont(qtp::Surface& s) {
  s.setBackColor(widgets::kPageBackground);
  s.setForeColor(Qt::black);
  s.setFont(QStringLiteral("Arial"), kBaseSize, false, false);
}

void title(qtp::Surface& s) {
  s.setPen(20, 15);
  s.setBold(true);
  s.printLine(QCoreApplication::translate("velmira::ui::drawing", "Solution aqueuse étudiée"));
  s.setBold(false);
}

}  // namespace

void printFormula(qtp::Surface& s, int n) {
  if (n == kHiddenSolute) {
    s.setFontSize(kBaseSize);
    s.printStay(QStringLiteral("?"));
    return;
  }
  const model::Solute* so = model::solute(n);
  if (!so) return;
  s.setFontSize(kBaseSize);
  for (const model::FormulaPiece& p : so->pieces) {
    switch (p.kind) {
      case model::PieceKind::Base:
        s.printStay(q(p.text));
        break;
      case model::PieceKind::Charge:
        script(s, q(p.text), -kRaise);
        break;
      case model::PieceKind::Count:
        script(s, q(p.text), kLower);
        break;
      case model::PieceKind::Stacked: {
        const double x = s.currentX;
        script(s, q(p.charge), -kRaise);
        s.currentX = x;
        script(s, q(p.text), kLower);
        break;
      }
    }
  }
}

SolutionPagePlaces paintSolutionPage(qtp::Surface& s, int k, QSize formulaBox, QSize entry) {
  SolutionPagePlaces pl;
  pageFont(s);
  title(s);

  s.setPen(30, 45);
  bullet(s);
  s.printStay(QCoreApplication::translate("velmira::ui::drawing", " Ions en solution : "));
  pl.formulaBox = QPoint(rnd(s.currentX), rnd(s.currentY - 5));
  pl.soluteListButton = QPoint(pl.formulaBox.x() + formulaBox.width(), pl.formulaBox.y());

  // A text in pieces, one per style: the scripts are the units' powers.
  s.setPen(30, 75);
  bullet(s);
  s.printStay(QCoreApplication::translate("velmira::ui::drawing", " Concentration en soluté apporté (de 10"));
  script(s, QStringLiteral("-5"), -kRaise);
  s.printStay(QStringLiteral(" mol · L"));
  script(s, QStringLiteral("-1"), -kRaise);
  s.printLine(QCoreApplication::translate("velmira::ui::drawing", " à"));
  s.currentX = 30;
  s.printStay(QStringLiteral("0,1 mol · L"));
  script(s, QStringLiteral("-1"), -kRaise);
  s.printStay(QCoreApplication::translate("velmira::ui::drawing", ") : "));

  s.setPen(120, 115);
  s.setItalic(true);
  s.printStay(QStringLiteral("c"));
  s.setItalic(false);
  script(s, k == 2 ? QStringLiteral("2") : QStringLiteral("1"), kLower);
  s.printStay(QStringLiteral(" = "));
  pl.entryField = QPoint(rnd(s.currentX), rnd(s.currentY - 3));
  s.currentX = pl.entryField.x() + entry.width();
  s.printStay(QStringLiteral(" mol · L"));
  script(s, QStringLiteral("-1"), -kRaise);
  s.printStay(QStringLiteral(" "));
  return pl;
}

SolutionPagePlaces solutionPagePlaces(int k, QSize formulaBox, QSize entry) {
  // The texts' widths are the fonts', whatever surface they are laid on.
  qtp::Surface scratch;
  return paintSolutionPage(scratch, k, formulaBox, entry);
}

namespace {

QPoint mixtureLine(qtp::Surface& s, int y, int k, int soluteNumber, QSize entry) {
  s.setPen(30, y);
  bullet(s);
  s.printStay(QCoreApplication::translate("velmira::ui::drawing", " Solution %1 : ").arg(k));
  printFormula(s, soluteNumber);
  s.currentX = 210;
  s.setItalic(true);
  s.printStay(QStringLiteral("V"));
  s.setItalic(false);
  script(s, k == 1 ? QStringLiteral("1") : QStringLiteral("2"), kRaise);
  s.printStay(QStringLiteral(" = "));
  const QPoint at(rnd(s.currentX), rnd(s.currentY - 3));
  s.currentX = at.x() + entry.width();
  s.printStay(QStringLiteral(" mL "));
  return at;
}

}  // namespace

MixturePagePlaces paintMixturePage(qtp::Surface& s, bool mixturePossible, int solute1, int solute2, QSize entry4,
                                   QSize entry5) {
  MixturePagePlaces pl;
  if (!mixturePossible) {
    s.filledRectangle(0, 0, s.width(), s.height(), widgets::kPageBackground);
    return pl;
  }
  pl.entriesVisible = true;
  pageFont(s);
  title(s);
  s.setPen(30, 36);
  s.printLine(QString::fromStdString(model::beakerCapacityText()));
  s.currentX = 30;
  s.printLine(QCoreApplication::translate("velmira::ui::drawing",
                                          "Pour que la cellule soit totalement immergée, le volume du"));
  s.currentX = 30;
  s.printLine(QCoreApplication::translate("velmira::ui::drawing", "mélange doit être supérieur à 60 mL."));
  pl.text4 = mixtureLine(s, 97, 1, solute1, entry4);
  pl.text5 = mixtureLine(s, 126, 2, solute2, entry5);
  return pl;
}

MixturePagePlaces mixturePagePlaces(QSize entry4, QSize entry5) {
  // The entries follow the texts before them, not the solutes' formulas.
  qtp::Surface scratch;
  return paintMixturePage(scratch, true, 0, 0, entry4, entry5);
}

}  // namespace velmira::ui
