#pragma once

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QSizeF>

#include <array>

// Several inserts on one sheet of paper: as many as fit inside the sheet's
// margins, each at its exact size, with room between them for the crop marks
// that show where to cut. All lengths are millimetres on the sheet, portrait.
namespace LMSheetLayout {

// Between neighbouring inserts: the marks of both stand in it without
// touching either insert.
constexpr double GapMm = 6.0;
// A mark starts this far from its corner, so a cut on the line leaves no trace
// of it on the insert, and stops at half the gap.
constexpr double MarkOffsetMm = 1.0;
constexpr double MarkLengthMm = GapMm / 2 - MarkOffsetMm;
constexpr double MarkWidthMm = 0.1;

struct Layout {
    QSizeF sheet;
    QSizeF insert; // as designed, upright
    // Every place holds the insert turned a quarter clockwise: more fit so.
    bool turned = false;
    int columns = 0;
    int rows = 0;
    // Row by row, left to right; each is the insert's footprint on the sheet
    // (its sides exchanged when turned). Empty when not one insert fits.
    QList<QRectF> places;
};

// `margins` top, left, bottom, right. The block of places is centred in the
// space the margins leave. Turned only when that places strictly more.
Layout layOut(const QSizeF &sheet, const QSizeF &insert, const std::array<double, 4> &margins);

// Two short lines at each corner of `place`, along its edges and outside it.
QList<QLineF> cropMarks(const QRectF &place);

} // namespace LMSheetLayout
