#include "tools/stroke/LMGraphFuncEraser.h"

#include "tools/LMToolCanvas.h"

#include <QPainter>
#include <QPolygon>

namespace {
// Twice the signed area; its sign is the polygon's orientation.
qint64 doubledArea(const QPolygon &p)
{
    qint64 sum = 0;
    for (int i = 0; i < p.size(); ++i) {
        const QPoint &a = p[i];
        const QPoint &b = p[(i + 1) % p.size()];
        sum += qint64(a.x()) * b.y() - qint64(b.x()) * a.y();
    }
    return sum;
}

QPolygon squareAt(const QPoint &p, int h, int side)
{
    const QRect square(p.x() - h, p.y() - h, side, side);
    return QPolygon(square, false);
}
} // namespace

void LMGraphFuncEraser::addPiece(const QPolygon &piece)
{
    if (piece.size() < 3)
        return;
    const qint64 area = doubledArea(piece);
    if (area == 0)
        return; // a flat band adds nothing
    QPolygon oriented = piece;
    if (area < 0)
        std::reverse(oriented.begin(), oriented.end());
    region.addPolygon(QPolygonF(oriented));
    region.closeSubpath();
}

void LMGraphFuncEraser::pressAt(const QPoint &p)
{
    const int h = int(width * 0.5);
    const int side = int(width);
    last = p;
    start = p;
    region = QPainterPath();
    region.setFillRule(Qt::WindingFill);
    addPiece(squareAt(p, h, side));
}

void LMGraphFuncEraser::sweepTo(const QPoint &p)
{
    if (region.isEmpty()) {
        pressAt(p); // no press seen: start here rather than sweep from nowhere
        return;
    }
    const int h = int(width * 0.5);
    const int side = int(width);
    const QPoint q = last;
    const QPolygon a({QPoint(q.x() - h, q.y() + h), QPoint(p.x() - h, p.y() + h),
                      QPoint(p.x() + h, p.y() - h), QPoint(q.x() + h, q.y() - h)});
    const QPolygon b({QPoint(q.x() - h, q.y() - h), QPoint(p.x() - h, p.y() - h),
                      QPoint(p.x() + h, p.y() + h), QPoint(q.x() + h, q.y() + h)});
    addPiece(squareAt(p, h, side));
    addPiece(a);
    addPiece(b);
    last = p;
}

void LMGraphFuncEraser::paintPreview(QPainter *painter, LMToolCanvas *)
{
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(QBrush(Qt::white, Qt::SolidPattern));
    painter->drawPath(region);
    painter->restore();
}

bool LMGraphFuncEraser::commit(QPainter *painter, LMToolCanvas *view)
{
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setBrush(QBrush(Qt::white, Qt::SolidPattern));
    painter->setTransform(view->transform(Matrix::WidgetToDoc));
    painter->drawPath(region);
    painter->restore();
    return !region.isEmpty();
}
