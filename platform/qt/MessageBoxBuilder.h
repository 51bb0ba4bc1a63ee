// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fills a QMessageBox from a Message (icon, title, text, buttons) and maps
// the button clicked back to an Answer; shared by the message service and
// the tests that look at the box itself.
#include <QMessageBox>

#include "platform/core/Messages.h"

namespace velmira::qtp {

QMessageBox::Icon iconOf(Icon icon);
QMessageBox::StandardButtons buttonsOf(Buttons buttons);
void configureMessageBox(QMessageBox& box, const Message& message);
// The answer for the button clicked; a box closed otherwise (Escape, the
// window's close button) answers Cancel or No, never the first button.
Answer answerOf(Buttons buttons, QMessageBox::StandardButton clicked);

}  // namespace velmira::qtp
