#include "model/frame/LMLetteringLine.h"

#include <QFontMetricsF>

#include <cmath>

namespace {
// Pen positions of a string's characters, kerned as the string is set.
QList<qreal> penPositions(const QFontMetricsF &metrics, const QString &s)
{
    QList<qreal> positions;
    positions.reserve(s.size());
    for (int i = 0; i < s.size(); ++i)
        positions << metrics.horizontalAdvance(s.left(i));
    return positions;
}
} // namespace

LMLetteringLine LMLetteringLine::lay(const QFont &font, const QString &rawText,
                                     const QString &separator, qreal length, Spacing spacing,
                                     int most, bool closed)
{
    LMLetteringLine line;
    // Spaces round the text are the separator's business.
    const QString text = rawText.trimmed();
    if (text.isEmpty() || length <= 0 || most <= 0)
        return line;
    const QFontMetricsF metrics(font);
    const qreal textWidth = metrics.horizontalAdvance(text);
    const qreal separatorWidth = metrics.horizontalAdvance(separator);
    if (textWidth <= 0 || textWidth > length)
        return line;

    QList<qreal> starts;  // of each repeat
    QList<qreal> between; // of each separator
    if (spacing == Centred) {
        // One repeat and what follows it, measured as one string so the
        // pairs across the separator are kerned too.
        const qreal unitWidth = metrics.horizontalAdvance(text + separator);
        if (unitWidth <= 0)
            return line;
        const int fit = 1 + int(std::floor((length - textWidth) / unitWidth));
        const int n = qMin(most, fit);
        const qreal start = (length - ((n - 1) * unitWidth + textWidth)) / 2;
        for (int r = 0; r < n; ++r) {
            starts << start + r * unitWidth;
            if (r + 1 < n)
                between << start + r * unitWidth + metrics.horizontalAdvance(text);
        }
    } else {
        // Each repeat keeps at least its separator's room; the rest of the
        // length is shared out equally, half a share at either end.
        int n = int(std::floor(length / (textWidth + separatorWidth)));
        if (n < 1 && !closed)
            n = 1;
        n = qMin(n, most);
        if (n < 1)
            return line;
        const qreal gap = (length - n * textWidth) / n;
        for (int r = 0; r < n; ++r) {
            starts << gap / 2 + r * (textWidth + gap);
            if (r + 1 < n || closed)
                between << starts.last() + textWidth + (gap - separatorWidth) / 2;
        }
    }

    const QList<qreal> textPens = penPositions(metrics, text);
    const QList<qreal> separatorPens = penPositions(metrics, separator);
    line.repeats = int(starts.size());
    for (int r = 0; r < starts.size(); ++r) {
        const int word = line.words++;
        for (int i = 0; i < text.size(); ++i)
            if (!text.at(i).isSpace())
                line.glyphs.append({text.at(i), starts[r] + textPens[i], word, false});
        if (r >= between.size() || separator.trimmed().isEmpty())
            continue;
        const int mark = line.words++;
        for (int i = 0; i < separator.size(); ++i)
            if (!separator.at(i).isSpace())
                line.glyphs.append({separator.at(i), between[r] + separatorPens[i], mark, true});
    }
    return line;
}
