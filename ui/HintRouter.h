// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hint line's text for the control under the pointer: the deepest one
// that has a hint, else its container's; while a button is held the
// pressed control keeps the pointer.
#include <QHash>
#include <QObject>
#include <QString>

class QWidget;

namespace velmira::ui {

class HintLine;

class HintRouter : public QObject {
  Q_OBJECT
 public:
  HintRouter(QWidget& window, HintLine& line);
  // Every control the window has now reports pointer moves, so that one
  // without a hint of its own hands the move to its container.
  void watchAll();
  void setHint(QWidget* w, const QString& text);
  // Over `w` the line keeps `kept` while it shows it (a completed copy's message).
  void keepOver(QWidget* w, const QString& kept);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showUnder(QWidget* w);

  QWidget& window_;
  HintLine& line_;
  QHash<const QWidget*, QString> hints_;
  QWidget* keptOver_ = nullptr;
  QString kept_;
};

}  // namespace velmira::ui
