#pragma once

#include "tools/frame/LMGraphFuncShape.h"

#include <QPainter>

// Shape item: a triangle with its right angle at the bottom-left.
class LMGraphFuncRightTriangle : public LMGraphFuncShape {
public:
    void drawItem(QPainter *painter, const QRect &rect, LMToolEnvironment *) override
    {
        const QPoint corners[] = {rect.topLeft(), rect.bottomLeft(), rect.bottomRight()};
        painter->drawPolygon(corners, 3);
    }
};
