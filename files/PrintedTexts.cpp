// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/PrintedTexts.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>

#include "files/rtf/RichDocument.h"
#include "model/SoluteCatalogue.h"
#include "model/Workbench.h"
#include "platform/core/FileNames.h"
#include "platform/core/Messages.h"
#include "platform/core/NumberText.h"
#include "platform/core/RecordFile.h"

namespace velmira::files {

namespace {

// Unicode super- and subscript forms of the characters charges and counts use.
std::string scriptOf(std::string_view text, bool raised) {
  static constexpr const char* kSuper[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
  static constexpr const char* kSub[] = {"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉"};
  std::string out;
  for (char c : text) {
    if (c >= '0' && c <= '9')
      out += (raised ? kSuper : kSub)[c - '0'];
    else if (c == '+')
      out += raised ? "⁺" : "₊";
    else if (c == '-')
      out += raised ? "⁻" : "₋";
    else
      out += c;
  }
  return out;
}

}  // namespace

std::string headingLine(std::string_view name, Date date, std::string_view pupil) {
  char day[16];
  std::snprintf(day, sizeof day, "%02d/%02d/%04d", date.day, date.month, date.year);
  std::string line;
  for (const std::string& part : {num::trim(name), num::trim(pupil)})
    if (!part.empty()) line += part + " — ";
  return line + day;
}

std::string documentName(std::string_view path) {
  const auto slash = path.find_last_of("/\\");
  std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const auto dot = name.find_last_of('.');
  if (dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
  return fileio::shownPath(name);
}

std::string formulaText(const model::Solute& solute) {
  std::string out;
  for (const model::FormulaPiece& p : solute.pieces) {
    switch (p.kind) {
      case model::PieceKind::Base:
        out += p.text;
        break;
      case model::PieceKind::Charge:
        out += scriptOf(p.text, true);
        break;
      case model::PieceKind::Count:
        out += scriptOf(p.text, false);
        break;
      case model::PieceKind::Stacked:
        out += scriptOf(p.text, false) + scriptOf(p.charge, true);
        break;
    }
  }
  return out;
}

std::string benchCaption(const model::Workbench& bench, int benchNumber) {
  if (benchNumber == 3)
    return msg::shownFormat(VELMIRA_TEXT("velmira::msg", "Mélange : %1 mL de solution 1 et %2 mL de solution 2"),
                            {num::trim(bench.entryText(model::Volume1)), num::trim(bench.entryText(model::Volume2))});
  const int solution = benchNumber == 2 ? 2 : 1;
  const int entry = solution == 1 ? model::Concentration1 : model::Concentration2;
  const std::string number = std::to_string(solution), concentration = num::trim(bench.shownEntryText(entry));
  if (const model::Solute* s = model::solute(bench.shownSoluteOf(solution)))
    return msg::shownFormat(VELMIRA_TEXT("velmira::msg", "Solution %1 : %2 à %3 mol/L"),
                            {number, formulaText(*s), concentration});
  return msg::shownFormat(VELMIRA_TEXT("velmira::msg", "Solution %1 : %2 mol/L"), {number, concentration});
}

double bodyPoints(const rtf::RichDocument& document) {
  std::map<int, std::size_t> characters;  // half points → characters of that size
  for (const rtf::Paragraph& p : document.paragraphs)
    for (const rtf::Run& r : p.runs) characters[r.format.halfPoints] += r.text.size();
  if (characters.empty()) return rtf::RunFormat{}.points();
  const auto most = std::max_element(characters.begin(), characters.end(),
                                     [](const auto& a, const auto& b) { return a.second < b.second; });
  return most->first / 2.0;
}

double printScale(double body) {
  if (!(body > 0) || body >= kMinBodyPoints) return 1;
  return std::min(2.0, kPrintedBodyPoints / body);
}

std::string documentTitle(const rtf::RichDocument& document, std::string_view fallback) {
  for (const rtf::Paragraph& p : document.paragraphs) {
    std::string text;
    for (const rtf::Run& r : p.runs) text += r.text;
    for (char& c : text)
      if (c == '\n' || c == '\t') c = ' ';
    text = num::trim(text);
    if (!std::any_of(text.begin(), text.end(), [](unsigned char c) { return std::isalnum(c) || c >= 0x80; })) continue;
    // Cut on a character boundary.
    std::size_t at = 0, count = 0;
    char32_t c;
    while (at < text.size() && count < kMaxTitleLength) {
      if (!records::nextCodePoint(text, at, c)) ++at;
      ++count;
    }
    return text.substr(0, at);
  }
  return std::string(fallback);
}

}  // namespace velmira::files
