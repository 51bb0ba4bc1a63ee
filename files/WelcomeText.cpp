// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/WelcomeText.h"

#include "platform/core/Messages.h"

namespace velmira::files {

namespace {

constexpr int kIndent = 300;  // twips: 20 pixels
constexpr rtf::Colour kBlue{0, 0, 200};

}  // namespace

const std::vector<WelcomePiece>& welcomePieces() {
  using S = WelcomeStyle;
  static const std::vector<WelcomePiece> pieces = {
      {VELMIRA_TEXT("velmira::msg", "Velmira\n"), S::Title},
      {VELMIRA_TEXT("velmira::msg", "\nCe "), S::Plain},
      {VELMIRA_TEXT("velmira::msg", "simulateur permet de déterminer "), S::Plain},
      {VELMIRA_TEXT("velmira::msg", "la conductivité et la conductance "), S::Blue},
      {VELMIRA_TEXT("velmira::msg", "de solutions aqueuses à une température de"), S::Plain},
      {VELMIRA_TEXT("velmira::msg", " 25 °C"), S::BlueBold},
      {VELMIRA_TEXT("velmira::msg", ".\n\nVous pouvez modifier les paramètres suivants :\n"), S::Plain},
      {VELMIRA_TEXT(
           "velmira::msg",
           "   - la nature et la concentration de la solution,\n   - l'écartement et la surface des électrodes.\n\n"),
       S::Blue},
      {VELMIRA_TEXT("velmira::msg", "Vous pouvez travailler simultanément avec "), S::Plain},
      {VELMIRA_TEXT("velmira::msg", "deux solutions différentes et les mélanger. \n\n"), S::Blue},
      {VELMIRA_TEXT("velmira::msg",
                    "Les images obtenues peuvent être imprimées ou placées dans le presse-papiers "
                    "(bouton Copier) pour les coller dans une autre application.\n\n"),
       S::Plain},
      {VELMIRA_TEXT("velmira::msg", "Vous pouvez obtenir l'énoncé d'un exercice "), S::Plain},
      {VELMIRA_TEXT("velmira::msg", "dans cette fenêtre en appuyant sur l'onglet "), S::Plain},
      {VELMIRA_TEXT("velmira::msg", "Exercices"), S::Blue},
      {VELMIRA_TEXT("velmira::msg", ".\n\n"), S::Plain},
      {VELMIRA_TEXT("velmira::msg", "Pour vous familiariser avec ce simulateur, choisissez d'abord l'activité "),
       S::Plain},
      {VELMIRA_TEXT("velmira::msg", "Prise en main "), S::Blue},
      {VELMIRA_TEXT("velmira::msg", "dans le menu Exercices."), S::Plain},
  };
  return pieces;
}

rtf::RichDocument welcomeDocument() {
  rtf::RichDocument doc;
  doc.paragraphs.emplace_back();
  // A piece's paragraph format goes to every paragraph it touches; a later
  // piece's format wins on a paragraph they share.
  for (const WelcomePiece& piece : welcomePieces()) {
    rtf::RunFormat format;  // Arial 10, black
    rtf::Alignment alignment = rtf::Alignment::Left;
    int indent = kIndent;
    switch (piece.style) {
      case WelcomeStyle::Plain:
        break;
      case WelcomeStyle::Blue:
        format.colour = kBlue;
        break;
      case WelcomeStyle::BlueBold:
        format.colour = kBlue;
        format.bold = true;
        break;
      case WelcomeStyle::Title:
        format.colour = kBlue;
        format.halfPoints = 36;
        alignment = rtf::Alignment::Centre;
        indent = 0;
        break;
    }
    const std::string text = msg::shown(piece.text);
    std::size_t start = 0;
    for (;;) {
      rtf::Paragraph& p = doc.paragraphs.back();
      p.alignment = alignment;
      p.leftIndent = indent;
      const auto br = text.find('\n', start);
      rtf::appendText(p, std::string_view(text).substr(start, br == std::string::npos ? std::string::npos : br - start),
                      format);
      if (br == std::string::npos) break;
      doc.paragraphs.emplace_back();
      start = br + 1;
      if (start == text.size()) break;
    }
  }
  // The text ends without a line break: no empty last paragraph.
  if (doc.paragraphs.back().runs.empty() && doc.paragraphs.size() > 1) doc.paragraphs.pop_back();
  return doc;
}

}  // namespace velmira::files
