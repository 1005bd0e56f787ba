#include "tools/frame/LMGraphFuncShape.h"

#include "tools/LMToolEnvironment.h"

#include <QPainter>

void LMGraphFuncShape::paintPreview(QPainter *painter, LMToolEnvironment *view)
{
    painter->save();
    painter->setTransform(GetMatrix(FrameToWidget));
    drawBody(painter, view);
    painter->restore();
    LMGraphFuncDashedLineRectangle::paintPreview(painter, view);
}

bool LMGraphFuncShape::commit(QPainter *painter, LMToolEnvironment *view)
{
    painter->save();
    // Frame to widget, then widget to document.
    painter->setTransform(GetMatrix(FrameToWidget) * view->transform(Matrix::WidgetToDoc));
    const bool drew = drawBody(painter, view);
    painter->restore();
    return drew;
}

bool LMGraphFuncShape::drawBody(QPainter *painter, LMToolEnvironment *view)
{
    const std::optional<QPoint> tl = handlePos(LMPoint::TopLeft),
                                br = handlePos(LMPoint::BottomRight);
    if (!tl || !br || *tl == *br)
        return false;
    painter->save();
    painter->setPen(
        QPen(QBrush(colour, Qt::SolidPattern), width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    if (filled)
        painter->setBrush(QBrush(fillColour, Qt::SolidPattern));
    else
        painter->setBrush(Qt::NoBrush);
    drawItem(painter, QRect(*tl, *br), view);
    painter->restore();
    return true;
}

void LMGraphFuncShape::drawItem(QPainter *, const QRect &, LMToolEnvironment *) {}
