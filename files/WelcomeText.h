// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The welcome text of the text pane, built from its eighteen pieces and
// their styles.
#include <string>
#include <vector>

#include "files/rtf/RichDocument.h"

namespace velmira::files {

enum class WelcomeStyle { Plain, Blue, BlueBold, Title };

struct WelcomePiece {
  std::string text;  // French (a text of the catalogues); "\n" is a line break
  WelcomeStyle style;
};

// The eighteen pieces in order.
const std::vector<WelcomePiece>& welcomePieces();

// The pieces in the windows' language appended in order, each styled; every
// "\n" ends a paragraph.
rtf::RichDocument welcomeDocument();

}  // namespace velmira::files
