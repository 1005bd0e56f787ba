#pragma once

#include "tools/frame/LMGraphFuncShape.h"

#include <QPainter>

// Shape item: a diamond touching the middle of each side.
class LMGraphFuncRhombus : public LMGraphFuncShape {
public:
    void drawItem(QPainter *painter, const QRect &rect, LMToolEnvironment *) override
    {
        const int cx = (rect.left() + rect.right()) / 2, cy = (rect.top() + rect.bottom()) / 2;
        const QPoint corners[] = {
            {rect.left(), cy}, {cx, rect.top()}, {rect.right(), cy}, {cx, rect.bottom()}};
        painter->drawPolygon(corners, 4, Qt::OddEvenFill);
    }
};
