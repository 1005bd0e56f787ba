#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Lists of names as users bring them: typed or pasted into a box, or loaded
// from a text or CSV file. Each row gives one name, its first field; the
// rest of a spreadsheet's row (class, age, notes) is left behind.
namespace LMNameList {

// How a row's fields are told apart.
enum class Rows {
    // Typed or pasted text: only tabs part fields, as a spreadsheet's copied
    // rows have them; a comma belongs to a name ("Smith, John").
    Text,
    // A CSV file: its first row tells whether tabs, semicolons or commas part fields.
    Table,
};

// The rows a file of this name holds: a table for .csv, text otherwise.
Rows rowsOfFile(const QString &fileName);

// The first field of every row, trimmed, empty ones dropped, at most
// LMDocument::MaxNames. A field in double quotes may hold separators and
// line breaks ("" stands for one quote); a line break in a name becomes a space.
QStringList parse(const QString &text, Rows rows);

// The names of a file's bytes: UTF-8 with or without a byte-order mark.
// Nothing when the bytes are not UTF-8: guessing another encoding would
// print garbled names on every insert.
std::optional<QStringList> fromBytes(const QByteArray &bytes, Rows rows);

} // namespace LMNameList
