// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QHash>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolButton>

#include "files/ui/TextPane.h"
#include "model/Knob.h"
#include "model/SoluteCatalogue.h"
#include "platform/qt/Translations.h"
#include "ui/BenchPage.h"
#include "ui/BenchPanel.h"
#include "ui/Benches.h"
#include "ui/CalibreFrame.h"
#include "ui/CellOptionsFrame.h"
#include "ui/DisplayLabel.h"
#include "ui/EntryField.h"
#include "ui/FormulaBox.h"
#include "ui/HintLine.h"
#include "ui/KnobWidget.h"
#include "ui/MainWindow.h"
#include "ui/SolutePickerWidget.h"
#include "ui/TabStrip.h"
#include "ui/drawing/SoluteList.h"
#include "ui/drawing/TabStripPaint.h"
#include "widgets/Announcer.h"
#include "widgets/SelectorGroup.h"

namespace velmira::ui {

namespace {

QString pressName() { return QAccessibleActionInterface::pressAction(); }

// A selector whose selection the program decides: a radio button all the same.
class SelectorAccessible : public QAccessibleWidget {
 public:
  explicit SelectorAccessible(QAbstractButton* b) : QAccessibleWidget(b, QAccessible::RadioButton) {}
  QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
  QString text(QAccessible::Text t) const override {
    QString s = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && s.isEmpty()) s = QString(button()->text()).remove(QLatin1Char('&'));
    return s;
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = button()->isChecked();
    return s;
  }
  QStringList actionNames() const override { return QAccessibleWidget::actionNames() << pressName(); }
  void doAction(const QString& action) override {
    if (action == pressName())
      button()->click();
    else
      QAccessibleWidget::doAction(action);
  }
};

// A generator knob: a dial whose value is the generator's amplitude (V) or
// frequency (Hz), turned with the arrow keys.
class KnobAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit KnobAccessible(KnobWidget* k) : QAccessibleWidget(k, QAccessible::Dial) {}
  KnobWidget* knob() const { return static_cast<KnobWidget*>(widget()); }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  double inUnits(double v) const {
    return knob()->index() % 2 == 0 ? model::amplitudeVolts(v) : model::frequencyHertz(v);
  }
  QVariant currentValue() const override { return inUnits(knob()->value()); }
  void setCurrentValue(const QVariant&) override {}  // turned by the keys only
  QVariant maximumValue() const override { return inUnits(model::kKnobMax); }
  QVariant minimumValue() const override { return inUnits(0); }
  QVariant minimumStepSize() const override { return inUnits(model::knobStep(knob()->index())) - inUnits(0); }
};

// A row of a list drawn by a widget, or a tab of the strip: a child with a
// name, a place, a selected state and a press action, owned by its parent's
// interface.
class DrawnItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  DrawnItemAccessible(QWidget* owner, int index, QAccessible::Role role) : owner_(owner), index_(index), role_(role) {}
  bool isValid() const override { return !owner_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return owner_ ? owner_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(owner_); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override { return role_; }
  void* interface_cast(QAccessible::InterfaceType t) override {
    return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }
  QStringList actionNames() const override { return {pressName()}; }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 protected:
  QPointer<QWidget> owner_;
  int index_;
  QAccessible::Role role_;
};

class PageTabAccessible : public DrawnItemAccessible {
 public:
  PageTabAccessible(TabStrip* strip, int tab) : DrawnItemAccessible(strip, tab, QAccessible::PageTab) {}
  TabStrip* strip() const { return static_cast<TabStrip*>(owner_.data()); }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? benchTabTitle(index_) : QString();
  }
  QRect rect() const override {
    const auto& edges = strip()->layout().tabEdges;
    return QRect(strip()->mapToGlobal(QPoint(edges[index_ - 1], 0)), QSize(edges[index_] - edges[index_ - 1], 16));
  }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.selectable = true;
    s.selected = strip()->currentTab() == index_;
    s.invisible = !strip()->isVisible();
    return s;
  }
  void doAction(const QString& action) override {
    if (action == pressName()) strip()->selectTab(index_);
  }
};

class SoluteItemAccessible : public DrawnItemAccessible {
 public:
  SoluteItemAccessible(SolutePickerWidget* list, int row) : DrawnItemAccessible(list, row, QAccessible::ListItem) {}
  SolutePickerWidget* list() const { return static_cast<SolutePickerWidget*>(owner_.data()); }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? qtp::shownMessageText(model::soluteName(index_ + 1)) : QString();
  }
  // Where the row is in the box, given the scroll (above or below it when scrolled away).
  QRect rect() const override {
    const int row = index_ - list()->picker().rows().first();
    return QRect(list()->mapToGlobal(QPoint(0, row * kListRowHeight)), QSize(list()->width(), kListRowHeight));
  }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.selectable = true;
    s.focusable = true;
    s.selected = s.focused = list()->picker().markerRow() == index_;
    s.invisible = !list()->isVisible();
    const int row = index_ - list()->picker().rows().first();
    s.offscreen = row < 0 || row >= list()->picker().rows().visible();
    return s;
  }
  void doAction(const QString&) override {}
};

// A widget with drawn children (its items) before its child widgets.
template <class Item, class Owner, int kItems>
class ItemsAccessible : public QAccessibleWidget {
 public:
  ItemsAccessible(Owner* owner, QAccessible::Role role, int first) : QAccessibleWidget(owner, role), first_(first) {}
  ~ItemsAccessible() override {
    for (QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
  }
  int childCount() const override { return kItems + QAccessibleWidget::childCount(); }
  QAccessibleInterface* child(int i) const override {
    if (i < 0) return nullptr;
    if (i >= kItems) return QAccessibleWidget::child(i - kItems);
    if (!ids_.contains(i)) {
      auto* item = new Item(static_cast<Owner*>(widget()), i + first_);
      ids_.insert(i, QAccessible::registerAccessibleInterface(item));
    }
    return QAccessible::accessibleInterface(ids_.value(i));
  }
  int indexOfChild(const QAccessibleInterface* c) const override {
    for (auto it = ids_.cbegin(); it != ids_.cend(); ++it)
      if (QAccessible::accessibleInterface(it.value()) == c) return it.key();
    const int i = QAccessibleWidget::indexOfChild(c);
    return i < 0 ? -1 : i + kItems;
  }

 private:
  int first_;
  mutable QHash<int, QAccessible::Id> ids_;
};

using TabListAccessible = ItemsAccessible<PageTabAccessible, TabStrip, 3>;
using SoluteListAccessible = ItemsAccessible<SoluteItemAccessible, SolutePickerWidget, model::kPickerRows>;

// A list to choose from, read on Linux with its value: Qt names a list by
// its current text and gives that text nowhere else, so a list with a label
// was heard as "Emplacement : combo box" without its value. Its value is
// its text here, read as what it displays.
class ComboValue : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit ComboValue(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {
    addControllingSignal(QStringLiteral("activated(int)"));
    // A value chosen with the arrows, the list closed, is said: a reader
    // hears nothing of Qt's own events for it.
    QObject::connect(combo, &QComboBox::currentTextChanged, combo, [combo](const QString& text) {
      if (!combo->hasFocus() || (combo->view() && combo->view()->isVisible())) return;
      auto* announcer = combo->window()->findChild<widgets::Announcer*>(QStringLiteral("listValue"));
      if (!announcer) {
        announcer = new widgets::Announcer(combo->window());
        announcer->setObjectName(QStringLiteral("listValue"));
      }
      announcer->say(text);
    });
  }

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return value();
    if (t == QAccessible::Name && combo()->accessibleName().isEmpty()) return value();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    s.expanded = combo()->view() && combo()->view()->isVisible();
    return s;
  }

  // The text: the current value, read only, without a caret.
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int start, int end) const override {
    const QString v = value();
    if (end < 0 || end > v.size()) end = v.size();
    if (start < 0) start = 0;
    return start < end ? v.mid(start, end - start) : QString();
  }
  int characterCount() const override { return static_cast<int>(value().size()); }
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

 private:
  QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
  QString value() const { return combo()->currentText(); }
};

QAccessibleInterface* makeInterface(const QString& className, QObject* object) {
  // A top-level plain widget is a window (a frame to screen readers, active
  // while it is), not a filler; an inner frame is a panel, so that no inner
  // widget is taken for the window.
  if (auto* w = qobject_cast<QWidget*>(object)) {
    if (className == QLatin1String("QWidget") && w->isWindow()) return new QAccessibleWidget(w, QAccessible::Window);
    if (className == QLatin1String("QFrame") && !w->isWindow()) return new QAccessibleWidget(w, QAccessible::Grouping);
  }
  if (auto* knob = qobject_cast<KnobWidget*>(object)) return new KnobAccessible(knob);
  if (auto* strip = qobject_cast<TabStrip*>(object)) return new TabListAccessible(strip, QAccessible::PageTabList, 1);
  if (auto* list = qobject_cast<SolutePickerWidget*>(object))
    return new SoluteListAccessible(list, QAccessible::List, 0);
  if (auto* b = qobject_cast<QAbstractButton*>(object); b && widgets::isSelector(b) && !b->autoExclusive())
    return new SelectorAccessible(b);
  if (auto* combo = qobject_cast<QComboBox*>(object);
      combo && className == QLatin1String("QComboBox") && !combo->isEditable())
    return new ComboValue(combo);
  return nullptr;
}

}  // namespace

void name(QWidget* w, const QString& name, const QString& description) {
  w->setAccessibleName(name);
  if (!description.isEmpty()) w->setAccessibleDescription(description);
}

QString instrumentName(model::Meter m) {
  switch (m) {
    case model::Meter::Conductimeter:
      return QCoreApplication::translate("velmira::ui", "Conductimètre");
    case model::Meter::Ammeter:
      return QCoreApplication::translate("velmira::ui", "Ampèremètre");
    case model::Meter::Voltmeter:
      return QCoreApplication::translate("velmira::ui", "Voltmètre");
  }
  return {};
}

// The six range buttons of a bench, in order.
QString rangeName(int j) {
  static const char* const names[model::kRangesPerBench] = {
      QT_TRANSLATE_NOOP("velmira::ui", "Conductance en S"),
      QT_TRANSLATE_NOOP("velmira::ui", "Conductance en mS"),
      QT_TRANSLATE_NOOP("velmira::ui", "Conductance en µS"),
      QT_TRANSLATE_NOOP("velmira::ui", "Conductivité en S par m"),
      QT_TRANSLATE_NOOP("velmira::ui", "Conductivité en mS par m"),
      QT_TRANSLATE_NOOP("velmira::ui", "Conductivité en µS par m")};
  return QCoreApplication::translate("velmira::ui", names[j]);
}

void announceValueChanges(KnobWidget* k) {
  QObject::connect(k, &KnobWidget::turned, k, [k] {
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(k);
    if (!face || !face->valueInterface()) return;
    QAccessibleValueChangeEvent e(k, face->valueInterface()->currentValue());
    QAccessible::updateAccessibility(&e);
  });
}

QString benchName(int bench) {
  switch (bench) {
    case 1:
      return QCoreApplication::translate("velmira::ui", "solution 1");
    case 2:
      return QCoreApplication::translate("velmira::ui", "solution 2");
    default:
      return QCoreApplication::translate("velmira::ui", "mélange");
  }
}

void installAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(&makeInterface);
}

void nameControls(MainWindow& w) {
  name(w.benches().tabStrip(), QCoreApplication::translate("velmira::ui", "Bancs de mesure"),
       QCoreApplication::translate("velmira::ui", "Ctrl+Tab : banc suivant, Ctrl+Maj+Tab : banc précédent"));
  for (Bench b : kAllBenches) w.benches().panel(b).nameControls();
  name(w.benches().cellOptions()->distance(),
       QCoreApplication::translate("velmira::ui", "Distance L entre les électrodes, en cm"),
       QCoreApplication::translate("velmira::ui", "Distance L entre les électrodes, en cm, de 0,5 à 5"));
  name(w.benches().cellOptions()->area(), QCoreApplication::translate("velmira::ui", "Aire S des électrodes, en cm²"),
       QCoreApplication::translate("velmira::ui", "Aire S des électrodes, en cm², de 0,5 à 10"));
  name(w.benches().solutePicker(), QCoreApplication::translate("velmira::ui", "Liste des solutés"),
       QCoreApplication::translate("velmira::ui",
                                   "Flèches : soluté suivant ou précédent, Entrée : choisir, Échap : fermer"));
  name(w.textPane()->textEditor(), QCoreApplication::translate("velmira::ui", "Fenêtre exercice"),
       QCoreApplication::translate("velmira::ui", "Énoncé et notes de l'exercice"));
  name(w.textPane()->fileNameField(), QCoreApplication::translate("velmira::ui", "Fichier de l'exercice"));
  name(w.hintLine(), QCoreApplication::translate("velmira::ui", "Aide contextuelle"));

  // The solute list names its marked row, as a list box does.
  SolutePickerWidget* picker = w.benches().solutePicker();
  QObject::connect(picker, &SolutePickerWidget::markerMoved, picker, [picker] {
    const QString solute = qtp::shownMessageText(model::soluteName(picker->picker().markerRow() + 1));
    picker->setToolTip(solute);
    if (QAccessible::isActive()) {
      QAccessibleEvent e(picker, QAccessible::Focus);
      e.setChild(picker->picker().markerRow());
      QAccessible::updateAccessibility(&e);
    }
  });
}

}  // namespace velmira::ui
