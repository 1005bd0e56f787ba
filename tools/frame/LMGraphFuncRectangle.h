#pragma once

#include "tools/frame/LMGraphFuncShape.h"

#include <QPainter>

// Shape item: the rectangle itself.
class LMGraphFuncRectangle : public LMGraphFuncShape {
public:
    void drawItem(QPainter *painter, const QRect &rect, LMToolEnvironment *) override
    {
        painter->drawRect(rect);
    }
};
