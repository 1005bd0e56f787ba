#include "tools/frame/LMScreenMsgHandlerDashedLineRectangle.h"

#include "base/LMUnits.h"
#include "model/LMDesign.h"

#include "tools/LMPoint.h"
#include "tools/LMToolGeometry.h"
#include "tools/frame/LMGraphFuncDashedLineRectangle.h"
#include "tools/stroke/LMScreenMsgHandlerLineSetting.h"

#include <QPainterPath>
#include <QPixmap>

#include <cmath>

LMScreenMsgHandlerDashedLineRectangle::LMScreenMsgHandlerDashedLineRectangle(
    LMToolEnvironment *view, bool allowRotate)
    : LMScreenMsgHandlerInf(view), m_allowRotate(allowRotate)
{
}

QCursor LMScreenMsgHandlerDashedLineRectangle::rotationCursor()
{
    const QPixmap arrow(QStringLiteral(":/images/arrow_rotate.png"));
    return QCursor(arrow, arrow.width() / 2, arrow.height() / 2);
}

LMGraphFuncDashedLineRectangle *LMScreenMsgHandlerDashedLineRectangle::currentItem()
{
    return currentItemOf<LMGraphFuncDashedLineRectangle>([this] {
        auto *frame = new LMGraphFuncDashedLineRectangle;
        frame->width = m_width * view()->zoom();
        frame->colour = m_colour;
        return frame;
    });
}

LMGraphFuncDashedLineRectangle *
LMScreenMsgHandlerDashedLineRectangle::itemForPress(const QPoint &pos)
{
    LMGraphFuncDashedLineRectangle *item = currentItem();
    if (item->handles.isEmpty()) {
        item->createHandles({});
        item->centreX = pos.x();
        item->centreY = pos.y();
        item->grabbed = item->handles[LMGraphFuncDashedLineRectangle::BottomRight];
        item->invalidateMatrices();
    }
    return item;
}

void LMScreenMsgHandlerDashedLineRectangle::dragDelta(const QPoint &pos,
                                                      LMGraphFuncDashedLineRectangle *,
                                                      QPoint *delta)
{
    *delta = pos - m_pressPos;
}

void LMScreenMsgHandlerDashedLineRectangle::rememberFrame(
    const LMGraphFuncDashedLineRectangle *item)
{
    m_atPress.taken = item->hasHandles();
    if (!m_atPress.taken)
        return;
    for (int i = 0; i < 8; ++i) {
        m_atPress.positions[size_t(i)] = item->handles[i]->pos();
        m_atPress.roles[size_t(i)] = item->handles[i]->id;
    }
    m_atPress.centre = QPoint(item->centreX, item->centreY);
}

void LMScreenMsgHandlerDashedLineRectangle::restoreFrame(LMGraphFuncDashedLineRectangle *item) const
{
    if (!m_atPress.taken || !item->hasHandles())
        return;
    for (int i = 0; i < 8; ++i) {
        item->handles[i]->setPos(m_atPress.positions[size_t(i)]);
        item->handles[i]->id = m_atPress.roles[size_t(i)];
    }
    item->centreX = m_atPress.centre.x();
    item->centreY = m_atPress.centre.y();
    item->invalidateMatrices();
}

void LMScreenMsgHandlerDashedLineRectangle::onActivate()
{
    view()->setCursor(m_defaultCursor);
}

void LMScreenMsgHandlerDashedLineRectangle::onDeactivate()
{
    view()->setReadout(QString(), QPoint());
    view()->apply();
    view()->update();
}

void LMScreenMsgHandlerDashedLineRectangle::onKeyPress(int key, const QString &)
{
    QPoint step;
    switch (key) {
    case Qt::Key_Left:
        step = QPoint(-1, 0);
        break;
    case Qt::Key_Right:
        step = QPoint(1, 0);
        break;
    case Qt::Key_Up:
        step = QPoint(0, -1);
        break;
    case Qt::Key_Down:
        step = QPoint(0, 1);
        break;
    default:
        return;
    }
    LMGraphFuncDashedLineRectangle *item = currentItem();
    if (!item->hasHandles())
        return;
    const int pixels = (view()->keyModifiers() & Qt::ShiftModifier) ? 10 : 1;
    // Frames live in widget pixels: at a zoom below 100 % a step is one of those.
    const int distance = qMax(1, qRound(pixels * view()->zoom()));
    item->centreX += step.x() * distance;
    item->centreY += step.y() * distance;
    item->invalidateMatrices();
    view()->update();
}

void LMScreenMsgHandlerDashedLineRectangle::onMouseMove(const QPoint &pos, const QPoint &)
{
    if (!m_pressed) {
        // Hover: the cursor tells what a press here would do.
        LMGraphFuncDashedLineRectangle *item = currentItem();
        const QPoint p = item->GetMatrix(LMGraphFuncDashedLineRectangle::WidgetToFrame).map(pos);
        for (const LMPoint *h : std::as_const(item->handles)) {
            if (h->hitTest(p)) {
                view()->setCursor(LMToolGeometry::cursorForHandle(h->id, item->angle));
                view()->update();
                return;
            }
        }
        if (item->contains(p))
            view()->setCursor(Qt::SizeAllCursor);
        else if (m_allowRotate && item->withinBand(p, RotationBand))
            view()->setCursor(rotationCursor());
        else
            view()->setCursor(m_defaultCursor);
        view()->update();
        return;
    }

    // A new frame starts where the button went down, not where the pointer
    // first moved to.
    LMGraphFuncDashedLineRectangle *item = itemForPress(m_pressPos);
    if (!m_atPress.taken)
        rememberFrame(item);
    restoreFrame(item);
    QPoint delta;
    dragDelta(pos, item, &delta);
    QPoint d = item->GetMatrix(LMGraphFuncDashedLineRectangle::RotationInverse)
                   .map(delta); // the offset in the frame's own axes, rounded once

    if (!item->grabbed && !m_rotating) {
        item->centreX += delta.x();
        item->centreY += delta.y();
    } else if (!item->grabbed && m_rotating) {
        const double vx = pos.x() - item->centreX, vy = pos.y() - item->centreY;
        double diff =
            std::atan2(vx, vy) - std::atan2(double(m_pressVector.x()), double(m_pressVector.y()));
        while (std::fabs(diff) > M_PI)
            diff += diff > 0 ? -2 * M_PI : 2 * M_PI;
        int angle = int(diff * 180.0 / -M_PI + m_pressAngle);
        while (angle < 0)
            angle += 360;
        while (angle > 359)
            angle -= 360;
        item->angle = angle;
    } else {
        LMPoint *h = item->grabbed;
        view()->setCursor(LMToolGeometry::cursorForHandle(h->id, item->angle));
        const quint16 sides = LMPoint::Left | LMPoint::Right;
        if (!(h->id & LMPoint::MidEdge) && keepsProportions(item) &&
            !(view()->keyModifiers() & Qt::ShiftModifier))
            d = alongDiagonal(item, h, d);
        if (h->id & LMPoint::MidEdge) {
            if (!(h->id & sides))
                d.setX(0); // top and bottom middles move vertically only
            else
                d.setY(0);
        }
        for (LMPoint *q : std::as_const(item->handles)) {
            if (q == h || (q->id & LMPoint::MidEdge))
                continue;
            const quint16 shared = q->id & h->id;
            if (!shared)
                continue;
            q->moveBy((shared & sides) ? QPoint(d.x(), 0) : QPoint(0, d.y()));
        }
        h->moveBy(d);
        item->updateMidHandles();
    }
    relabelHandles(item);
    item->invalidateMatrices();
    showReadout(item, pos);
    view()->update();
}

void LMScreenMsgHandlerDashedLineRectangle::showReadout(LMGraphFuncDashedLineRectangle *item,
                                                        const QPoint &pointer)
{
    const std::optional<QPoint> tl = item->handlePos(LMPoint::TopLeft),
                                br = item->handlePos(LMPoint::BottomRight);
    if (!tl || !br)
        return;
    // Its corners are its first and last pixel: the size counts both.
    const QTransform toPage = item->GetMatrix(LMGraphFuncDashedLineRectangle::FrameToWidget) *
                              view()->transform(Matrix::WidgetToDoc);
    const QPointF corner = toPage.map(QPointF(*tl));
    const double perMm = LMUnits::PixelsPerMm * view()->zoom();
    const double wide = (br->x() - tl->x() + 1) / perMm, high = (br->y() - tl->y() + 1) / perMm;
    const QPointF at = corner / LMUnits::PixelsPerMm;
    view()->setReadout(tr("x %1  y %2   %3 × %4 %5")
                           .arg(LMUnits::number(at.x()), LMUnits::number(at.y()),
                                LMUnits::number(wide), LMUnits::number(high), LMUnits::unitName()),
                       pointer);
}

// The corner `h` moved by `d`, pulled onto the line through it and the
// opposite corner, so the frame keeps its proportions (and may flip past it).
QPoint LMScreenMsgHandlerDashedLineRectangle::alongDiagonal(LMGraphFuncDashedLineRectangle *item,
                                                           const LMPoint *h, const QPoint &d)
{
    const quint16 opposite = quint16((h->id & LMPoint::Left ? LMPoint::Right : LMPoint::Left) |
                                     (h->id & LMPoint::Top ? LMPoint::Bottom : LMPoint::Top));
    const std::optional<QPoint> far = item->handlePos(opposite);
    if (!far)
        return d;
    const QPointF diagonal = QPointF(h->pos() - *far);
    const double length2 = QPointF::dotProduct(diagonal, diagonal);
    if (length2 < 1)
        return d;
    const double s = QPointF::dotProduct(QPointF(h->pos() + d - *far), diagonal) / length2;
    return (QPointF(*far) + s * diagonal).toPoint() - h->pos();
}

void LMScreenMsgHandlerDashedLineRectangle::onMousePress(const QPoint &pos, const QPoint &)
{
    m_pressPos = pos;
    m_atPress.taken = false;
    LMGraphFuncDashedLineRectangle *item = itemForPress(pos);
    const QPoint p = item->GetMatrix(LMGraphFuncDashedLineRectangle::WidgetToFrame).map(pos);
    LMPoint *hit = nullptr;
    for (LMPoint *h : std::as_const(item->handles)) {
        if (h->hitTest(p)) {
            hit = h;
            break;
        }
    }
    if (hit) {
        item->grabbed = hit;
        m_pressed = true;
    } else if (item->contains(p)) {
        item->grabbed = nullptr;
        m_pressed = true;
    } else if (m_allowRotate && item->withinBand(p, RotationBand)) {
        item->grabbed = nullptr;
        m_rotating = true;
        m_pressVector = pos - QPoint(item->centreX, item->centreY);
        m_pressAngle = item->angle;
        m_pressed = true;
    } else if (m_applyOnOutsideClick) {
        // A press outside finishes the frame; the drag that follows opens a new one.
        m_pressed = true;
        view()->apply();
        view()->update();
        return;
    }
    rememberFrame(item);
    item->invalidateMatrices();
    view()->update();
}

void LMScreenMsgHandlerDashedLineRectangle::onMouseRelease(const QPoint &, const QPoint &)
{
    view()->setReadout(QString(), QPoint());
    m_pressed = false;
    m_rotating = false;
    LMGraphFuncDashedLineRectangle *item = currentItem();
    recentre(item);
    item->invalidateMatrices();
    view()->update();
    item->grabbed = nullptr;
}

void LMScreenMsgHandlerDashedLineRectangle::relabelHandles(LMGraphFuncDashedLineRectangle *item)
{
    if (item->handles.size() < 8)
        return;
    using F = LMGraphFuncDashedLineRectangle;
    const auto setSide = [item](std::initializer_list<int> positions, quint16 on, quint16 off) {
        for (int i : positions)
            item->handles[i]->id = quint16((item->handles[i]->id | on) & ~off);
    };
    const QVector<LMPoint *> &h = item->handles;
    if (h[F::TopLeft]->x <= h[F::TopRight]->x) {
        setSide({F::TopLeft, F::LeftMid, F::BottomLeft}, LMPoint::Left, LMPoint::Right);
        setSide({F::TopRight, F::RightMid, F::BottomRight}, LMPoint::Right, LMPoint::Left);
    } else {
        setSide({F::TopRight, F::RightMid, F::BottomRight}, LMPoint::Left, LMPoint::Right);
        setSide({F::TopLeft, F::LeftMid, F::BottomLeft}, LMPoint::Right, LMPoint::Left);
    }
    if (h[F::TopLeft]->y <= h[F::BottomLeft]->y) {
        setSide({F::TopLeft, F::TopMid, F::TopRight}, LMPoint::Top, LMPoint::Bottom);
        setSide({F::BottomRight, F::BottomMid, F::BottomLeft}, LMPoint::Bottom, LMPoint::Top);
    } else {
        setSide({F::BottomRight, F::BottomMid, F::BottomLeft}, LMPoint::Top, LMPoint::Bottom);
        setSide({F::TopLeft, F::TopMid, F::TopRight}, LMPoint::Bottom, LMPoint::Top);
    }
}

void LMScreenMsgHandlerDashedLineRectangle::recentre(LMGraphFuncDashedLineRectangle *item)
{
    const std::optional<QPoint> tl = item->handlePos(LMPoint::TopLeft),
                                br = item->handlePos(LMPoint::BottomRight);
    if (!tl || !br)
        return;
    const QPoint mid(qRound(0.5 * (tl->x() + br->x())), qRound(0.5 * (tl->y() + br->y())));
    for (LMPoint *h : std::as_const(item->handles))
        h->moveBy(-mid);
    const QPoint shift = item->GetMatrix(LMGraphFuncDashedLineRectangle::Rotation).map(mid);
    item->centreX += shift.x();
    item->centreY += shift.y();
    item->invalidateMatrices();
}

void LMScreenMsgHandlerDashedLineRectangle::setFrameRect(const QRect &r)
{
    LMGraphFuncDashedLineRectangle *item = currentItem();
    const double zoom = view()->zoom();
    const int halfW = qRound(0.5 * (r.right() + 1 - r.left()) * zoom);
    const int halfH = qRound(0.5 * (r.bottom() + 1 - r.top()) * zoom);
    item->createHandles({QPoint(-halfW, -halfH), QPoint(0, -halfH), QPoint(halfW, -halfH),
                         QPoint(halfW, 0), QPoint(halfW, halfH), QPoint(0, halfH),
                         QPoint(-halfW, halfH), QPoint(-halfW, 0)});
    const QPoint centre = view()
                              ->transform(Matrix::DocToWidget)
                              .map(QPoint((r.left() + r.right()) / 2, (r.top() + r.bottom()) / 2));
    item->centreX = centre.x();
    item->centreY = centre.y();
    item->grabbed = item->handles[LMGraphFuncDashedLineRectangle::BottomRight];
    item->angle = 0;
    item->invalidateMatrices();
    view()->update();
}

void LMScreenMsgHandlerDashedLineRectangle::setFrameSize(const QPoint &size,
                                                         LMGraphFuncDashedLineRectangle *item)
{
    LMPoint *tl = item->handle(LMPoint::TopLeft), *br = item->handle(LMPoint::BottomRight),
            *bl = item->handle(LMPoint::BottomLeft), *tr = item->handle(LMPoint::TopRight);
    if (!tl || !br || !bl || !tr)
        return;
    br->setPos(tl->pos() + size);
    bl->y = tl->y + size.y();
    tr->x = tl->x + size.x();
    item->updateMidHandles();
    item->invalidateMatrices();
}

QRect LMScreenMsgHandlerDashedLineRectangle::placeBlock(int w, int h,
                                                        LMGraphFuncDashedLineRectangle *item,
                                                        const QPoint &centre)
{
    LMPoint *tl = item->handle(LMPoint::TopLeft);
    if (w <= 0 || h <= 0 || !tl || !item->hasHandles())
        return QRect();
    const int pageW = view()->design().pageRect().width(),
              pageH = view()->design().pageRect().height();
    const QTransform &docToWidget = view()->transform(Matrix::DocToWidget);
    QRect onPage;
    if (w <= pageW && h <= pageH) {
        // The inverse of QRect::center(), so a place given comes back exactly.
        QPoint corner = centre - QPoint((w - 1) / 2, (h - 1) / 2);
        // The whole picture stays on the page: held on every side, not only the
        // right and bottom, so nothing of it is cut off when it is applied.
        corner.setX(qBound(0, corner.x(), pageW - w));
        corner.setY(qBound(0, corner.y(), pageH - h));
        onPage = QRect(corner, QSize(w, h));
    } else {
        const double s = std::min(double(pageW) / w, double(pageH) / h);
        onPage = QRect(0, 0, qRound(w * s), qRound(h * s));
    }
    item->angle = 0;
    item->invalidateMatrices();
    // The frame covers exactly the picture's pixels: its corners are the
    // first and the last pixel, inclusive.
    const QPoint first = docToWidget.map(onPage.topLeft());
    const QPoint last = docToWidget.map(onPage.bottomRight() + QPoint(1, 1)) - QPoint(1, 1);
    const QPoint middle = docToWidget.map(onPage.center());
    item->centreX = middle.x();
    item->centreY = middle.y();
    const QPoint topLeft = first - middle, bottomRight = last - middle;
    tl->setPos(topLeft);
    item->handle(LMPoint::BottomRight)->setPos(bottomRight);
    item->handle(LMPoint::BottomLeft)->setPos(QPoint(topLeft.x(), bottomRight.y()));
    item->handle(LMPoint::TopRight)->setPos(QPoint(bottomRight.x(), topLeft.y()));
    item->updateMidHandles();
    // The centre at the frame's middle, so it turns about it right away.
    recentre(item);
    item->invalidateMatrices();
    return onPage;
}

QWidget *LMScreenMsgHandlerDashedLineRectangle::createSettingWidget(QWidget *parent)
{
    auto *panel = new LMScreenMsgHandlerLineSetting(parent);
    connect(panel, &LMScreenMsgHandlerLineSetting::signal_colorChanged, this,
            &LMScreenMsgHandlerDashedLineRectangle::slot_colorChanged);
    connect(panel, &LMScreenMsgHandlerLineSetting::signal_widthChanged, this,
            &LMScreenMsgHandlerDashedLineRectangle::slot_widthChanged);
    panel->init(m_colour, m_width);
    return panel;
}

void LMScreenMsgHandlerDashedLineRectangle::slot_colorChanged(const QColor &colour)
{
    m_colour = colour;
}

void LMScreenMsgHandlerDashedLineRectangle::slot_widthChanged(int width)
{
    m_width = width;
}

void LMScreenMsgHandlerDashedLineRectangle::slot_AdjustToPaper()
{
    setFrameRect(view()->design().pageRect());
}

void LMScreenMsgHandlerDashedLineRectangle::slot_AdjustToFrame()
{
    const QPainterPath &outline = view()->design().outlinePath();
    if (outline.isEmpty())
        return;
    const QRect frame =
        view()->transform(Matrix::OutlineToDoc).map(outline).boundingRect().toRect();
    setFrameRect(frame.intersected(view()->design().pageRect()));
}
