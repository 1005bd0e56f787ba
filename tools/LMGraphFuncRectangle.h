#pragma once

#include "tools/LMGraphFuncShape.h"

#include <QPainter>

// Shape item: the rectangle itself.
class LMGraphFuncRectangle : public LMGraphFuncShape {
public:
    void drawItem(QPainter *painter, const QRect &rect, LMGraphView *) override
    {
        painter->drawRect(rect);
    }
};
