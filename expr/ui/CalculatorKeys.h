// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys of the calculator window: control name, caption, hint, family
// and place on the keypad.
#include <span>

#include "expr/Calculator.h"

namespace velmira::expr::ui {

// Families share a colour.
enum class KeyFamily { Digit, Operator, Function, Prefix, Memory, Edit, Execute, Column };

struct KeyInfo {
  expr::Key key;
  const char* name;     // control name
  const char* caption;  // with "&" before an access key
  const char* hint;     // tooltip, "" for none
  const char* spoken;   // its name for a screen reader: what it does
  KeyFamily family;
  int row;   // keypad row 0..4; -1: the column row
  int col;   // keypad column 0..9 (0..4 functions, 5..9 digits)
  int span;  // columns covered
};

// Every key, each once.
std::span<const KeyInfo> calculatorKeys();

}  // namespace velmira::expr::ui
