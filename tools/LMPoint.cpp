#include "tools/LMPoint.h"

#include <QPainter>

LMPoint::LMPoint(QObject *parent) : QObject(parent) {}

LMPoint::LMPoint(const QPoint &pos, quint16 role, QObject *parent)
    : QObject(parent), x(pos.x()), y(pos.y()), id(role)
{
}

LMPoint::LMPoint(const LMPoint &other, QObject *parent)
    : QObject(parent), x(other.x), y(other.y), id(other.id)
{
}

LMPoint &LMPoint::operator=(const LMPoint &other)
{
    x = other.x;
    y = other.y;
    id = other.id;
    return *this;
}

bool LMPoint::operator==(const LMPoint &other) const
{
    return id == other.id && x == other.x && y == other.y;
}

void LMPoint::setPos(const QPoint &p)
{
    x = p.x();
    y = p.y();
}

void LMPoint::moveBy(const QPoint &d)
{
    x += d.x();
    y += d.y();
}

bool LMPoint::hitTest(const QPoint &p) const
{
    return qAbs(p.x() - x) <= HitRadius && qAbs(p.y() - y) <= HitRadius;
}

void LMPoint::paint(QPainter *painter) const
{
    painter->save();
    painter->setBrush(QBrush(Qt::white, Qt::SolidPattern));
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->drawRect(QRect(QPoint(x - 3, y - 3), QPoint(x + 2, y + 2)));
    painter->restore();
}
