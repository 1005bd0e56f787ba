#include "tools/text/LMGraphFuncText.h"

#include "app/LMLogging.h"
#include "tools/LMPoint.h"
#include "tools/text/LMTextLayout.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QPainter>

bool LMGraphFuncText::commit(QPainter *painter, LMToolCanvas *view)
{
    return !glyphs.isEmpty() && LMGraphFuncShape::commit(painter, view);
}

void LMGraphFuncText::drawItem(QPainter *painter, const QRect &, LMToolCanvas *)
{
    QElapsedTimer timer;
    timer.start();
    QPen edge(colour, width); // fractional below 100 %: the page gets the chosen width
    if (!stroke)
        edge.setStyle(Qt::NoPen);
    painter->save();
    painter->setPen(edge);
    painter->setBrush(QBrush(fillColour, Qt::SolidPattern));
    painter->setFont(font);
    const std::optional<QPoint> tl = handlePos(LMPoint::TopLeft),
                                br = handlePos(LMPoint::BottomRight);
    if (clipsToField() && tl && br)
        painter->setClipRect(QRect(*tl, *br), Qt::ReplaceClip);
    painter->drawPath(glyphs);
    painter->restore();
    qCDebug(lcTools) << "time of drawItem" << timer.elapsed();
}

void LMGraphFuncText::layoutText(bool grow)
{
    glyphs = QPainterPath();
    const std::optional<QPoint> tl = handlePos(LMPoint::TopLeft),
                                br = handlePos(LMPoint::BottomRight);
    if (!tl || !br)
        return;
    const int left = tl->x(), top = tl->y(), right = br->x();
    const QStringList lines = LMTextLayout::breakLines(text, font, right + 1 - left);
    const int lineHeight = QFontMetrics(font).height();
    const int needed = int(lines.size()) * lineHeight;
    if (grow && needed > br->y() + 1 - top) {
        const int bottom = top + needed - 1;
        handle(LMPoint::BottomRight)->y = bottom;
        handle(LMPoint::BottomLeft)->y = bottom;
        handle(LMPoint::TopRight)->x = right;
        const auto mid = [](int a, int b) { return qRound(0.5 * (a + b)); };
        handle(LMPoint::LeftMid)->setPos(QPoint(left, mid(top, bottom)));
        handle(LMPoint::TopMid)->setPos(QPoint(mid(left, right), top));
        handle(LMPoint::RightMid)->setPos(QPoint(right, mid(top, bottom)));
        handle(LMPoint::BottomMid)->setPos(QPoint(mid(left, right), bottom));
        invalidateMatrices();
    }
    glyphs = LMTextLayout::fieldGlyphs(lines, font, left, top);
}
