// SPDX-License-Identifier: GPL-3.0-or-later
// `arith`: an arithmetic series down a column.
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "platform/core/Messages.h"
#include "table/Table.h"
#include "table/TableCommands.h"
#include "table/ui/TableDialogs.h"

namespace velmira::table::ui {

namespace {

// A field of the series: the series key filter, rewritten on leaving.
class SeriesField : public QLineEdit {
 public:
  explicit SeriesField(QWidget* parent) : QLineEdit(parent) {}
  void rewrite() { setText(QString::fromStdString(seriesFieldText(text().toStdString()))); }

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    const QString t = e->text();
    const int k = e->key();
    const bool editing = k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Home || k == Qt::Key_End ||
                         k == Qt::Key_Delete || k == Qt::Key_Tab || k == Qt::Key_Backtab || k == Qt::Key_Return ||
                         k == Qt::Key_Enter || k == Qt::Key_Escape || (e->modifiers() & Qt::ControlModifier);
    if (editing || t.isEmpty()) {
      QLineEdit::keyPressEvent(e);
      return;
    }
    const int code = k == Qt::Key_Backspace ? 8 : t.at(0).unicode();
    const auto ch = seriesFieldKey(code);
    if (!ch) return;
    if (*ch == 8)
      backspace();
    else
      insert(QString(QChar(*ch)));
  }
  void focusOutEvent(QFocusEvent* e) override {
    QLineEdit::focusOutEvent(e);
    if (e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason) rewrite();
  }
};

}  // namespace

bool runSeriesDialog(QWidget* parent, Table& table, int col, MessageService& messages) {
  QDialog d(parent);
  d.setObjectName(QStringLiteral("seriesDialog"));
  d.setWindowTitle(QCoreApplication::translate("velmira::table::ui", "Suite arithmétique"));
  auto* form = new QFormLayout;
  static const char* const kLabels[3] = {QT_TRANSLATE_NOOP("velmira::table::ui", "Première valeur\u00A0:"),
                                         QT_TRANSLATE_NOOP("velmira::table::ui", "Dernière valeur\u00A0:"),
                                         QT_TRANSLATE_NOOP("velmira::table::ui", "Incrément (raison)\u00A0:")};
  std::array<SeriesField*, 3> fields{};
  for (int i = 0; i < 3; ++i) {
    fields[i] = new SeriesField(&d);
    fields[i]->setObjectName(QStringLiteral("seriesField%1").arg(i));
    form->addRow(QCoreApplication::translate("velmira::table::ui", kLabels[i]), fields[i]);
  }
  // OK closes the dialog only when the series is filled.
  QDialogButtonBox* buttons = okCancelButtons(d, false);
  bool changed = false;
  QObject::connect(buttons, &QDialogButtonBox::accepted, &d, [&] {
    for (SeriesField* f : fields) f->rewrite();
    const auto message = arithmeticSeries(table, col, fields[0]->text().toStdString(), fields[1]->text().toStdString(),
                                          fields[2]->text().toStdString());
    if (message) {
      messages.show(*message);  // the dialog stays open
      return;
    }
    changed = true;
    d.accept();
  });
  auto* layout = new QVBoxLayout(&d);
  layout->addLayout(form);
  layout->addWidget(buttons);
  d.exec();
  return changed;
}

}  // namespace velmira::table::ui
