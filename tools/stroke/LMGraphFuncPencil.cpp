#include "tools/stroke/LMGraphFuncPencil.h"

#include "tools/LMToolEnvironment.h"

#include <QPainter>

QPen LMGraphFuncPencil::pen() const
{
    return QPen(QBrush(colour, Qt::SolidPattern), width, Qt::SolidLine, Qt::SquareCap,
                Qt::BevelJoin);
}

void LMGraphFuncPencil::paintPreview(QPainter *painter, LMToolEnvironment *)
{
    painter->save();
    painter->setPen(pen());
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(path);
    painter->restore();
}

bool LMGraphFuncPencil::commit(QPainter *painter, LMToolEnvironment *view)
{
    if (path.elementCount() < 2)
        return false;
    painter->setTransform(view->transform(Matrix::WidgetToDoc));
    painter->save();
    painter->setPen(pen());
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(path);
    painter->restore();
    return true;
}
