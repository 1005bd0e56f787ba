#include "tools/stroke/LMGraphFuncLine.h"

#include "tools/LMPoint.h"
#include "tools/LMToolEnvironment.h"

#include <QPainter>

LMGraphFuncLine::~LMGraphFuncLine()
{
    qDeleteAll(points);
}

bool LMGraphFuncLine::isDrawable() const
{
    return points.size() == 2 && points[0]->pos() != points[1]->pos();
}

QPen LMGraphFuncLine::pen() const
{
    return QPen(QBrush(colour, Qt::SolidPattern), width, Qt::SolidLine, Qt::SquareCap,
                Qt::BevelJoin);
}

void LMGraphFuncLine::paintPreview(QPainter *painter, LMToolEnvironment *)
{
    if (!isDrawable())
        return;
    painter->save();
    painter->setPen(pen());
    painter->drawLine(points[0]->pos(), points[1]->pos());
    painter->restore();
    for (const LMPoint *p : std::as_const(points))
        p->paint(painter);
}

bool LMGraphFuncLine::commit(QPainter *painter, LMToolEnvironment *view)
{
    if (!isDrawable())
        return false;
    // Widget pixels land on document pixels: p / zoom - (20, 25).
    painter->setTransform(view->transform(Matrix::WidgetToDoc));
    painter->save();
    painter->setPen(pen());
    painter->drawLine(points[0]->pos(), points[1]->pos());
    painter->restore();
    return true;
}
