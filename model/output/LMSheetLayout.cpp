#include "model/output/LMSheetLayout.h"

#include <cmath>

namespace LMSheetLayout {

namespace {
// How many of `size` fit in `room` with a gap between neighbours. A hair of
// tolerance, so a sheet exactly twice an insert holds two.
int fitting(double room, double size)
{
    if (size <= 0 || room < size)
        return 0;
    return int(std::floor((room + GapMm) / (size + GapMm) + 1e-9));
}
} // namespace

Layout layOut(const QSizeF &sheet, const QSizeF &insert, const std::array<double, 4> &margins)
{
    Layout layout;
    layout.sheet = sheet;
    layout.insert = insert;
    const QRectF room(margins[1], margins[0], sheet.width() - margins[1] - margins[3],
                      sheet.height() - margins[0] - margins[2]);
    if (room.width() <= 0 || room.height() <= 0)
        return layout;
    const int upright =
        fitting(room.width(), insert.width()) * fitting(room.height(), insert.height());
    const int turned =
        fitting(room.width(), insert.height()) * fitting(room.height(), insert.width());
    layout.turned = turned > upright;
    const QSizeF footprint = layout.turned ? insert.transposed() : insert;
    layout.columns = fitting(room.width(), footprint.width());
    layout.rows = fitting(room.height(), footprint.height());
    if (layout.columns == 0 || layout.rows == 0) {
        layout.columns = layout.rows = 0;
        return layout;
    }
    const QSizeF block(layout.columns * footprint.width() + (layout.columns - 1) * GapMm,
                       layout.rows * footprint.height() + (layout.rows - 1) * GapMm);
    const QPointF corner = room.center() - QPointF(block.width() / 2, block.height() / 2);
    for (int row = 0; row < layout.rows; ++row)
        for (int column = 0; column < layout.columns; ++column)
            layout.places << QRectF(corner + QPointF(column * (footprint.width() + GapMm),
                                                     row * (footprint.height() + GapMm)),
                                    footprint);
    return layout;
}

QList<QLineF> cropMarks(const QRectF &place)
{
    QList<QLineF> marks;
    const double near = MarkOffsetMm, far = MarkOffsetMm + MarkLengthMm;
    for (const QPointF &corner :
         {place.topLeft(), place.topRight(), place.bottomLeft(), place.bottomRight()}) {
        // Outward from the corner: left of a left edge, above a top edge.
        const double sx = corner.x() == place.left() ? -1 : 1;
        const double sy = corner.y() == place.top() ? -1 : 1;
        marks << QLineF(corner + QPointF(sx * near, 0), corner + QPointF(sx * far, 0));
        marks << QLineF(corner + QPointF(0, sy * near), corner + QPointF(0, sy * far));
    }
    return marks;
}

} // namespace LMSheetLayout
