// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ResultsBox.h"

#include <QLabel>

#include "platform/core/Messages.h"
#include "platform/qt/Fonts.h"
#include "ui/EntryField.h"

namespace velmira::ui {

namespace {
constexpr int kRowHeight = 24, kFieldHeight = 21, kValueWidth = 92, kULabelWidth = 30, kUWidth = 72, kGap = 4;
// Not an entry of the workbench: the fields only borrow the key rules.
constexpr int kNoBenchEntry = -1;
}  // namespace

ResultsBox::ResultsBox(MessageService& messages, QWidget* window) : QWidget(window), messages_(messages) {
  setObjectName(QStringLiteral("resultsBox"));
  build();
  hide();
}

void ResultsBox::build() {
  const QFont font = qtp::mapFont(QStringLiteral("Arial"), 10);
  for (std::size_t k = 0; k < files::kMaxResults; ++k) {
    Row r;
    r.label = new QLabel(this);
    r.uLabel = new QLabel(QStringLiteral("u ="), this);
    r.value = new EntryField(kNoBenchEntry, this);
    r.u = new EntryField(kNoBenchEntry, this);
    r.value->setObjectName(QStringLiteral("resultValue%1").arg(k + 1));
    r.u->setObjectName(QStringLiteral("resultU%1").arg(k + 1));
    for (QWidget* w : {static_cast<QWidget*>(r.label), static_cast<QWidget*>(r.uLabel), static_cast<QWidget*>(r.value),
                       static_cast<QWidget*>(r.u)})
      w->setFont(font);
    r.label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    r.uLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (EntryField* f : {r.value, r.u}) connect(f, &EntryField::validationRequested, this, [this, k] { take(k); });
    rows_.push_back(r);
  }
}

int ResultsBox::neededHeight() const { return isHidden() ? 0 : static_cast<int>(shown_) * kRowHeight; }

void ResultsBox::showWork(const std::optional<files::WorkItems>& work) {
  shown_ = work ? std::min(work->results.results.size(), rows_.size()) : 0;
  for (std::size_t k = 0; k < rows_.size(); ++k) {
    Row& r = rows_[k];
    const bool on = k < shown_;
    for (QWidget* w : {static_cast<QWidget*>(r.label), static_cast<QWidget*>(r.uLabel), static_cast<QWidget*>(r.value),
                       static_cast<QWidget*>(r.u)})
      w->setVisible(on);
    if (!on) continue;
    const QString label = QString::fromStdString(work->results.results[k].label);
    r.kept = work->given[k];
    r.label->setText(label + QStringLiteral(" ="));
    r.value->setText(QString::fromStdString(r.kept.value));
    r.u->setText(QString::fromStdString(r.kept.u));
    r.value->setAccessibleName(label);
    r.u->setAccessibleName(QStringLiteral("u(%1)").arg(label));
  }
  layoutRows();
  setVisible(shown_ > 0);
}

void ResultsBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layoutRows();
}

void ResultsBox::layoutRows() {
  const int uLeft = width() - kUWidth, uLabelLeft = uLeft - kGap - kULabelWidth;
  const int valueLeft = uLabelLeft - kGap - kValueWidth, labelWidth = valueLeft - kGap;
  for (std::size_t k = 0; k < shown_; ++k) {
    const Row& r = rows_[k];
    const int y = static_cast<int>(k) * kRowHeight, fy = y + (kRowHeight - kFieldHeight) / 2;
    r.label->setGeometry(0, y, labelWidth, kRowHeight);
    r.value->setGeometry(valueLeft, fy, kValueWidth, kFieldHeight);
    r.uLabel->setGeometry(uLabelLeft, y, kULabelWidth, kRowHeight);
    r.u->setGeometry(uLeft, fy, kUWidth, kFieldHeight);
  }
}

void ResultsBox::take(std::size_t k) {
  Row& r = rows_[k];
  const files::GivenResult typed{r.value->text().toStdString(), r.u->text().toStdString()};
  // A u typed before its value waits for it.
  if (typed == r.kept || (typed.value.empty() && !typed.u.empty() && r.kept.value.empty())) return;
  if (const auto problem = files::givenProblem(typed)) {
    r.value->setText(QString::fromStdString(r.kept.value));
    r.u->setText(QString::fromStdString(r.kept.u));
    messages_.show(files::givenRefused(*problem));
    return;
  }
  r.kept = typed;
  emit given(k, typed);
}

}  // namespace velmira::ui
