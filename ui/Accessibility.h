#pragma once
// What assistive technologies read of the main window: French names and
// descriptions of its controls, and the accessibility interfaces of the
// controls Qt cannot describe by itself (selectors that are radio buttons,
// the generator knobs as dials with their values, the bench strip as a tab
// list, the solute list with a row per solute).
class QString;

namespace velmira::ui {

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

}  // namespace velmira::ui
