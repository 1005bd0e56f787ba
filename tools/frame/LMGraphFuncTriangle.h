#pragma once

#include "tools/frame/LMGraphFuncShape.h"

#include <QPainter>

// Shape item: a triangle with its apex in the middle of the top side.
class LMGraphFuncTriangle : public LMGraphFuncShape {
public:
    void drawItem(QPainter *painter, const QRect &rect, LMToolEnvironment *) override
    {
        const QPoint corners[] = {{rect.left(), rect.bottom()},
                                  {rect.right(), rect.bottom()},
                                  {(rect.left() + rect.right()) / 2, rect.top()}};
        painter->drawPolygon(corners, 3);
    }
};
