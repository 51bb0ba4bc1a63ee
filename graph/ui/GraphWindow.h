// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `grapheur`: the graph window. It plots one table column against another
// (`majgraf` draws what graph::computePlot and graph::plotStrokes return),
// shows the value under the pointer, fits a line or the two lines of a
// titration on demand on a range of lines ("de … à …", or dragged across the
// plot), reads the line ("Lire sur la droite", LineReadingDialog), numbers its
// graduations and names its axes around the plot (GraphFigure), and prints or
// copies the whole figure. Modal; it reads the table and changes nothing in
// it; its settings (GraphSettings) are given and taken by its caller.
//
//   GraphWindow w(table, messages, mainWindow);
//   w.exec();
#include <QDialog>

#include "graph/GraphLabels.h"
#include "graph/GraphPlot.h"
#include "graph/GraphSettings.h"
#include "graph/TwoLineFit.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRubberBand;
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

namespace velmira::widgets {
class Announcer;
class SurfaceWidget;
}  // namespace velmira::widgets

namespace velmira::graph::ui {

class LineReadingDialog;

class GraphWindow : public QDialog {
  Q_OBJECT
 public:
  // Takes the main window's title, position and size.
  GraphWindow(const table::Table& table, MessageService& messages, QWidget* mainWindow = nullptr);
  ~GraphWindow() override;

  // --- Controls ------------------------------------------------------------
  QComboBox* abscissaList() const { return abscissaList_; }  // abscissa
  QComboBox* ordinateList() const { return ordinateList_; }  // ordinate
  QCheckBox* joinPoints() const { return joinPoints_; }      // "Lier les points"
  QCheckBox* showGrid() const { return showGrid_; }          // "Afficher la grille"
  QCheckBox* crossPoints() const { return crossPoints_; }    // "Représenter un point par une croix"
  QCheckBox* fitBox() const { return fitBox_; }              // "Modéliser"
  QRadioButton* throughOrigin() const { return throughOrigin_; }
  QRadioButton* affine() const { return affine_; }
  QRadioButton* twoLines() const { return twoLines_; }     // "deux droites"
  QLineEdit* rangeFirst() const { return rangeFirst_; }    // "de …": the model's first line
  QLineEdit* rangeLast() const { return rangeLast_; }      // "à …": its last
  QToolButton* readButton() const { return readButton_; }  // "Lire sur la droite"
  // The reading's window, once "Lire sur la droite" opened it.
  LineReadingDialog* readingDialog() const { return readingDialog_; }
  widgets::SurfaceWidget* plotArea() const { return plotArea_; }
  widgets::SurfaceWidget* titleStrip() const { return titleStrip_; }
  QLabel* scaleLabel() const { return scaleLabel_; }              // scale text
  QLabel* pointerLabel(int i) const { return pointerLabel_[i]; }  // pointer position
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
  // The line drawn (through the origin or affine); not possible when none.
  const graph::LineFit& lineFit() const { return lineFit_; }
  // The lines the model uses, from the two fields: one empty stands for the
  // table's first or last line, both empty for every line; none either when
  // they do not make a range.
  std::optional<graph::RowRange> range() const;
  // The choices shown, and the window made to show `settings`.
  graph::GraphSettings settings() const;
  void applySettings(const graph::GraphSettings& settings);

  // --- Procedures ----------------------------------------------------------
  // Redraws the graph from the table and the current choices.
  void redrawPlot();
  // Lists refilled from the column titles, their choices kept, redrawn.
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
  void placePointerSection();
  // The model's equation as the description of the controls that choose it,
  // said as it changes.
  void describeModel();
  void showEvent(QShowEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void clearPointer();
  void showPointer(QPointF at);
  // A drag across the plot from plot x `from` to `to`: the lines of the
  // points between become the range.
  void chooseDragged(double from, double to);
  void openReading();
  void followScreenRatio();
  // The axis names and the fit's note of the graph just drawn.
  void showFigureTexts(const graph::FitNote& note, const std::vector<graph::Stroke>& strokes);
  // "deux droites": the fit and its text; what draws it on the plot.
  graph::TwoLineStrokes showTwoLines(const std::vector<graph::PlottedPoint>& points);

  const table::Table& table_;
  MessageService& messages_;
  graph::Plot plot_;
  graph::TwoLineFit twoLineFit_;
  graph::LineFit lineFit_;
  std::optional<QPoint> dragStart_;  // plot position where a drag began
  bool drawn_ = false;
  bool watchingScreen_ = false;
  QString heading_;
  graph::Figure texts_;  // names of the graph drawn, for the texts around it

  widgets::SurfaceWidget* titleStrip_ = nullptr;
  widgets::SurfaceWidget* plotArea_ = nullptr;
  QComboBox* abscissaList_ = nullptr;
  QComboBox* ordinateList_ = nullptr;
  QCheckBox* joinPoints_ = nullptr;
  QCheckBox* showGrid_ = nullptr;
  QCheckBox* crossPoints_ = nullptr;
  QCheckBox* fitBox_ = nullptr;
  QRadioButton* throughOrigin_ = nullptr;
  QRadioButton* affine_ = nullptr;
  QRadioButton* twoLines_ = nullptr;
  QLineEdit* rangeFirst_ = nullptr;
  QLineEdit* rangeLast_ = nullptr;
  QToolButton* readButton_ = nullptr;
  LineReadingDialog* readingDialog_ = nullptr;
  QRubberBand* dragBand_ = nullptr;
  QLabel* scaleLabel_ = nullptr;
  QLabel* pointerLabel_[2] = {nullptr, nullptr};
  QLabel* equation_ = nullptr;
  widgets::Announcer* announcer_ = nullptr;
  int pointerSeparator_ = 0;  // the line above the pointer's section
  QToolButton* printButton_ = nullptr;
  QToolButton* copyButton_ = nullptr;
  QToolButton* closeButton_ = nullptr;
};

}  // namespace velmira::graph::ui
