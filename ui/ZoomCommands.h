// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The zoom of the whole program for a projector: Ctrl++, Ctrl+− and Ctrl+0,
// and the same entries in the help button's menu. The zoom chosen is stored
// and applied at the next start (Qt's scale factor is chosen before the
// application starts); the user is told so.
class QToolButton;
class QWidget;

namespace velmira {
class MessageService;
}

namespace velmira::ui {

// The shortcuts on `window`, the entries in `helpButton`'s menu.
void addZoomCommands(QWidget& window, QToolButton& helpButton, MessageService& messages);

}  // namespace velmira::ui
