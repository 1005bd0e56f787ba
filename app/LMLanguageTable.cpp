#include "app/LMLanguageTable.h"

#include <QStringDecoder>

namespace LMLanguageTable {

QStringList parse(const QByteArray &bytes)
{
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decode(bytes); // drops a leading byte-order mark
    QStringList lines = text.split(QLatin1Char('\n'));
    // A final line feed ends the last line; it does not start another.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        line.replace(QLatin1String("\\n"), QLatin1String("\n"));
        line = line.trimmed();
    }
    return lines;
}

QString resourcePath(const QString &folder)
{
    return QStringLiteral(":/i18n/%1/lan.txt").arg(folder);
}

} // namespace LMLanguageTable
