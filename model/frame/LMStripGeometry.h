#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// The measures of the foam strips, in document pixels (3 per millimetre):
// a thick strip is 12 mm wide with 9 mm sides, a thin one 4 mm with 4 mm
// sides. The strip sheet's bands and the rows of text along the frame are
// laid out from these.
struct LMStripGeometry {
    static constexpr int BandGap = 15; // between two bands on the sheet

    bool thin = false;
    int count = 1;      // strips per band
    bool sides = false; // the strips' sides are part of each band

    int stripWidth() const { return thin ? 12 : 36; }
    int sideHeight() const { return thin ? 12 : 27; }
    // Text along the frame: the distance between rows and the first row's
    // distance from the outline.
    double rowPitch() const { return thin ? 12.0 : 36.0; }
    double firstRow() const { return thin ? 6.0 : 18.0; }

    int bandHeight() const { return count * stripWidth() + (sides ? 2 * sideHeight() : 0); }
    int bandPitch() const { return bandHeight() + BandGap; }

    // Where the bands go, in sheet coordinates: on a landscape page the page
    // itself; on a portrait page turned a quarter, so bands run along the
    // long side. `printable` is the page inside its margins (inclusive).
    static QRect sheetArea(const QSize &page, bool landscape, const QRect &printable);
    // The top of each band that fits in `area`.
    QList<int> bandTops(const QRect &area) const;
    // The cut lines across a band starting at `top`: between the strips, and
    // where the sides meet the strips.
    QList<int> separators(int top) const;
    QList<int> sideLines(int top) const;
    // The centre line of each strip in the band starting at `top`.
    QList<int> stripCentres(int top) const;
};
