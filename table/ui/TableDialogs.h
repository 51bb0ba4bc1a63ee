#pragma once
// The small dialogs of the table: `saisaut` (automatic entry), `fnblignes`
// (number of lines), `arith` (arithmetic series), `Formatdonnees` (number
// format). Each runs modally over its parent and applies its OK to the
// table through the core commands; true when the table changed.
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

}  // namespace ui
}  // namespace table
}  // namespace velmira
