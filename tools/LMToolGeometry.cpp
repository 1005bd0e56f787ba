#include "tools/LMToolGeometry.h"

#include <cmath>

namespace LMToolGeometry {

namespace {
double wholeDistance(const QPoint &a, const QPoint &b)
{
    const qint64 dx = a.x() - b.x();
    const qint64 dy = a.y() - b.y();
    return double(qint64(std::sqrt(double(dx * dx + dy * dy))));
}
} // namespace

double segmentDistance(const QPoint &p1, const QPoint &p2, const QPoint &p)
{
    const double a = wholeDistance(p1, p);
    const double b = wholeDistance(p2, p);
    const double L = wholeDistance(p1, p2);
    if (a < 0.0001 || b < 0.00001)
        return 0.0;
    if (L < 0.00001)
        return a;
    if (a * a - b * b - L * L > 0.0001) // obtuse at p2
        return b;
    if (b * b - a * a - L * L > 0.0001) // obtuse at p1
        return a;
    // Height on L by Heron's formula. Truncated sides can miss the triangle
    // inequality for a point on the segment; that is a flat triangle, height 0.
    const double s = (a + b + L) * 0.5;
    const double square = s * (s - a) * (s - b) * (s - L);
    return 2.0 * std::sqrt(square > 0.0 ? square : 0.0) / L;
}

Qt::CursorShape cursorForHandle(int role, int angle)
{
    int base;
    switch (role) {
    case 20: // top middle
    case 24: // bottom middle
    case 32: // line start
    case 64: // line end
        base = 90;
        break;
    case 17: // left middle
    case 18: // right middle
        base = 0;
        break;
    case 6: // top-right
    case 9: // bottom-left
        base = 135;
        break;
    case 5:  // top-left
    case 10: // bottom-right
        base = 45;
        break;
    default:
        return Qt::BlankCursor;
    }
    int a = base + angle;
    while (a > 179)
        a -= 180;
    while (a < 0)
        a += 180;
    if (a >= 23 && a <= 157) {
        if (a >= 69 && a <= 111)
            return Qt::SizeVerCursor;
        return a <= 89 ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    return Qt::SizeHorCursor;
}

} // namespace LMToolGeometry
