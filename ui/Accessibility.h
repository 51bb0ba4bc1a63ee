// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What assistive technologies read of the main window: French names and
// descriptions of its controls, and the accessibility interfaces of the
// controls Qt cannot describe by itself (selectors that are radio buttons,
// the generator knobs as dials with their values, the bench strip as a tab
// list, the solute list with a row per solute).
#include <QString>

#include "model/Workbench.h"

class QWidget;

namespace velmira::ui {

class KnobWidget;
class MainWindow;

// Installs the interfaces above; once per program, before any window is
// shown (more calls do nothing).
void installAccessibility();

// Names and describes every control of the window, and keeps the knobs'
// values and the solute list's marked row announced as they change.
void nameControls(MainWindow& window);

// The name of a bench as a pupil hears it: "solution 1", "solution 2",
// "mélange" (bench 1..3).
QString benchName(int bench);

// The pieces the controls' names are made of.
void name(QWidget* w, const QString& name, const QString& description = QString());
QString instrumentName(model::Meter m);
// The six range buttons of a bench, in order.
QString rangeName(int j);
// A knob's value is announced as it turns.
void announceValueChanges(KnobWidget* k);

}  // namespace velmira::ui
