#include "model/frame/LMFrameTextPainter.h"

#include "model/frame/LMFrameTextRow.h"
#include "model/frame/LMFrameTextSettings.h"
#include "model/frame/LMLetteringLine.h"
#include "model/frame/LMStripGeometry.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <cmath>

namespace LMFrameTextPainter {

namespace {
// Whether two convex polygons overlap: no axis of either separates them.
// Far cheaper than a general polygon intersection, which matters with
// hundreds of letters round a large window.
bool overlaps(const QPolygonF &a, const QPolygonF &b)
{
    for (const QPolygonF *poly : {&a, &b}) {
        const int n = int(poly->size());
        for (int i = 0; i < n; ++i) {
            const QPointF edge = poly->at((i + 1) % n) - poly->at(i);
            const QPointF axis(-edge.y(), edge.x());
            qreal minA = 1e300, maxA = -1e300, minB = 1e300, maxB = -1e300;
            for (const QPointF &p : a) {
                const qreal d = QPointF::dotProduct(p, axis);
                minA = qMin(minA, d);
                maxA = qMax(maxA, d);
            }
            for (const QPointF &p : b) {
                const qreal d = QPointF::dotProduct(p, axis);
                minB = qMin(minB, d);
                maxB = qMax(maxB, d);
            }
            if (maxA <= minB || maxB <= minA)
                return false;
        }
    }
    return true;
}

// The letters placed so far, looked up by where they are. A layout tried
// and given up is taken back with `rollBack`.
class Taken {
public:
    bool isFree(const QPolygonF &quad) const
    {
        const QRectF box = quad.boundingRect();
        bool free = true;
        forCells(box, [&](quint64 cell) {
            for (const int i : m_cells.value(cell))
                if (free && m_boxes[i].intersects(box) && overlaps(m_quads[i], quad))
                    free = false;
        });
        return free;
    }
    void take(const QPolygonF &quad)
    {
        const int i = int(m_quads.size());
        m_quads << quad;
        m_boxes << quad.boundingRect();
        forCells(m_boxes.last(), [&](quint64 cell) { m_cells[cell] << i; });
    }
    int size() const { return int(m_quads.size()); }
    void rollBack(int size)
    {
        while (m_quads.size() > size) {
            forCells(m_boxes.last(), [&](quint64 cell) { m_cells[cell].removeLast(); });
            m_quads.removeLast();
            m_boxes.removeLast();
        }
    }

private:
    static constexpr qreal Cell = 48;
    template <typename F> static void forCells(const QRectF &box, F f)
    {
        const int x0 = int(std::floor(box.left() / Cell)), x1 = int(std::floor(box.right() / Cell));
        const int y0 = int(std::floor(box.top() / Cell)), y1 = int(std::floor(box.bottom() / Cell));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                f((quint64(quint32(y)) << 32) | quint32(x));
    }
    QList<QPolygonF> m_quads;
    QList<QRectF> m_boxes;
    QHash<quint64, QList<int>> m_cells;
};

// The frame ring as a mask in outline units: a letter's corners and edge
// middles must all be on it.
class RingMask {
public:
    explicit RingMask(const QPainterPath *ring)
    {
        if (!ring || ring->isEmpty())
            return;
        const QRect box = ring->boundingRect().toAlignedRect();
        m_origin = box.topLeft();
        m_mask = QImage(box.size(), QImage::Format_Alpha8);
        m_mask.fill(0);
        QPainter p(&m_mask);
        p.translate(-m_origin);
        p.fillPath(*ring, Qt::black);
    }
    bool holds(const QPolygonF &quad) const
    {
        if (m_mask.isNull())
            return true;
        const int n = int(quad.size());
        for (int i = 0; i < n; ++i) {
            const QPointF a = quad[i], b = quad[(i + 1) % n];
            if (!on(a) || !on((a + b) / 2))
                return false;
        }
        return true;
    }

private:
    bool on(const QPointF &p) const
    {
        const int x = int(std::floor(p.x())) - m_origin.x();
        const int y = int(std::floor(p.y())) - m_origin.y();
        return x >= 0 && y >= 0 && x < m_mask.width() && y < m_mask.height() &&
               m_mask.constScanLine(y)[x] != 0;
    }
    QImage m_mask;
    QPoint m_origin;
};

// A letter as it would land.
struct Letter {
    QChar character;
    int word;
    bool separator;
    QTransform place; // glyph space to outline units
    QPointF pen;      // in glyph space
    QPolygonF probe;
    QPolygonF core; // the middle half of its ink: what a neighbour in its word never touches
};

// The letters of one stretch's lettering.
QList<Letter> lettersOf(const LMLetteringLine &line, const LMFrameTextRow::Stretch &stretch,
                        LMFrameTextSettings &text, qreal middle, qreal edge)
{
    QList<Letter> letters;
    letters.reserve(line.glyphs.size());
    const qreal length = stretch.length();
    for (const LMLetteringLine::Glyph &g : line.glyphs) {
        const QRectF box = text.glyphBox(g.character);
        qreal centre = g.x + box.center().x();
        if (stretch.closed())
            centre = std::fmod(centre + length, length);
        Letter l{g.character,
                 g.word,
                 g.separator,
                 stretch.placeAt(centre),
                 QPointF(-box.center().x(), -middle),
                 {},
                 {}};
        const QRectF ink = box.translated(l.pen).adjusted(-edge, -edge, edge, edge);
        const auto corners = [&l](const QRectF &r) {
            return l.place.map(
                QPolygonF({r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()}));
        };
        l.probe = corners(ink);
        l.core = corners(ink.adjusted(ink.width() / 4, 0, -ink.width() / 4, 0));
        letters << l;
    }
    return letters;
}

// Takes the letters of every word that fits whole; returns whether all
// of the text's words did. Neighbours in a word may touch as the font
// sets them (kerned pairs do), but where a bend pushes them into each
// other's middle, the word does not fit; any other letters may not touch.
bool takeWholeWords(QList<Letter> &letters, Taken &taken, const RingMask &ring)
{
    QList<Letter> kept;
    bool all = true;
    for (int first = 0; first < letters.size();) {
        int end = first + 1;
        while (end < letters.size() && letters[end].word == letters[first].word)
            ++end;
        bool fits = true;
        for (int i = first; i < end && fits; ++i) {
            fits = ring.holds(letters[i].probe) && taken.isFree(letters[i].probe);
            for (int j = first; j < i && fits; ++j)
                fits = j + 1 < i ? !overlaps(letters[j].probe, letters[i].probe)
                                 : !overlaps(letters[j].core, letters[i].core);
        }
        if (fits) {
            for (int i = first; i < end; ++i) {
                taken.take(letters[i].probe);
                kept << letters[i];
            }
        } else if (!letters[first].separator) {
            all = false;
        }
        first = end;
    }
    letters = kept;
    return all;
}
} // namespace

QList<Placed> layout(const QPainterPath &outline, LMFrameTextSettings &text, int frameIndex,
                     bool thinStrips, const QPainterPath *ring)
{
    QList<Placed> placed;
    if (frameIndex < 3 || outline.isEmpty() || text.text().trimmed().isEmpty())
        return placed;
    LMStripGeometry strips;
    strips.thin = thinStrips;
    // Letters never reach past their row.
    text.setRowHeight(strips.rowPitch());
    const QRectF ink = text.textBox();
    if (ink.isEmpty())
        return placed;
    const QFont &font = text.drawnFont();
    const QString separator = text.effectiveSeparator();
    const qreal middle = ink.center().y();
    const qreal edge = text.strokeOn() ? text.edgeWidth() / 2.0 : 0;
    const qreal height = qMax<qreal>(ink.height() + 2 * edge, 4);
    const RingMask mask(ring);
    Taken taken;

    int words = 0;
    for (int row = 3; row <= frameIndex; ++row) {
        const qreal depth = strips.firstRow() + strips.rowPitch() * (row - 3);
        for (const LMFrameTextRow::Stretch &stretch :
             LMFrameTextRow::stretches(outline, depth, height)) {
            // As many repeats as the stretch holds, spread evenly; where a
            // word will not fit whole, one repeat fewer, and so on. Failing
            // all, the most repeats with the words that fit.
            const LMLetteringLine most =
                LMLetteringLine::lay(font, text.text(), separator, stretch.length(),
                                     LMLetteringLine::Even, INT_MAX, stretch.closed());
            QList<Letter> chosen;
            bool whole = false;
            for (int n = most.repeats; n >= 1 && !whole; --n) {
                const LMLetteringLine line =
                    n == most.repeats
                        ? most
                        : LMLetteringLine::lay(font, text.text(), separator, stretch.length(),
                                               LMLetteringLine::Even, n, stretch.closed());
                chosen = lettersOf(line, stretch, text, middle, edge);
                const int before = taken.size();
                whole = takeWholeWords(chosen, taken, mask);
                if (!whole)
                    taken.rollBack(before);
            }
            if (!whole) {
                chosen = lettersOf(most, stretch, text, middle, edge);
                takeWholeWords(chosen, taken, mask);
            }
            for (const Letter &l : std::as_const(chosen)) {
                const QPointF up = l.place.map(QPointF(0, -1)) - l.place.map(QPointF(0, 0));
                placed.append({l.character, row, words + l.word, stretch.turned(), l.separator,
                               l.probe, up, l.place, l.pen});
            }
            words += most.words;
        }
    }
    return placed;
}

QList<Placed> paint(QPainter &painter, const QPainterPath &outline, LMFrameTextSettings &text,
                    int frameIndex, bool thinStrips, bool asShapes, const QPainterPath *ring)
{
    // The layout changes only with what it is made from: a frame redrawn
    // for a new texture or colour sets its letters where they were.
    struct Kept {
        QString key;
        QPainterPath outline, ring;
        QList<Placed> placed;
    };
    static Kept kept;
    text.setRowHeight(LMStripGeometry{thinStrips}.rowPitch());
    const QString key = QStringList{text.text(),
                                    text.effectiveSeparator(),
                                    text.drawnFont().toString(),
                                    QString::number(text.strokeOn() ? text.edgeWidth() : 0),
                                    QString::number(frameIndex),
                                    QString::number(thinStrips)}
                            .join(QChar(0));
    const QPainterPath noRing;
    const QPainterPath &ringPath = ring ? *ring : noRing;
    if (kept.key != key || kept.outline != outline || kept.ring != ringPath)
        kept = {key, outline, ringPath, layout(outline, text, frameIndex, thinStrips, ring)};
    const QList<Placed> placed = kept.placed;
    painter.save();
    // Each letter moves the painter; a PDF writes the brush again with every
    // move, so a texture left from the ring would become a pattern per letter.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::NoPen);
    const QTransform base = painter.transform();
    text.beginTextPass();
    for (const Placed &p : placed) {
        painter.setTransform(p.place * base);
        if (asShapes) {
            QPainterPath shape;
            shape.addText(p.pen, text.drawnFont(), QString(p.character));
            text.drawGlyphPath(painter, shape);
        } else {
            const QRectF box = text.glyphBox(p.character);
            painter.drawImage(p.pen + box.topLeft() - QPointF(8, 8), text.glyphImage(p.character));
        }
    }
    text.endTextPass();
    painter.restore();
    return placed;
}

} // namespace LMFrameTextPainter
