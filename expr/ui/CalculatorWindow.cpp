// SPDX-License-Identifier: GPL-3.0-or-later
#include "expr/ui/CalculatorWindow.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "expr/ColumnFormula.h"
#include "expr/Evaluator.h"
#include "expr/ui/CalculatorKeys.h"
#include "expr/ui/ProgressWindow.h"
#include "platform/core/Messages.h"
#include "platform/qt/Beep.h"
#include "platform/qt/Fonts.h"
#include "table/Table.h"
#include "widgets/SelectorGroup.h"

namespace velmira::expr::ui {

namespace {

// Layout, in pixels.
constexpr int kMargin = 14;
constexpr int kKeyWidth = 64;
constexpr int kKeyHeight = 44;
constexpr int kGap = 6;
constexpr int kBlockGap = 22;
constexpr int kBlockWidth = 5 * kKeyWidth + 4 * kGap;
constexpr int kWidth = 2 * kMargin + 2 * kBlockWidth + kBlockGap;
constexpr int kDisplayHeight = 66;
constexpr int kOptionsTop = kMargin + kDisplayHeight + 10;
constexpr int kOptionsHeight = 56;
constexpr int kColumnRowTop = kOptionsTop + kOptionsHeight + 10;
constexpr int kColumnRowHeight = 40;
constexpr int kKeypadHeight = 5 * kKeyHeight + 4 * kGap;

const char* familyName(KeyFamily f) {
  switch (f) {
    case KeyFamily::Digit:
      return "digit";
    case KeyFamily::Operator:
      return "operator";
    case KeyFamily::Function:
      return "function";
    case KeyFamily::Prefix:
      return "prefix";
    case KeyFamily::Memory:
      return "memory";
    case KeyFamily::Edit:
      return "edit";
    case KeyFamily::Execute:
      return "execute";
    case KeyFamily::Column:
      return "column";
  }
  return "";
}

const QString kStyle = QStringLiteral(R"(
QDialog#CalculatorWindow {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #eef1f5, stop:1 #d9dfe8);
}
QLineEdit#displayField {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #e9f1df, stop:1 #d7e3c9);
  color: #17240f; border: 2px solid #7f8f70; border-radius: 8px; padding: 0 12px;
  selection-background-color: #b5c89f; selection-color: #17240f;
}
QGroupBox {
  background: #f6f8fb; border: 1px solid #b7c0cd; border-radius: 8px;
  margin-top: 9px; color: #344256;
}
QGroupBox::title { subcontrol-origin: margin; left: 12px; padding: 0 4px; }
QRadioButton { color: #1f2a38; spacing: 7px; }
QPushButton {
  border: 1px solid #b1bac7; border-bottom: 2px solid #98a3b3; border-radius: 8px;
  background: #eceff3; color: #263240;
}
QPushButton:hover { border-color: #5d6f88; }
QPushButton:focus { border: 2px solid #2f6fb6; }
QPushButton:pressed { background: #c8d0db; }
QPushButton:disabled { background: #e3e6eb; color: #a9afb8; border-color: #d2d7de; }
QPushButton[family="digit"] { background: #ffffff; color: #16202c; }
QPushButton[family="digit"]:pressed { background: #d8dee7; }
QPushButton[family="operator"] { background: #d9e6f7; color: #17498a; }
QPushButton[family="operator"]:pressed { background: #b4c9e6; }
QPushButton[family="function"] { background: #e8ebf0; color: #2a3646; }
QPushButton[family="function"]:pressed { background: #c8ced8; }
QPushButton[family="prefix"] { background: #fbf0cf; color: #6f4a00; }
QPushButton[family="prefix"]:pressed { background: #eed9a0; }
QPushButton[family="memory"] { background: #daeee1; color: #1b5532; }
QPushButton[family="memory"]:pressed { background: #b5dbc2; }
QPushButton[family="edit"] { background: #f8d9cf; color: #962914; }
QPushButton[family="edit"]:pressed { background: #efb7a6; }
QPushButton[family="execute"] { background: #2f6fb6; color: #ffffff; border-color: #245891; }
QPushButton[family="execute"]:pressed { background: #245891; }
QPushButton[family="column"] { background: #e6ddf5; color: #4a2b7e; }
QPushButton[family="column"]:pressed { background: #cbbbe9; }
QPushButton[family="column"]:disabled { background: #ebe8f0; color: #b4adc0; }
)");

// The display: it shows the calculator's text and hands every key to the
// window's keyboard handler, so nothing reaches it by typing, pasting or
// dropping.
class Display : public QLineEdit {
 public:
  Display(CalculatorWindow* machine, QWidget* parent) : QLineEdit(parent), machine_(machine) {
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAttribute(Qt::WA_InputMethodEnabled, false);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (!machine_->keyboard(event)) event->ignore();
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() != Qt::MiddleButton) QLineEdit::mouseReleaseEvent(event);  // no selection paste
  }
  void inputMethodEvent(QInputMethodEvent* event) override { event->ignore(); }
  void focusInEvent(QFocusEvent* event) override {
    QLineEdit::focusInEvent(event);
    end(false);  // never a selection: the caret waits at the end
  }

 private:
  CalculatorWindow* machine_;
};

QFont keyFont(const KeyInfo& k) {
  const QString caption = QCoreApplication::translate("velmira::expr::ui", k.caption);
  if (caption.startsWith(QStringLiteral("INV"))) return qtp::mapFont(QStringLiteral("Verdana"), 9, true);
  if (k.family == KeyFamily::Digit || k.family == KeyFamily::Operator)
    return qtp::mapFont(QStringLiteral("Verdana"), 15, true);
  if (k.family == KeyFamily::Prefix || caption.size() <= 2) return qtp::mapFont(QStringLiteral("Verdana"), 13, true);
  return qtp::mapFont(QStringLiteral("Verdana"), 11.25, true);
}

}  // namespace

CalculatorWindow::CalculatorWindow(double& memory, QWidget* parent) : QDialog(parent), calc_(memory) {
  build();
  setWindowTitle(QCoreApplication::translate("velmira::expr::ui", "Machine à calculer"));
  placeControls();
}

CalculatorWindow::CalculatorWindow(table::Table& table, int col, bool recalculate, double& memory,
                                   MessageService& messages, QWidget* parent)
    : QDialog(parent), calc_(memory), table_(&table), col_(std::clamp(col, 0, table::kCols - 1)), messages_(&messages) {
  build();
  setWindowTitle(QString::fromStdString(expr::columnCalculatorTitle(col_)));
  columnKeyButton(col_)->setEnabled(false);
  if (recalculate) calc_.load(table.formula(col_));
  placeControls();
  showDisplay();
}

void CalculatorWindow::openCalculator(QWidget* parent, double& memory) {
  CalculatorWindow m(memory, parent);
  m.exec();
}

void CalculatorWindow::openColumn(QWidget* parent, table::Table& table, int col, bool recalculate, double& memory,
                                  MessageService& messages) {
  if (col < 0 || col >= table::kCols) return;
  CalculatorWindow m(table, col, recalculate, memory, messages, parent);
  m.exec();
}

void CalculatorWindow::build() {
  setObjectName(QStringLiteral("calculatorWindow"));
  setModal(true);
  setStyleSheet(kStyle);

  displayField_ = new Display(this, this);
  displayField_->setObjectName(QStringLiteral("display"));
  displayField_->setAccessibleName(QCoreApplication::translate("velmira::expr::ui", "Écran de la calculatrice"));
  displayField_->setFont(qtp::mapFont(QStringLiteral("Courier New"), 24));
  displayField_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  const QFont optionFont = qtp::mapFont(QStringLiteral("Verdana"), 10.5);
  const QFont frameFont = qtp::mapFont(QStringLiteral("Verdana"), 9, true);
  auto optionFrame = [&](const char* title, std::array<QRadioButton*, 2>& options, const char* option0,
                         const char* option1, const char* optionName) {
    auto* frame = new QGroupBox(QCoreApplication::translate("velmira::expr::ui", title), this);
    frame->setObjectName(QString::fromUtf8(title));
    frame->setFont(frameFont);
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(16, 12, 16, 6);
    row->setSpacing(36);
    const char* captions[2] = {option0, option1};
    for (std::size_t i = 0; i < 2; ++i) {
      QRadioButton*& o = options[i];
      o = new QRadioButton(QCoreApplication::translate("velmira::expr::ui", captions[i]), frame);
      o->setObjectName(QStringLiteral("%1(%2)").arg(QString::fromUtf8(optionName)).arg(i));
      o->setFont(optionFont);
      o->setFocusPolicy(Qt::TabFocus);
      row->addWidget(o);
    }
    row->addStretch();
    new widgets::SelectorGroup({options[0], options[1]}, frame);
    return frame;
  };
  angles_ = optionFrame(QT_TRANSLATE_NOOP("velmira::expr::ui", "Angles"), angle_,
                        QT_TRANSLATE_NOOP("velmira::expr::ui", "Degrés"),
                        QT_TRANSLATE_NOOP("velmira::expr::ui", "Radians"), "angle");
  affichageFrame_ = optionFrame(QT_TRANSLATE_NOOP("velmira::expr::ui", "Affichage"), displayModes_,
                                QT_TRANSLATE_NOOP("velmira::expr::ui", "Scientifique"),
                                QT_TRANSLATE_NOOP("velmira::expr::ui", "Standard"), "C");
  angle_[0]->setChecked(true);
  displayModes_[1]->setChecked(true);
  connect(angle_[1], &QRadioButton::toggled, this, [this](bool radians) {
    calc_.setAngle(radians ? expr::Angle::Radians : expr::Angle::Degrees);
    displayField_->setFocus();
  });
  connect(displayModes_[0], &QRadioButton::toggled, this, [this](bool scientific) {
    calc_.setScientific(scientific);
    showDisplay();
  });

  for (const KeyInfo& k : calculatorKeys()) {
    QString caption = QCoreApplication::translate("velmira::expr::ui", k.caption);
    // Alt and the column's digit press a column key: typed letters are the evaluator's.
    if (k.family == KeyFamily::Column) caption.insert(1, QLatin1Char('&'));
    auto* b = new QPushButton(caption, this);
    if (k.family == KeyFamily::Column) b->installEventFilter(this);
    b->setObjectName(QString::fromUtf8(k.name));
    b->setProperty("family", QString::fromUtf8(familyName(k.family)));
    if (*k.hint) b->setToolTip(QCoreApplication::translate("velmira::expr::ui", k.hint));
    b->setAccessibleName(QCoreApplication::translate("velmira::expr::ui", k.spoken));
    b->setFont(keyFont(k));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::TabFocus);
    const expr::Key key = k.key;
    connect(b, &QPushButton::clicked, this, [this, key] { pressKey(key); });
    keys_[static_cast<std::size_t>(k.key)] = b;
  }
}

void CalculatorWindow::placeControls() {
  // The column row sits between the options and the keypad in column mode.
  const int keypadTop = columnMode() ? kColumnRowTop + kColumnRowHeight + 10 : kColumnRowTop;
  displayField_->setGeometry(kMargin, kMargin, kWidth - 2 * kMargin, kDisplayHeight);
  angles_->setGeometry(kMargin, kOptionsTop, kBlockWidth, kOptionsHeight);
  affichageFrame_->setGeometry(kMargin + kBlockWidth + kBlockGap, kOptionsTop, kBlockWidth, kOptionsHeight);
  for (const KeyInfo& k : calculatorKeys()) {
    QPushButton* b = key(k.key);
    if (k.row < 0) {
      constexpr int width = (kWidth - 2 * kMargin - 4 * kGap) / 5;
      b->setGeometry(kMargin + k.col * (width + kGap), kColumnRowTop, width, kColumnRowHeight);
      b->setVisible(columnMode());
      continue;
    }
    const int x = kMargin + (k.col / 5) * (kBlockWidth + kBlockGap) + (k.col % 5) * (kKeyWidth + kGap);
    b->setGeometry(x, keypadTop + k.row * (kKeyHeight + kGap), k.span * kKeyWidth + (k.span - 1) * kGap, kKeyHeight);
  }
  setFixedSize(kWidth, keypadTop + kKeypadHeight + kMargin);
  displayField_->setFocus();
}

void CalculatorWindow::showDisplay() {
  displayField_->setText(QString::fromStdString(calc_.display()));
  displayField_->setFocus();
  displayField_->end(false);
}

void CalculatorWindow::pressKey(expr::Key k) {
  if (k == expr::Key::Execute && columnMode()) {
    fillTableColumn();
    return;
  }
  if (k == expr::Key::Execute) {
    displayField_->setText(QString::fromUtf8(expr::kPatience.data(), static_cast<qsizetype>(expr::kPatience.size())));
    displayField_->repaint();
  }
  if (!calc_.press(k)) qtp::beep();
  showDisplay();
}

void CalculatorWindow::fillTableColumn() {
  // A formula that could not be saved is not run: the calculator stays open.
  if (const auto refused = expr::refusedFormula(calc_.expression(), col_)) {
    messages_->show(*refused);
    return;
  }
  hide();
  const int failures =
      fillColumnWithProgress(parentWidget(), *table_, col_, calc_.expression(), calc_.angle(), calc_.scientific());
  if (const auto report = expr::columnReport(failures)) messages_->show(*report);
  accept();
}

bool CalculatorWindow::keyboard(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    reject();
    return true;
  }
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  char32_t c = 0;
  if (event->key() == Qt::Key_Backspace)
    c = U'\b';
  else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
    c = U'\r';
  else if (const QString text = event->text(); text.size() == 1)
    c = text.at(0).unicode();
  // A column's key is typed only where its button may be pressed.
  if (const auto k = typed_.take(c); k && (!expr::isColumnKey(*k) || (columnMode() && key(*k)->isEnabled())))
    pressKey(*k);
  return true;  // every other key is ignored
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
  // A button's own access key clicks it only after a pause.
  if (event->type() == QEvent::Shortcut) {
    static_cast<QPushButton*>(watched)->click();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event) {
  if (!keyboard(event)) QDialog::keyPressEvent(event);
}

}  // namespace velmira::expr::ui
