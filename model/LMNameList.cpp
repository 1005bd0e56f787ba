#include "model/LMNameList.h"

#include "model/LMDocument.h"

#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

namespace {
const QChar Quote = QLatin1Char('"');
constexpr qsizetype MaxRereads = 16;

// The separator of a table, from its first row with text: the first of tab,
// semicolon and comma found outside quotes. Semicolons go before commas
// because the spreadsheets that write them keep commas inside names.
QChar separatorOf(const QString &text)
{
    bool quoted = false;
    bool semicolon = false, comma = false;
    for (const QChar c : text) {
        if (c == Quote)
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == QLatin1Char('\t'))
            return c;
        else if (c == QLatin1Char('\n') && (semicolon || comma))
            break;
        semicolon = semicolon || c == QLatin1Char(';');
        comma = comma || c == QLatin1Char(',');
    }
    return semicolon ? QLatin1Char(';') : comma ? QLatin1Char(',') : QLatin1Char('\t');
}
} // namespace

namespace LMNameList {

Rows rowsOfFile(const QString &fileName)
{
    return QFileInfo(fileName).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0
               ? Rows::Table
               : Rows::Text;
}

QStringList parse(const QString &text, Rows rows)
{
    const QChar separator = rows == Rows::Table ? separatorOf(text) : QLatin1Char('\t');
    QStringList names;
    QString field;
    bool firstField = true; // still in the row's first field
    bool fieldStart = true; // nothing but blanks yet in this field
    const auto endRow = [&] {
        const QString name = field.simplified();
        if (!name.isEmpty() && names.size() < LMDocument::MaxNames)
            names << name;
        field.clear();
        firstField = fieldStart = true;
    };
    qsizetype rowStart = 0;
    qsizetype quoteOpened = -1;    // where the quoted field began
    QSet<qsizetype> literalQuotes; // opening quotes never closed: letters after all
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoteOpened >= 0) {
            if (c != Quote) {
                if (firstField)
                    field += c;
            } else if (i + 1 < text.size() && text.at(i + 1) == Quote) {
                if (firstField)
                    field += Quote;
                ++i;
            } else {
                quoteOpened = -1;
            }
            if (quoteOpened >= 0 && i + 1 == text.size() && literalQuotes.size() < MaxRereads) {
                // The text ended inside quotes: read that row again with the
                // quote as a letter. Only a few times: each reading costs the
                // rest of the text, and past them the field runs to the end.
                literalQuotes.insert(quoteOpened);
                quoteOpened = -1;
                field.clear();
                firstField = fieldStart = true;
                i = rowStart - 1;
            }
        } else if (c == Quote && fieldStart && !literalQuotes.contains(i)) {
            quoteOpened = i;
            fieldStart = false;
            if (firstField)
                field.clear();
        } else if (c == QLatin1Char('\n')) {
            endRow();
            rowStart = i + 1;
        } else if (c == separator) {
            firstField = false;
            fieldStart = true;
        } else if (c != QLatin1Char('\r')) {
            fieldStart = fieldStart && c.isSpace();
            if (firstField)
                field += c;
        }
    }
    endRow();
    return names;
}

std::optional<QStringList> fromBytes(const QByteArray &bytes, Rows rows)
{
    // The decoder drops a leading byte-order mark; stateless, a sequence cut
    // off at the end is an error rather than kept for bytes that never come.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return parse(text, rows);
}

} // namespace LMNameList
