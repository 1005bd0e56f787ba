#pragma once

#include <QList>
#include <QPointF>
#include <QTransform>

class QPainterPath;

// One row of lettering inside the frame ring: the outline moved `depth`
// towards the window, cut into stretches that each read as one line. Letters
// stand with their tops away from the window, except along the bottom, where
// they are turned to read upright for someone in front of the insert. A bend
// too tight for letters (a corner) ends a stretch and carries none.
class LMFrameTextRow {
public:
    // A stretch of the row, in reading order.
    class Stretch {
    public:
        qreal length() const { return m_lengths.isEmpty() ? 0 : m_lengths.last(); }
        // Whether it reads with its tops towards the window (along the bottom).
        bool turned() const { return m_turned; }
        // Whether it runs all round the outline, so its end meets its start.
        bool closed() const { return m_closed; }
        // Glyph space at `x` along the stretch: the origin on the row's middle,
        // x along the reading direction, y down the letters.
        QTransform placeAt(qreal x) const;

    private:
        friend class LMFrameTextRow;
        QList<QPointF> m_points;
        QList<QPointF> m_ups; // unit vectors towards the letters' tops
        QList<qreal> m_lengths;
        bool m_turned = false;
        bool m_closed = false;
    };

    // Lengths along a stretch are measured on the letters' tighter side, heads
    // or feet, for letters `height` tall; a turn of more than 60 degrees
    // within that height is a corner.
    static QList<Stretch> stretches(const QPainterPath &outline, qreal depth, qreal height);
};
