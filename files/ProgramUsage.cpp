// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ProgramUsage.h"

#include "files/PdfCommand.h"

namespace velmira::files {

std::string versionLine(std::string_view program, std::string_view version) {
  return std::string(program) + " " + std::string(version);
}

std::string programUsage() {
  return std::string(
             "Usage : velmira [FICHIER]\n"
             "        velmira ") +
         kPdfOption + " SORTIE.pdf FICHIER\n" + "        velmira " + kHelpOption + " | " + kVersionOption +
         "\n"
         "\n"
         "Simulateur de conductimétrie pour les cours de chimie.\n"
         "\n"
         "  FICHIER                    ouvre une configuration (.C07), un exercice (.E24)\n"
         "                             ou une prise en main (VELMIRA.PEM, VELMIRB.PEM)\n"
         "  " +
         kPdfOption +
         " SORTIE.pdf FICHIER   imprime FICHIER dans SORTIE.pdf sans fenêtre :\n"
         "                             un énoncé (.rtf, .E24, .PEM) ou une configuration (.C07)\n"
         "  " +
         kHelpOption + ", " + kShortHelpOption +
         "                 affiche cette aide et s'arrête\n"
         "  " +
         kVersionOption + "                  affiche la version et s'arrête\n";
}

}  // namespace velmira::files
