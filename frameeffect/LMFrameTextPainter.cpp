#include "frameeffect/LMFrameTextPainter.h"

#include "frameeffect/LMFrameTextSettings.h"
#include "frameeffect/LMStripGeometry.h"

#include <QPainter>
#include <QPainterPath>

namespace LMFrameTextPainter {

QList<Placed> paint(QPainter &painter, const QPainterPath &outline, LMFrameTextSettings &text,
                    int frameIndex, bool thinStrips)
{
    QList<Placed> placed;
    const float length = float(outline.length());
    if (frameIndex < 3 || length <= 0)
        return placed;
    LMStripGeometry strips;
    strips.thin = thinStrips;
    const double pitch = strips.rowPitch(), offset = strips.firstRow();
    // One glyph every 12 mm of the outline, as a fraction of its length.
    const float step = 1.0f / (length / 36.0f);
    const QPolygonF probe({QPointF(-16, 2 - offset), QPointF(16, 2 - offset),
                           QPointF(10.6, offset - 2), QPointF(-10.6, offset - 2)});

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
                bool free = true;
                for (const Placed &other : std::as_const(placed)) {
                    if (other.probe.intersects(room)) {
                        free = false;
                        break;
                    }
                }
                if (!free)
                    continue;
                const QChar c = text.charAtCursor();
                const QImage glyph = pass == 0 ? text.previousGlyph() : text.nextGlyph();
                painter.setTransform(m * base);
                painter.drawImage(QPoint(-(glyph.width() - 1) / 2, -(glyph.height() - 1) / 2),
                                  glyph);
                placed.append({c, pass, row, room});
            }
        }
    }
    text.endTextPass();
    painter.restore();
    return placed;
}

} // namespace LMFrameTextPainter
