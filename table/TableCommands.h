// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table commands that ask, check or report: clearing the table, naming a
// column, the number of lines, the arithmetic series, the number format.
// The windows and velmira-outil run the same functions.
#include <optional>
#include <string>
#include <string_view>

#include "platform/core/Messages.h"

namespace velmira::table {

class Table;

// "Effacer le tableau": asks, then resets the table on OK. True when cleared.
bool clearTable(Table& table, MessageService& messages);

// "Nommer C"n: the input box's prompt and title (n = col + 1).
std::string renamePrompt(int col);
std::string renameTitle(int col);
// The answer, trimmed, becomes the title when not empty (empty: title
// unchanged). Any character may be typed; a title whose stored form (below)
// is over 126 bytes in Windows-1252, that holds control characters or is
// not UTF-8 is refused: the message to show, the title unchanged.
std::optional<Message> renameColumn(Table& table, int col, std::string_view answer);
// What to write for a character Windows-1252 lacks ("σ" → "sigma", Greek
// "μ" → "µ"); empty when there is no usual replacement.
std::string titleReplacement(char32_t c);
// The title as a configuration record holds it, in characters Windows-1252
// has: each other one as titleReplacement writes it ("σ (mS/m)" →
// "sigma (mS/m)"), "?" when there is none; nullopt when it is not UTF-8.
std::optional<std::string> storedTitle(std::string_view title);
// The whole command: the input box, then the rename; a refused title is
// said and the box asked again with the typed text, until it is stored or
// the box is cancelled.
void askRenameColumn(Table& table, int col, MessageService& messages);

// Ctrl+V: pastes a spreadsheet's text from the current cell on. Pasted at
// line 1, a first line that holds titles and no number names the columns
// (through renameColumn; a refused title is said) and the data follow it.
// Then one message for the cells that were not numbers (left empty) and
// one for lines left out for want of room.
void pasteText(Table& table, std::string_view text, MessageService& messages);
// The message for n cells that were not numbers (n >= 1).
Message notNumbersMessage(int cells);
// Said once when a paste wrote cells in the scientific form, the table's
// format not keeping their digits.
Message scientificCellsMessage(int cells);

// "Nombre de lignes": 1..100 data lines.
inline constexpr int kMinLines = 1;
inline constexpr int kMaxLines = 100;
void setLineCount(Table& table, int lines);

// "Suite arithmétique". The fields' key filter: "." becomes ","; digits,
// ",", "-" and Backspace (8) pass; anything else is dropped (nullopt).
std::optional<char> seriesFieldKey(int key);
// Leaving a field: its text as a 32-bit float in the general number format,
// or empty when it is not a number.
std::string seriesFieldText(std::string_view text);
// OK with the three field texts: fills column `col` and returns nullopt, or
// returns the message to show (the dialog stays open, the table unchanged).
std::optional<Message> arithmeticSeries(Table& table, int col, std::string_view first, std::string_view last,
                                        std::string_view step);

// "Format d'écriture des données": option 1..5 of the dialog, its mask.
int maskOption(std::string_view mask);  // 0 when the mask is none of them
void applyMask(Table& table, std::string_view mask);

}  // namespace velmira::table
