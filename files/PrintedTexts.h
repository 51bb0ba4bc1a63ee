// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts printed around what the program prints: the heading line above
// a graph, a table or bench pictures, the page footer, the document name
// taken from a file path, and the caption under each bench picture.
#include <string>
#include <string_view>

namespace velmira::rtf {
struct RichDocument;
}
namespace velmira::model {
class Workbench;
struct Solute;
}  // namespace velmira::model

namespace velmira::files {

struct Date {
  int year = 0, month = 0, day = 0;
};

// "Kohlrausch — 08/12/2026"; with the pupil's name, "Kohlrausch — Léa
// Martin — 08/12/2026"; blank parts left out.
std::string headingLine(std::string_view name, Date date, std::string_view pupil = {});

// The file name of `path` without its folder and its extension
// ("/a/Kohlrausch.C07" → "Kohlrausch"), as shown (fileio::shownPath); "" for "".
std::string documentName(std::string_view path);

// A solute's formula on one line, charges and counts as Unicode super- and
// subscripts: "K⁺ + Cl⁻", "2H₃O⁺ + SO₄²⁻".
std::string formulaText(const model::Solute& solute);

// The bench picture's caption: "Solution 1 : K⁺ + Cl⁻ à 0,01 mol/L",
// "Mélange : 10 mL de solution 1 et 20 mL de solution 2" (bench 1..3, the
// entries as typed). A solute outside the catalogue is left out.
std::string benchCaption(const model::Workbench& bench, int benchNumber);

// Printed text: the size most of the text has is its body size; a body
// under kMinBodyPoints prints enlarged to kPrintedBodyPoints, every size by
// the same factor (headings stay larger); at most twice as large.
inline constexpr double kMinBodyPoints = 11;
inline constexpr double kPrintedBodyPoints = 11.5;
double bodyPoints(const rtf::RichDocument& document);
double printScale(double bodyPoints);

// The title of a printed text: its first paragraph that holds a letter or a
// digit, blanks trimmed, at most kMaxTitleLength characters; else `fallback`.
inline constexpr std::size_t kMaxTitleLength = 80;
std::string documentTitle(const rtf::RichDocument& document, std::string_view fallback);

}  // namespace velmira::files
