#pragma once
// Colours of the main window and its controls.
#include <QColor>

namespace velmira::ui {

inline const QColor kPageBackground{240, 235, 230};
inline const QColor kStripBackground{210, 205, 200};
inline const QColor kWindowBackground{224, 224, 224};
inline const QColor kDarkBlue{0, 0, 128};
inline const QColor kVoltmeterFace{180, 210, 210};
inline const QColor kAmmeterFace{210, 210, 180};
inline const QColor kConductimeterFace{0, 100, 180};

}  // namespace velmira::ui

namespace velmira::ui {
inline const QColor kGeneratorFace{255, 128, 0};
}  // namespace velmira::ui
