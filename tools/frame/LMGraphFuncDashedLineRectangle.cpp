#include "tools/frame/LMGraphFuncDashedLineRectangle.h"

#include "base/LMLogging.h"
#include "tools/LMPoint.h"

#include <QPainter>

LMGraphFuncDashedLineRectangle::~LMGraphFuncDashedLineRectangle()
{
    deleteHandles();
}

void LMGraphFuncDashedLineRectangle::deleteHandles()
{
    qDeleteAll(handles);
    handles.clear();
    grabbed = nullptr;
}

void LMGraphFuncDashedLineRectangle::createHandles(const std::array<QPoint, 8> &positions)
{
    deleteHandles();
    for (int i = 0; i < 8; ++i)
        handles << new LMPoint(positions[i], RestRoles[i]);
    invalidateMatrices();
}

const QTransform &LMGraphFuncDashedLineRectangle::GetMatrix(FrameMatrix index)
{
    static const QTransform identity;
    if (index < 0 || index > 3)
        return identity;
    if (matrixValid & (1u << index))
        return matrices[index];
    QTransform m;
    switch (index) {
    case Rotation:
        m.rotate(angle);
        break;
    case RotationInverse:
        m = GetMatrix(Rotation).inverted();
        break;
    case FrameToWidget:
        if (handle(LMPoint::TopLeft) && handle(LMPoint::BottomRight)) {
            m = GetMatrix(Rotation) * QTransform::fromTranslate(centreX, centreY);
        } else {
            qCDebug(lcTools) << "LMGraphFuncDashedLineRectangle GetMatrix Error";
        }
        break;
    case WidgetToFrame:
        m = GetMatrix(FrameToWidget).inverted();
        break;
    }
    matrices[index] = m;
    matrixValid |= 1u << index;
    return matrices[index];
}

LMPoint *LMGraphFuncDashedLineRectangle::handle(quint16 role) const
{
    for (LMPoint *h : handles) {
        if (h->id == role)
            return h;
    }
    return nullptr;
}

std::optional<QPoint> LMGraphFuncDashedLineRectangle::handlePos(quint16 role) const
{
    if (const LMPoint *h = handle(role))
        return h->pos();
    return std::nullopt;
}

void LMGraphFuncDashedLineRectangle::updateMidHandles()
{
    if (handles.size() < 8)
        return;
    const QPoint p0 = handles[TopLeft]->pos(), p2 = handles[TopRight]->pos();
    const QPoint p4 = handles[BottomRight]->pos(), p6 = handles[BottomLeft]->pos();
    handles[TopMid]->setPos(QPoint((p0.x() + p2.x()) / 2, p0.y()));
    handles[BottomMid]->setPos(QPoint((p4.x() + p6.x()) / 2, p4.y()));
    handles[RightMid]->setPos(QPoint(p2.x(), (p2.y() + p4.y()) / 2));
    handles[LeftMid]->setPos(QPoint(p0.x(), (p6.y() + p0.y()) / 2));
}

void LMGraphFuncDashedLineRectangle::clampInto(const QRect &r)
{
    for (LMPoint *h : std::as_const(handles)) {
        const int wx = h->x + centreX;
        if (wx < r.left())
            h->x = r.left() - centreX;
        if (r.right() <= wx)
            h->x = r.right() - centreX;
        const int wy = h->y + centreY;
        if (wy < r.top())
            h->y = r.top() - centreY;
        if (r.bottom() <= wy)
            h->y = r.bottom() - centreY;
    }
    updateMidHandles();
    invalidateMatrices();
}

bool LMGraphFuncDashedLineRectangle::contains(const QPoint &p) const
{
    return withinBand(p, 0);
}

bool LMGraphFuncDashedLineRectangle::withinBand(const QPoint &p, int band) const
{
    const std::optional<QPoint> tl = handlePos(LMPoint::TopLeft),
                                br = handlePos(LMPoint::BottomRight);
    if (!tl || !br)
        return false;
    return tl->x() - band <= p.x() && p.x() <= br->x() + band && tl->y() - band <= p.y() &&
           p.y() <= br->y() + band;
}

void LMGraphFuncDashedLineRectangle::paintPreview(QPainter *painter, LMToolEnvironment *)
{
    const std::optional<QPoint> tl = handlePos(LMPoint::TopLeft),
                                br = handlePos(LMPoint::BottomRight);
    if (!tl || !br)
        return;
    painter->save();
    painter->setTransform(GetMatrix(FrameToWidget));
    QPen dashes(Qt::white);
    dashes.setStyle(Qt::DashLine);
    painter->setPen(dashes);
    painter->setBrush(Qt::NoBrush);
    // The dashes invert what lies under them, so they show on any picture.
    painter->setCompositionMode(QPainter::CompositionMode_Difference);
    painter->drawRect(QRect(*tl, *br));
    painter->restore();

    painter->save();
    painter->setBrush(QBrush(Qt::white, Qt::SolidPattern));
    painter->setRenderHint(QPainter::Antialiasing, false);
    const QTransform &toWidget = GetMatrix(FrameToWidget);
    for (const LMPoint *h : std::as_const(handles)) {
        const QPoint w = toWidget.map(h->pos());
        painter->drawRect(QRect(QPoint(w.x() - 3, w.y() - 3), QPoint(w.x() + 2, w.y() + 2)));
    }
    painter->restore();
}

bool LMGraphFuncDashedLineRectangle::commit(QPainter *, LMToolEnvironment *)
{
    return false;
}
