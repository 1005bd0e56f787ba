#pragma once

#include <QByteArray>
#include <QStringList>

// Reads one interface language table: UTF-8 text, optionally starting with a
// byte-order mark, one text per line (LF or CRLF). Backslash-n inside a line
// stands for a line break; blanks around a text are not part of it.
namespace LMLanguageTable {

QStringList parse(const QByteArray &bytes);

// Resource path of the table in `folder`, e.g. ":/i18n/enu/lan.txt".
QString resourcePath(const QString &folder);

} // namespace LMLanguageTable
