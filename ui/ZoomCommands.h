// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The zoom of the whole program for a projector: Ctrl++, Ctrl+− and Ctrl+0,
// and the same entries in the help button's menu. The zoom chosen is stored
// and applied at once by starting the program again with the work kept (Qt's
// scale factor is chosen before the application starts).
#include <functional>

class QToolButton;
class QWidget;

namespace velmira {
class MessageService;
}

namespace velmira::ui {

// The shortcuts on `window`, the entries in `helpButton`'s menu. `restart`
// starts the program again and returns false when it could not: the zoom
// then waits for the next start, and the user is told so.
void addZoomCommands(QWidget& window, QToolButton& helpButton, MessageService& messages, std::function<bool()> restart);
// "Zoom : 150 %" over the middle of `window` for a moment.
void showZoomNotice(QWidget& window, int percent);

}  // namespace velmira::ui
