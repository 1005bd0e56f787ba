#pragma once

#include "tools/frame/LMGraphFuncShape.h"

#include <QPainter>
#include <QPainterPath>

// Shape item: a rectangle with corners rounded 20 by 15 pixels.
class LMGraphFuncRoundRectangle : public LMGraphFuncShape {
public:
    void drawItem(QPainter *painter, const QRect &rect, LMToolEnvironment *) override
    {
        QPainterPath path;
        path.addRoundedRect(QRectF(rect.left(), rect.top(), rect.right() + 1 - rect.left(),
                                   rect.bottom() + 1 - rect.top()),
                            20.0, 15.0, Qt::AbsoluteSize);
        painter->drawPath(path);
    }
};
