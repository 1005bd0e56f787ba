#pragma once

#include "tools/frame/LMGraphFuncShape.h"

#include <QPainter>

// Shape item: the ellipse inscribed in the frame.
class LMGraphFuncEllipse : public LMGraphFuncShape {
public:
    void drawItem(QPainter *painter, const QRect &rect, LMToolEnvironment *) override
    {
        painter->drawEllipse(rect);
    }
};
