#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

// Pages hold k x k physical pixels for each document pixel (k is their device
// pixel ratio); tests read them in document pixels, whatever their detail.
// Images written out carry no ratio, so they pass k themselves.

// The colour of document pixel (x, y): the middle of its k x k block.
inline QColor colourAt(const QImage &page, int x, int y, double k)
{
    return page.pixelColor(int((x + 0.5) * k), int((y + 0.5) * k));
}
inline QColor colourAt(const QImage &page, int x, int y)
{
    return colourAt(page, x, y, page.devicePixelRatio());
}

// The ink (1 for black, 0 for white) on the document pixels from `from` to
// `to`, along one row or one column, in document pixels: every physical pixel
// on the line through their middles counts, 1/k each, so thin or smoothed
// edges are weighed as they are drawn.
inline double inkAlong(const QImage &page, const QPoint &from, const QPoint &to)
{
    const double k = page.devicePixelRatio();
    const bool row = from.y() == to.y();
    const int across = int(((row ? from.y() : from.x()) + 0.5) * k);
    double ink = 0;
    for (int i = int((row ? from.x() : from.y()) * k); i < int(((row ? to.x() : to.y()) + 1) * k);
         ++i)
        ink += (255 - qGray(row ? page.pixel(i, across) : page.pixel(across, i))) / 255.0;
    return ink / k;
}

// The document pixels that physical pixels `physical` of a page of detail k lie on.
inline QRect documentRect(const QRect &physical, double k)
{
    if (physical.isEmpty())
        return {};
    return QRect(QPoint(int(physical.left() / k), int(physical.top() / k)),
                 QPoint(int(physical.right() / k), int(physical.bottom() / k)));
}
