// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/TableCommands.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/core/NumberText.h"
#include "platform/core/RecordFile.h"
#include "table/Table.h"
#include "table/TableText.h"

namespace velmira::table {

namespace {

constexpr const char* kPasteTitle = VELMIRA_TEXT("velmira::msg", "Coller");

Message tooManyLinesMessage() {
  return msg::criticalOk(msg::shownFormat(VELMIRA_TEXT("velmira::msg", "Le tableau ne peut avoir plus de %1 lignes"),
                                          {num::format(kMaxLines, "0")}),
                         VELMIRA_TEXT("velmira::msg", "Dépassement de capacité"));
}

// The usual Greek letters and signs of a column title that Windows-1252
// lacks, with what to write instead.
constexpr std::array<std::pair<char32_t, const char*>, 36> kTitleReplacements{{
    {U'α', "alpha"},   {U'β', "beta"},   {U'γ', "gamma"}, {U'Γ', "Gamma"}, {U'δ', "delta"},  {U'Δ', "Delta"},
    {U'ε', "epsilon"}, {U'η', "eta"},    {U'θ', "theta"}, {U'κ', "kappa"}, {U'λ', "lambda"}, {U'Λ', "Lambda"},
    {U'μ', "µ"},       {U'ν', "nu"},     {U'π', "pi"},    {U'ρ', "rho"},   {U'σ', "sigma"},  {U'Σ', "Sigma"},
    {U'τ', "tau"},     {U'φ', "phi"},    {U'χ', "chi"},   {U'ω', "omega"}, {U'Ω', "Ohm"},    {U'\u2126', "Ohm"},
    {U'\u2212', "-"},  {U'≤', "<="},     {U'≥', ">="},    {U'≠', "<>"},    {U'≈', "~"},      {U'→', "->"},
    {U'√', "racine"},  {U'∞', "infini"}, {U'⁻', "-"},     {U'⁰', "0"},     {U'⁴', "4"},      {U'∆', "Delta"},
}};

}  // namespace

std::optional<std::string> storedTitle(std::string_view title) {
  std::string stored;
  std::size_t i = 0;
  while (i < title.size()) {
    const std::size_t start = i;
    char32_t c = 0;
    if (!records::nextCodePoint(title, i, c)) return std::nullopt;
    if (records::cp1252Byte(c) >= 0) {
      stored.append(title.substr(start, i - start));
    } else {
      const std::string instead = titleReplacement(c);
      stored += instead.empty() ? std::string("?") : instead;
    }
  }
  return stored;
}

std::string titleReplacement(char32_t c) {
  for (const auto& [from, to] : kTitleReplacements)
    if (from == c) return to;
  return {};
}

bool clearTable(Table& table, MessageService& messages) {
  if (messages.show(msg::questionOkCancel(VELMIRA_TEXT("velmira::msg", "Attention\u00A0: perte des données."),
                                          VELMIRA_TEXT("velmira::msg", "Effacer le tableau"))) != Answer::Ok)
    return false;
  table.reset();
  return true;
}

std::string renamePrompt(int col) {
  return msg::shownFormat(VELMIRA_TEXT("velmira::msg", "Saisir le texte à afficher pour la colonne C%1"),
                          {num::format(col + 1, "0")});
}
std::string renameTitle(int col) {
  return msg::shownFormat(VELMIRA_TEXT("velmira::msg", "Nommer C%1"), {num::format(col + 1, "0")});
}

std::optional<Message> renameColumn(Table& table, int col, std::string_view answer) {
  if (num::trim(answer).empty()) return std::nullopt;
  const auto stored = storedTitle(answer);
  const auto encoded = stored ? records::toCp1252(*stored) : std::nullopt;
  const bool control = std::any_of(answer.begin(), answer.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
  if (!encoded || control)
    return msg::criticalOk(
        VELMIRA_TEXT("velmira::msg", "Ce titre contient des caractères qui ne peuvent pas être enregistrés."),
        renameTitle(col));
  if (encoded->size() > records::kMaxText)
    return msg::criticalOk(
        msg::shownFormat(VELMIRA_TEXT("velmira::msg", "Ce titre est trop long : %1 caractères au plus."),
                         {num::format(static_cast<double>(records::kMaxText), "0")}),
        renameTitle(col));
  table.setCell(0, col, std::string(answer));
  return std::nullopt;
}

void askRenameColumn(Table& table, int col, MessageService& messages) {
  std::string shown = table.cell(0, col);
  for (;;) {
    const auto answer = messages.ask({renamePrompt(col), renameTitle(col), shown});
    if (!answer) return;
    const auto refused = renameColumn(table, col, *answer);
    if (!refused) return;
    messages.show(*refused);
    shown = *answer;  // the box again, with what was typed
  }
}

void pasteText(Table& table, std::string_view text, MessageService& messages) {
  PastedText pasted = pastedText(text);
  if (table.row() == 1 && beginsWithHeader(pasted)) {
    const PastedLine& titles = pasted.lines.front();
    for (int k = 0; k < static_cast<int>(titles.size()) && table.col() + k < kCols; ++k)
      if (const auto refused = renameColumn(table, table.col() + k, num::trim(titles[static_cast<std::size_t>(k)])))
        messages.show(*refused);
    pasted.lines.erase(pasted.lines.begin());
    --pasted.lineCount;
  }
  const PasteCount count = paste(table, pasted);
  if (count.notNumbers > 0) messages.show(notNumbersMessage(count.notNumbers));
  if (count.scientific > 0) messages.show(scientificCellsMessage(count.scientific));
  if (count.droppedLines > 0) messages.show(tooManyLinesMessage());
}

Message notNumbersMessage(int cells) {
  if (cells == 1)
    return msg::exclamationOk(
        VELMIRA_TEXT("velmira::msg", "1 cellule collée n'est pas un nombre : elle est restée vide."), kPasteTitle);
  return msg::exclamationOk(
      msg::shownFormat(
          VELMIRA_TEXT("velmira::msg", "%1 cellules collées ne sont pas des nombres : elles sont restées vides."),
          {num::format(cells, "0")}),
      kPasteTitle);
}

Message scientificCellsMessage(int cells) {
  if (cells == 1)
    return msg::information(
        VELMIRA_TEXT("velmira::msg",
                     "1 cellule collée est écrite en notation scientifique pour garder ses chiffres significatifs."),
        kPasteTitle);
  return msg::information(msg::shownFormat(VELMIRA_TEXT("velmira::msg",
                                                        "%1 cellules collées sont écrites en notation scientifique "
                                                        "pour garder leurs chiffres significatifs."),
                                           {num::format(cells, "0")}),
                          kPasteTitle);
}

void setLineCount(Table& table, int lines) { table.setRows(std::clamp(lines, kMinLines, kMaxLines) + 1); }

std::optional<char> seriesFieldKey(int key) {
  if (key == '.') return ',';
  if ((key >= '0' && key <= '9') || key == ',' || key == '-' || key == 8) return static_cast<char>(key);
  return std::nullopt;
}

std::string seriesFieldText(std::string_view text) {
  const auto v = num::readSingle(text);
  return v ? num::general(*v, num::kSingleDigits) : std::string();
}

std::optional<Message> arithmeticSeries(Table& table, int col, std::string_view first, std::string_view last,
                                        std::string_view step) {
  // A field that is not a number counts as 0.
  const float a = num::readSingle(first).value_or(0.f);
  const float b = num::readSingle(last).value_or(0.f);
  const float r = num::readSingle(step).value_or(0.f);
  if (b == a || (b > a && r < 0) || (b < a && r > 0) || r == 0)
    return msg::criticalOk(VELMIRA_TEXT("velmira::msg", "Ces valeurs ne sont pas valides"),
                           VELMIRA_TEXT("velmira::msg", "Erreur saisie"));
  const float terms = (b - a) / r;
  if (!(terms <= 99)) return tooManyLinesMessage();
  const int n = static_cast<int>(terms) + 1;
  if (table.rows() <= n) table.setRows(n + 1);
  for (int i = 1; i <= n; ++i)
    table.setCell(i, col, num::formatSingle(a + r * static_cast<float>(i - 1), table.mask()));
  return std::nullopt;
}

int maskOption(std::string_view mask) {
  const auto it = std::find(kMasks.begin(), kMasks.end(), mask);
  return it == kMasks.end() ? 0 : static_cast<int>(it - kMasks.begin()) + 1;
}

void applyMask(Table& table, std::string_view mask) {
  table.setMask(std::string(mask));
  table.reformat();
}

}  // namespace velmira::table
