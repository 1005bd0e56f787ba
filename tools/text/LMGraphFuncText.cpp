#include "tools/text/LMGraphFuncText.h"
#include "app/LMLogging.h"

#include "tools/LMPoint.h"
#include "tools/text/LMTextLayout.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QPainter>

void LMGraphFuncText::drawItem(QPainter *painter, const QRect &, LMToolCanvas *)
{
    QElapsedTimer timer;
    timer.start();
    QPen edge(colour, int(width));
    if (!stroke)
        edge.setStyle(Qt::NoPen);
    painter->save();
    painter->setPen(edge);
    painter->setBrush(QBrush(fillColour, Qt::SolidPattern));
    painter->setFont(font);
    const std::optional<QPoint> tl = handlePos(5), br = handlePos(10);
    if (clipsToField() && tl && br)
        painter->setClipRect(QRect(*tl, *br), Qt::ReplaceClip);
    painter->drawPath(glyphs);
    painter->restore();
    qCDebug(lcTools) << "time of drawItem" << timer.elapsed();
}

void LMGraphFuncText::layoutText(bool grow)
{
    glyphs = QPainterPath();
    const std::optional<QPoint> tl = handlePos(5), br = handlePos(10);
    if (!tl || !br)
        return;
    const int left = tl->x(), top = tl->y(), right = br->x();
    const QStringList lines = LMTextLayout::breakLines(text, font, right + 1 - left);
    const int lineHeight = QFontMetrics(font).height();
    const int needed = int(lines.size()) * lineHeight;
    if (grow && needed > br->y() + 1 - top) {
        const int bottom = top + needed - 1;
        handle(10)->y = bottom;
        handle(9)->y = bottom;
        handle(6)->x = right;
        const auto mid = [](int a, int b) { return qRound(0.5 * (a + b)); };
        handle(17)->setPos(QPoint(left, mid(top, bottom)));
        handle(20)->setPos(QPoint(mid(left, right), top));
        handle(18)->setPos(QPoint(right, mid(top, bottom)));
        handle(24)->setPos(QPoint(mid(left, right), bottom));
        invalidateMatrices();
    }
    glyphs = LMTextLayout::fieldGlyphs(lines, font, left, top);
}
