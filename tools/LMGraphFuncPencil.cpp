#include "tools/LMGraphFuncPencil.h"

#include "canvas/LMGraphView.h"

#include <QPainter>

QPen LMGraphFuncPencil::pen() const
{
    return QPen(QBrush(colour, Qt::SolidPattern), width, Qt::SolidLine, Qt::SquareCap,
                Qt::BevelJoin);
}

void LMGraphFuncPencil::paintPreview(QPainter *painter, LMGraphView *)
{
    painter->save();
    painter->setPen(pen());
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(path);
    painter->restore();
}

bool LMGraphFuncPencil::commit(QPainter *painter, LMGraphView *view)
{
    if (path.elementCount() < 2)
        return false;
    painter->setTransform(view->transform(3));
    painter->save();
    painter->setPen(pen());
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(path);
    painter->restore();
    return true;
}
