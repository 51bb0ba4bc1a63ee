// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Marks a fixed French text of the core for the catalogues' extraction (the
// tool that reads the sources takes it as a text of `context`); the text is
// unchanged, and the windows translate it where they show it.
#define VELMIRA_TEXT(context, french) french
