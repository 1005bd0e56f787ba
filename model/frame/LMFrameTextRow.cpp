#include "model/frame/LMFrameTextRow.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {
// Between two samples of the outline, in outline units.
constexpr qreal Spacing = 1.0;
// The direction at a sample is taken over this many samples either side:
// outlines are polygons, and letters follow the curve they stand for, not
// each corner of it.
constexpr int Reach = 8;
// A turn of more than this within a letter's height is a corner, which
// carries no letters.
constexpr qreal CornerTurn = M_PI / 3;
// Where the outline faces down by more than this, letters are turned to
// read from below; vertical sides keep their tops away from the window.
constexpr qreal FacingDown = 0.05;

qreal lengthOf(const QPointF &v)
{
    return std::hypot(v.x(), v.y());
}

QPointF unit(const QPointF &v)
{
    const qreal n = lengthOf(v);
    return n > 0 ? v / n : QPointF();
}

// A closed polygon walked in even steps of about `Spacing`.
QList<QPointF> resampled(const QPolygonF &polygon)
{
    QPolygonF closed = polygon;
    if (closed.size() > 1 && closed.first() == closed.last())
        closed.removeLast();
    const int corners = int(closed.size());
    qreal total = 0;
    for (int i = 0; i < corners; ++i)
        total += lengthOf(closed[(i + 1) % corners] - closed[i]);
    QList<QPointF> points;
    if (corners < 3 || total <= 3 * Spacing)
        return points;
    const int n = int(std::ceil(total / Spacing));
    const qreal step = total / n;
    points.reserve(n);
    qreal walked = 0; // length up to the current edge's start
    int edge = 0;
    for (int k = 0; k < n; ++k) {
        const qreal at = k * step;
        qreal edgeLength = lengthOf(closed[(edge + 1) % corners] - closed[edge]);
        while (walked + edgeLength < at && edge < corners - 1) {
            walked += edgeLength;
            ++edge;
            edgeLength = lengthOf(closed[(edge + 1) % corners] - closed[edge]);
        }
        const qreal f = edgeLength > 0 ? (at - walked) / edgeLength : 0;
        points.append(closed[edge] + f * (closed[(edge + 1) % corners] - closed[edge]));
    }
    return points;
}

// Each point the mean of its neighbours `reach` samples either way.
QList<QPointF> averaged(const QList<QPointF> &p, int reach)
{
    const int n = int(p.size());
    QList<QPointF> mean(n);
    QPointF sum;
    for (int k = -reach; k <= reach; ++k)
        sum += p[(k + n) % n];
    for (int i = 0; i < n; ++i) {
        mean[i] = sum / (2 * reach + 1);
        sum += p[(i + reach + 1) % n] - p[(i - reach + n) % n];
    }
    return mean;
}

// The stretches of one closed piece of the outline.
template <typename Make>
QList<LMFrameTextRow::Stretch> stretchesOfLoop(const QList<QPointF> &walk, qreal depth,
                                               qreal height, const Make &makeStretch)
{
    QList<LMFrameTextRow::Stretch> result;
    const int n = int(walk.size());
    if (n < 4 * Reach || n < 2 * height)
        return result;
    // Rows follow the outline's course, not every ripple of a scalloped edge.
    const QList<QPointF> p = averaged(walk, int(height / Spacing));
    qreal area = 0;
    for (int i = 0; i < n; ++i)
        area += p[i].x() * p[(i + 1) % n].y() - p[(i + 1) % n].x() * p[i].y();
    // On screen (y down), a positive area walks clockwise: outside is on the left.
    const bool clockwise = area > 0;

    QList<QPointF> tangent(n), up(n), row(n);
    for (int i = 0; i < n; ++i) {
        const QPointF t = unit(p[(i + Reach) % n] - p[(i + n - Reach) % n]);
        tangent[i] = t.isNull() && i > 0 ? tangent[i - 1] : t;
        const QPointF &d = tangent[i];
        up[i] = clockwise ? QPointF(d.y(), -d.x()) : QPointF(-d.y(), d.x());
        row[i] = p[i] - depth * up[i];
    }
    // How far letters advance from one sample to the next: the progress of
    // their tighter side, heads or feet, so that where the row bends the
    // letters keep their spacing there and spread on the other side. Where
    // the row folds back on itself, they do not advance at all.
    QList<qreal> step(n);
    QList<qreal> along(n + 1, 0), turn(n + 1, 0);
    for (int i = 0; i < n; ++i) {
        const int j = (i + 1) % n;
        qreal tightest = 1e300;
        for (const qreal side : {depth - height / 2, depth + height / 2}) {
            const QPointF a = p[i] - side * up[i], b = p[j] - side * up[j];
            tightest = qMin(tightest, QPointF::dotProduct(b - a, tangent[i]));
        }
        step[i] = qMax<qreal>(0, tightest);
        along[i + 1] = along[i] + step[i];
        const qreal cross = tangent[i].x() * tangent[j].y() - tangent[i].y() * tangent[j].x();
        turn[i + 1] = turn[i] + std::atan2(cross, QPointF::dotProduct(tangent[i], tangent[j]));
    }
    const qreal rowLength = along[n], turned = turn[n];
    if (rowLength <= 0)
        return result;
    // The same, continued a lap either way, so windows can reach round the start.
    const auto alongAt = [&](int k) {
        const int lap = (k >= 0 ? k / n : -((-k + n - 1) / n));
        return along[k - lap * n] + lap * rowLength;
    };
    const auto turnAt = [&](int k) {
        const int lap = (k >= 0 ? k / n : -((-k + n - 1) / n));
        return turn[k - lap * n] + lap * turned;
    };

    // -1 on a corner, 1 where letters are turned to read from below, else 0.
    QList<int> kind(n);
    int lo = -n, hi = -n;
    for (int i = 0; i < n; ++i) {
        const qreal s = alongAt(i);
        while (alongAt(lo) < s - height / 2)
            ++lo;
        while (hi < i + n && alongAt(hi + 1) <= s + height / 2)
            ++hi;
        const bool corner = std::abs(turnAt(hi) - turnAt(lo)) > CornerTurn;
        kind[i] = corner ? -1 : (up[i].y() > FacingDown ? 1 : 0);
    }

    int start = 0;
    while (start < n && kind[start] == kind[(start + n - 1) % n])
        ++start;
    const bool whole = start == n;
    if (whole && kind[0] < 0)
        return result;
    start %= n;
    for (int done = 0; done < n;) {
        const int first = (start + done) % n;
        int count = 1;
        while (done + count < n && kind[(first + count) % n] == kind[first])
            ++count;
        if (kind[first] >= 0) {
            QList<int> indices;
            for (int k = 0; k < count; ++k)
                indices << (first + k) % n;
            if (whole)
                indices << first; // round to the start again
            const bool isTurned = kind[first] == 1;
            // Reading runs with the walk where the tops face out on a
            // clockwise walk; turning the letters reverses it.
            if (clockwise == isTurned)
                std::reverse(indices.begin(), indices.end());
            result << makeStretch(indices, row, up, step, isTurned, whole);
        }
        done += count;
    }
    return result;
}
} // namespace

QTransform LMFrameTextRow::Stretch::placeAt(qreal x) const
{
    if (m_points.isEmpty())
        return {};
    const auto next = std::upper_bound(m_lengths.cbegin(), m_lengths.cend(), x);
    const int k = int(qBound<qsizetype>(1, next - m_lengths.cbegin(), m_lengths.size() - 1));
    const qreal span = m_lengths[k] - m_lengths[k - 1];
    const qreal f = span > 0 ? qBound<qreal>(0, (x - m_lengths[k - 1]) / span, 1) : 0;
    const QPointF at = m_points[k - 1] + f * (m_points[k] - m_points[k - 1]);
    const QPointF up = unit(m_ups[k - 1] + f * (m_ups[k] - m_ups[k - 1]));
    const QPointF reading(-up.y(), up.x());
    return QTransform(reading.x(), reading.y(), -up.x(), -up.y(), at.x(), at.y());
}

QList<LMFrameTextRow::Stretch> LMFrameTextRow::stretches(const QPainterPath &outline, qreal depth,
                                                         qreal height)
{
    const auto makeStretch = [](const QList<int> &indices, const QList<QPointF> &row,
                                const QList<QPointF> &up, const QList<qreal> &step, bool turned,
                                bool closed) {
        Stretch s;
        s.m_turned = turned;
        s.m_closed = closed;
        const int n = int(row.size());
        qreal length = 0;
        for (int k = 0; k < indices.size(); ++k) {
            const int i = indices[k];
            if (k > 0) {
                // A step is the same whichever way it is read.
                const int previous = indices[k - 1];
                length += step[(previous + 1) % n == i ? previous : i];
            }
            s.m_points << row[i];
            s.m_ups << (turned ? -up[i] : up[i]);
            s.m_lengths << length;
        }
        return s;
    };
    QList<Stretch> result;
    for (const QPolygonF &piece : outline.toSubpathPolygons())
        result << stretchesOfLoop(resampled(piece), depth, height, makeStretch);
    return result;
}
