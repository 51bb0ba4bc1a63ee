#pragma once
// `grapheur`: the graph window. It plots one table column against another
// (`majgraf` draws what graph::computePlot and graph::plotStrokes return),
// shows the value under the pointer, fits a line or the two lines of a
// titration on demand, numbers its graduations and names its axes around the
// plot (GraphFigure), and prints or copies the whole figure. Modal; it reads
// the table and changes nothing in it.
//
//   GraphWindow w(table, messages, mainWindow);
//   w.exec();
#include <QDialog>

#include "graph/GraphLabels.h"
#include "graph/GraphPlot.h"
#include "graph/TwoLineFit.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPrinter;
class QRadioButton;
class QToolButton;

namespace velmira {
class MessageService;
}
namespace velmira::qtp {
class Surface;
}
namespace velmira::table {
class Table;
}

namespace velmira::widgets { class SurfaceWidget; }

namespace velmira::graph::ui {

class GraphWindow : public QDialog {
  Q_OBJECT
 public:
  // Takes the main window's title, position and size.
  GraphWindow(const table::Table& table, MessageService& messages, QWidget* mainWindow = nullptr);
  ~GraphWindow() override;

  // --- Controls ------------------------------------------------------------
  QComboBox* combo1() const { return combo1_; }  // abscissa
  QComboBox* combo2() const { return combo2_; }  // ordinate
  QCheckBox* check1() const { return check1_; }  // "Lier les points"
  QCheckBox* check2() const { return check2_; }  // "Afficher la grille"
  QCheckBox* check3() const { return check3_; }  // "Représenter un point par une croix"
  QCheckBox* fitBox() const { return fitBox_; }  // "Modéliser"
  QRadioButton* throughOrigin() const { return throughOrigin_; }
  QRadioButton* affine() const { return affine_; }
  QRadioButton* twoLines() const { return twoLines_; }  // "deux droites"
  widgets::SurfaceWidget* picture1() const { return picture1_; }
  widgets::SurfaceWidget* tito() const { return tito_; }
  QLabel* label1() const { return label1_; }  // scale text
  QLabel* label2(int i) const { return label2_[i]; }  // pointer position
  QLabel* equation() const { return equation_; }
  QToolButton* printButton() const { return printButton_; }
  QToolButton* copyButton() const { return copyButton_; }
  QToolButton* closeButton() const { return closeButton_; }

  // --- State ---------------------------------------------------------------
  // A valid graph is on the plot (the cross-hair pointer shows over it).
  bool graphDrawn() const { return drawn_; }
  const graph::Plot& plot() const { return plot_; }
  // The two lines drawn ("deux droites"); not possible when not asked for.
  const graph::TwoLineFit& twoLineFit() const { return twoLineFit_; }

  // --- Procedures ----------------------------------------------------------
  // Redraws the graph from the table and the current choices.
  void majgraf();
  // Lists refilled from the column titles, entries 0 and 1 selected, redrawn.
  void fillLists();
  // The line above the printed graph (the configuration's name and the date).
  void setHeading(const QString& heading) { heading_ = heading; }
  // The graph as shown, drawn on a page of `printer`; false when printing failed.
  bool printPlot(QPrinter& printer);
  // The graph as shown: plot, axis texts and fitted line.
  graph::Figure figure() const;
  // Handlers of the three image buttons.
  void printClicked();
  void copyClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void clearPointer();
  void showPointer(QPointF at);
  void followScreenRatio();
  // The axis names and the fit's note of the graph just drawn.
  void showFigureTexts(const graph::FitNote& note);
  // "deux droites": the fit and its text; what draws it on the plot.
  graph::TwoLineStrokes showTwoLines();
  void drawTwoLines(qtp::Surface& s, const graph::TwoLineStrokes& lines);
  void drawIntersection(qtp::Surface& s, const graph::TwoLineStrokes& lines);

  const table::Table& table_;
  MessageService& messages_;
  graph::Plot plot_;
  graph::TwoLineFit twoLineFit_;
  bool drawn_ = false;
  bool watchingScreen_ = false;
  QString heading_;
  graph::Figure texts_;  // names of the graph drawn, for the texts around it

  widgets::SurfaceWidget* tito_ = nullptr;
  widgets::SurfaceWidget* picture1_ = nullptr;
  QComboBox* combo1_ = nullptr;
  QComboBox* combo2_ = nullptr;
  QCheckBox* check1_ = nullptr;
  QCheckBox* check2_ = nullptr;
  QCheckBox* check3_ = nullptr;
  QCheckBox* fitBox_ = nullptr;
  QRadioButton* throughOrigin_ = nullptr;
  QRadioButton* affine_ = nullptr;
  QRadioButton* twoLines_ = nullptr;
  QLabel* label1_ = nullptr;
  QLabel* label2_[2] = {nullptr, nullptr};
  QLabel* equation_ = nullptr;
  QToolButton* printButton_ = nullptr;
  QToolButton* copyButton_ = nullptr;
  QToolButton* closeButton_ = nullptr;
};

}  // namespace velmira::graph::ui
