#include "model/frame/LMFrameTextPainter.h"

#include "model/frame/LMFrameTextSettings.h"
#include "model/frame/LMStripGeometry.h"

#include <QPainter>
#include <QPainterPath>

namespace LMFrameTextPainter {

namespace {
// Whether two convex quadrilaterals overlap: no axis of either separates
// them. Far cheaper than a general polygon intersection, which matters with
// hundreds of glyphs round a large window.
bool overlaps(const QPolygonF &a, const QRectF &aBox, const QPolygonF &b, const QRectF &bBox)
{
    if (!aBox.intersects(bBox))
        return false;
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
            if (maxA < minB || maxB < minA)
                return false;
        }
    }
    return true;
}
} // namespace

QList<Placed> paint(QPainter &painter, const QPainterPath &outline, LMFrameTextSettings &text,
                    int frameIndex, bool thinStrips, bool asShapes)
{
    QList<Placed> placed;
    const float length = float(outline.length());
    if (frameIndex < 3 || length <= 0)
        return placed;
    LMStripGeometry strips;
    strips.thin = thinStrips;
    // Letters never reach past their row.
    text.setRowHeight(strips.rowPitch());
    const double pitch = strips.rowPitch(), offset = strips.firstRow();
    // One glyph every 12 mm of the outline, as a fraction of its length.
    const float step = 1.0f / (length / 36.0f);
    const QPolygonF probe({QPointF(-16, 2 - offset), QPointF(16, 2 - offset),
                           QPointF(10.6, offset - 2), QPointF(-10.6, offset - 2)});

    QList<QRectF> boxes;
    painter.save();
    const QTransform base = painter.transform();
    text.beginTextPass();
    for (int pass = 0; pass < 2; ++pass) {
        for (int row = 3; row <= frameIndex; ++row) {
            const QTransform shift = QTransform::fromTranslate(0, pitch * (row - 3) + offset);
            for (int k = 1; float(k) * step < 1.0f - step; ++k) {
                const qreal t = float(k) * step;
                const QPointF p = outline.pointAtPercent(t);
                const qreal a = outline.angleAtPercent(t);
                const QTransform m = shift * QTransform().rotate(pass == 0 ? 180 - a : -a) *
                                     QTransform::fromTranslate(p.x(), p.y());
                const QPolygonF room = m.map(probe);
                const QRectF roomBox = room.boundingRect();
                bool free = true;
                for (int i = 0; i < placed.size() && free; ++i)
                    free = !overlaps(placed[i].probe, boxes[i], room, roomBox);
                if (!free)
                    continue;
                const QChar c = text.charAtCursor();
                const QImage glyph = pass == 0 ? text.previousGlyph() : text.nextGlyph();
                painter.setTransform(m * base);
                if (asShapes)
                    text.drawGlyphPath(painter, text.glyphPathCentred(c));
                else
                    painter.drawImage(QPoint(-(glyph.width() - 1) / 2, -(glyph.height() - 1) / 2),
                                      glyph);
                placed.append({c, pass, row, room});
                boxes.append(roomBox);
            }
        }
    }
    text.endTextPass();
    painter.restore();
    return placed;
}

} // namespace LMFrameTextPainter
