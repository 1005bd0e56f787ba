#pragma once

#include "tools/LMGraphFuncShape.h"

#include <QPainter>

// Shape item: the ellipse inscribed in the frame.
class LMGraphFuncEllipse : public LMGraphFuncShape {
public:
    void drawItem(QPainter *painter, const QRect &rect, LMGraphView *) override
    {
        painter->drawEllipse(rect);
    }
};
