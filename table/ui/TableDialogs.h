// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small dialogs of the table: `saisaut` (automatic entry), `fnblignes`
// (number of lines), `arith` (arithmetic series), `Formatdonnees` (number
// format). Each runs modally over its parent and applies its OK to the
// table through the core commands; true when the table changed.
class QDialog;
class QDialogButtonBox;
class QWidget;

namespace velmira {
class MessageService;
namespace table {
class Table;
namespace ui {

bool runAutoEntryDialog(QWidget* parent, Table& table);
bool runLineCountDialog(QWidget* parent, Table& table);
bool runSeriesDialog(QWidget* parent, Table& table, int col, MessageService& messages);
bool runFormatDialog(QWidget* parent, Table& table);

// The "OK" and "Annuler" buttons of a dialog; "Annuler" rejects it and,
// when `okAccepts`, "OK" accepts it.
QDialogButtonBox* okCancelButtons(QDialog& dialog, bool okAccepts = true);

}  // namespace ui
}  // namespace table
}  // namespace velmira
