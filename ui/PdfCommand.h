// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `velmira --pdf SORTIE.pdf FICHIER`: prints a statement or a configuration
// to a PDF without showing a window, exactly as the print commands print
// it. The offscreen platform is chosen before the application starts; no
// flag file, settings or message box; the PDF replaces SORTIE whole or not
// at all. Returns the exit code; failures are written to stderr.
namespace velmira::ui {

int runPdfCommand(int argc, char** argv);

}  // namespace velmira::ui
