#include "model/frame/LMLetteringLine.h"

#include <QFontMetricsF>

#include <cmath>

LMLetteringLine LMLetteringLine::lay(const QFont &font, const QString &text,
                                     const QString &separator, qreal length)
{
    LMLetteringLine line;
    if (text.trimmed().isEmpty() || length <= 0)
        return line;
    const QFontMetricsF metrics(font);
    // One repeat and what follows it, measured as one string so the pairs
    // across the separator are kerned too.
    const QString unit = text + separator;
    const qreal unitWidth = metrics.horizontalAdvance(unit);
    const qreal textWidth = metrics.horizontalAdvance(text);
    if (unitWidth <= 0 || textWidth > length)
        return line;
    line.repeats = 1 + int(std::floor((length - textWidth) / unitWidth));
    const qreal used = (line.repeats - 1) * unitWidth + textWidth;
    const qreal start = (length - used) / 2;
    QList<qreal> offsets;
    offsets.reserve(text.size());
    for (int i = 0; i < text.size(); ++i)
        offsets << metrics.horizontalAdvance(text.left(i));
    for (int r = 0; r < line.repeats; ++r) {
        for (int i = 0; i < text.size(); ++i) {
            if (!text.at(i).isSpace())
                line.glyphs.append({text.at(i), start + r * unitWidth + offsets.at(i)});
        }
    }
    return line;
}
