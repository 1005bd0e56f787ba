#include "model/frame/LMStripGeometry.h"

QRect LMStripGeometry::sheetArea(const QSize &page, bool landscape, const QRect &printable)
{
    if (landscape)
        return printable;
    // The sheet is the page turned a quarter: page row y is sheet column
    // H - 1 - y, page column x is sheet row x. Each edge keeps its margin.
    const int h = page.height();
    return QRect(QPoint(h - 1 - printable.bottom(), printable.left()),
                 QPoint(h - 1 - printable.top(), printable.right()));
}

QList<int> LMStripGeometry::bandTops(const QRect &area) const
{
    QList<int> tops;
    const int h = bandHeight();
    for (int y = area.top() + 3; y < area.bottom() - 3 - h; y += h + BandGap)
        tops << y;
    return tops;
}

QList<int> LMStripGeometry::separators(int top) const
{
    QList<int> lines;
    const int s = sides ? sideHeight() : 0;
    const int end = top + bandHeight() - s;
    for (int y = top + s + stripWidth(); y < end; y += stripWidth())
        lines << y;
    return lines;
}

QList<int> LMStripGeometry::sideLines(int top) const
{
    if (!sides)
        return {};
    return {top + sideHeight(), top + bandHeight() - sideHeight()};
}

QList<int> LMStripGeometry::stripCentres(int top) const
{
    QList<int> centres;
    const double step = rowPitch(), base = firstRow();
    const double offset = sides ? sideHeight() : 0;
    for (int i = 0; i < count; ++i)
        centres << int(step * i + offset + base + top);
    return centres;
}
