#include "tools/text/LMTextLayout.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QRawFont>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace LMTextLayout {

namespace {
// Outlines of the glyphs already drawn, per font as asked for and face as
// found. Layout runs on every key press; shaping is cheap, reading outlines
// from the font is not. The font asked for is part of the key because one
// face serves several requests: a family without an italic face is slanted,
// one without bold is thickened, and those outlines differ.
class GlyphOutlines {
public:
    const QPainterPath &outline(const QFont &requested, const QRawFont &font, quint32 glyph)
    {
        if (m_count > MaxGlyphs) {
            m_faces.clear();
            m_count = 0;
        }
        const QString face = requested.key() + QLatin1Char('|') + font.familyName() +
                             QLatin1Char('/') + font.styleName() + QLatin1Char('/') +
                             QString::number(font.pixelSize(), 'g', 17) + QLatin1Char('/') +
                             QString::number(int(font.weight())) + QLatin1Char('/') +
                             QString::number(int(font.style()));
        QHash<quint32, QPainterPath> &glyphs = m_faces[face];
        auto it = glyphs.constFind(glyph);
        if (it == glyphs.constEnd()) {
            it = glyphs.insert(glyph, font.pathForGlyph(glyph));
            ++m_count;
        }
        return *it;
    }

private:
    static constexpr int MaxGlyphs = 20000;
    QHash<QString, QHash<quint32, QPainterPath>> m_faces;
    int m_count = 0;
};

GlyphOutlines &outlines()
{
    static GlyphOutlines cache;
    return cache;
}

// The outlines of `text` shaped in `font`, with its baseline's start at `origin`.
void addShapedText(QPainterPath &out, const QString &text, const QFont &font, const QPointF &origin)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e9);
    layout.endLayout();
    const QPointF shift = origin - QPointF(0, line.ascent());
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const QPointF at = shift + positions[i];
            out.addPath(outlines().outline(font, raw, glyphs[i]).translated(at));
        }
    }
}
// The upper half of the ellipse inscribed in a rectangle, measured by its
// length: placing a character needs the point and the direction of travel at
// a fraction of the length, from the right end over the top to the left end.
class HalfEllipse {
public:
    explicit HalfEllipse(const QRectF &r)
        : m_centre(r.center()), m_a(r.width() / 2), m_b(r.height() / 2)
    {
        m_lengths.resize(Steps + 1);
        m_lengths[0] = 0;
        QPointF previous = at(0);
        for (int i = 1; i <= Steps; ++i) {
            const QPointF p = at(M_PI * i / Steps);
            m_lengths[i] = m_lengths[i - 1] + QLineF(previous, p).length();
            previous = p;
        }
    }

    double length() const { return m_lengths.last(); }

    // Point at fraction t of the length; `angle` gets the direction of travel
    // in degrees, counter-clockwise from the x axis as the screen shows it.
    QPointF pointAt(double t, double *angle) const
    {
        const double target = qBound(0.0, t, 1.0) * length();
        const auto next = std::upper_bound(m_lengths.cbegin(), m_lengths.cend(), target);
        const int i = qBound(1, int(next - m_lengths.cbegin()), Steps);
        const double span = m_lengths[i] - m_lengths[i - 1];
        const double within = span > 0 ? (target - m_lengths[i - 1]) / span : 0.0;
        const double theta = M_PI * (i - 1 + within) / Steps;
        *angle = QLineF(0, 0, -m_a * std::sin(theta), -m_b * std::cos(theta)).angle();
        return at(theta);
    }

private:
    static constexpr int Steps = 2048;
    QPointF at(double theta) const
    {
        return QPointF(m_centre.x() + m_a * std::cos(theta), m_centre.y() - m_b * std::sin(theta));
    }

    QPointF m_centre;
    double m_a, m_b;
    QVector<double> m_lengths;
};

QRectF arcRect(const QRect &field)
{
    return QRectF(field.left(), field.top(), field.right() + 1 - field.left(),
                  2 * (field.bottom() - field.top()) + 2);
}
} // namespace

QList<Line> layoutLines(const QString &text, const QFont &font, int fieldWidth)
{
    QList<Line> lines;
    QTextOption option;
    // Between words where the line has a break opportunity (spaces, and the
    // rules of scripts without them), between characters inside a word
    // longer than the field.
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const int n = int(text.size());
    int start = 0;
    while (true) {
        const int feed = int(text.indexOf(QLatin1Char('\n'), start));
        int end = feed < 0 ? n : feed;
        // A carriage return before a line feed, or left at the end, is not drawn.
        if (end > start && text.at(end - 1) == QLatin1Char('\r'))
            --end;
        if (end == start) {
            lines << Line{start, 0};
        } else {
            QTextLayout layout(text.mid(start, end - start), font);
            layout.setTextOption(option);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(qMax(0, fieldWidth));
                lines << Line{start + line.textStart(), line.textLength()};
            }
            layout.endLayout();
        }
        if (feed < 0)
            break;
        start = feed + 1;
    }
    return lines;
}

QStringList breakLines(const QString &text, const QFont &font, int fieldWidth)
{
    QStringList texts;
    for (const Line &line : layoutLines(text, font, fieldWidth))
        texts << text.mid(line.start, line.length);
    return texts;
}

QPoint caretPlace(const QString &text, const QFont &font, int fieldWidth, int index)
{
    const QList<Line> lines = layoutLines(text, font, fieldWidth);
    int row = 0;
    // The last line starting at or before the caret holds it.
    for (int k = 0; k < lines.size(); ++k) {
        if (lines[k].start <= index)
            row = k;
    }
    const Line &line = lines[row];
    const int column = qBound(0, index - line.start, line.length);
    return QPoint(qRound(QFontMetricsF(font).horizontalAdvance(text.mid(line.start, column))), row);
}

QPainterPath fieldGlyphs(const QStringList &lines, const QFont &font, int left, int top)
{
    const QFontMetrics metrics(font);
    QPainterPath glyphs;
    for (int k = 0; k < lines.size(); ++k) {
        if (!lines[k].isEmpty())
            addShapedText(glyphs, lines[k], font,
                          QPointF(left, top + k * metrics.height() + metrics.overlinePos()));
    }
    return glyphs;
}

QPainterPath arcOf(const QRect &field)
{
    const QRectF r = arcRect(field);
    QPainterPath arc;
    arc.arcMoveTo(r, 0);
    arc.arcTo(r, 0, 180);
    return arc;
}

QStringList characters(const QString &text)
{
    QStringList clusters;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (finder.toNextBoundary() != -1) {
        clusters << text.mid(start, finder.position() - start);
        start = finder.position();
    }
    return clusters;
}

int arcFitCount(const QString &text, const QFont &font, double arcLength)
{
    const QFontMetrics metrics(font);
    const QStringList clusters = characters(text);
    int widest = 0;
    int n = 0;
    for (; n < clusters.size(); ++n) {
        widest = qMax(widest, metrics.horizontalAdvance(clusters[n]));
        if (double(widest) * (n + 1) > arcLength)
            break;
    }
    return n;
}

double arcLength(const QRect &field)
{
    return HalfEllipse(arcRect(field)).length();
}

QRect arcFieldFor(const QString &text, const QFont &font, const QRect &field)
{
    const QFontMetrics metrics(font);
    const QStringList clusters = characters(text);
    int widest = 0;
    for (const QString &c : clusters)
        widest = qMax(widest, metrics.horizontalAdvance(c));
    const double needed = double(widest) * clusters.size();
    QRect wider = field;
    // The arc grows at least half as fast as its field is widened, so a few
    // rounds reach any length.
    for (double length = arcLength(wider); length < needed; length = arcLength(wider)) {
        // Both sides alike, so the middle stays where it was.
        const int side = qMax(1, int(std::ceil((needed - length) / 2)));
        wider.adjust(-side, 0, side, 0);
    }
    return wider;
}

QPainterPath arcGlyphs(const QString &text, const QFont &font, const QRect &field, bool rotate)
{
    const QFontMetrics metrics(font);
    QPainterPath glyphs;
    if (metrics.horizontalAdvance(text) < 1)
        return glyphs;
    const HalfEllipse arc(arcRect(field));
    const QStringList clusters = characters(text);
    const int count = arcFitCount(text, font, arc.length());
    const int halfHeight = metrics.height() / 2;
    for (int k = 0; k < count; ++k) {
        double angle = 0;
        const QPointF at = arc.pointAt(arcFraction(k, count), &angle);
        QPainterPath glyph;
        addShapedText(glyph, clusters[k], font, QPointF(0, 0));
        QTransform place = QTransform::fromTranslate(at.x(), at.y());
        if (rotate)
            place.rotate(180.0 - angle);
        const QTransform centre =
            QTransform::fromTranslate(-(metrics.horizontalAdvance(clusters[k]) / 2), halfHeight);
        glyphs.addPath((centre * place).map(glyph));
    }
    return glyphs;
}

QLineF arcCaret(const QString &text, const QFont &font, const QRect &field, bool rotate, int index)
{
    const QFontMetrics metrics(font);
    const HalfEllipse arc(arcRect(field));
    const int count = arcFitCount(text, font, arc.length());
    const int before = qMin(count, int(characters(text.left(index)).size()));
    // Halfway between the characters on either side, spaced as they are.
    double angle = 0;
    const QPointF at = arc.pointAt(1.0 - (before + 0.5) / (count + 1.0), &angle);
    QTransform place = QTransform::fromTranslate(at.x(), at.y());
    if (rotate)
        place.rotate(180.0 - angle);
    // As tall as the characters' line box, which sits centred on the arc.
    const int baseline = metrics.height() / 2;
    return place.map(QLineF(0, baseline - metrics.ascent(), 0, baseline + metrics.descent() - 1));
}

} // namespace LMTextLayout
