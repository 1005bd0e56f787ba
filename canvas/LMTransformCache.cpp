#include "canvas/LMTransformCache.h"

const QTransform &LMTransformCache::get(int index, const LMTransformInputs &in)
{
    static const QTransform identity;
    if (index < 0 || index >= Count)
        return identity;
    if (!isValid(index)) {
        m_matrices[index] = compute(index, in);
        m_valid |= 1u << index;
    }
    return m_matrices[index];
}

QTransform LMTransformCache::compute(int index, const LMTransformInputs &in)
{
    // Odd matrices are the inverses of the even ones before them.
    if (index % 2 == 1)
        return get(index - 1, in).inverted();

    switch (index) {
    case 0: {
        const QPointF c = in.outlineBounds.center();
        return QTransform::fromTranslate(-c.x(), -c.y()) * QTransform().rotate(in.outlineRotation) *
               QTransform::fromTranslate(c.x(), c.y());
    }
    case 2:
        return QTransform::fromTranslate(DocMargin[0], DocMargin[1]) *
               QTransform::fromScale(in.zoom, in.zoom);
    case 4:
        return QTransform().rotate(-90) * QTransform::fromTranslate(0, in.rasterHeight);
    case 6:
        return get(0, in) * QTransform::fromTranslate(in.outlineOffset.x(), in.outlineOffset.y());
    case 8:
        return get(6, in) * get(2, in);
    }
    return QTransform();
}

QPoint LMTransformCache::widgetToDocument(const QPoint &widget, double zoom)
{
    return QPoint(int(widget.x() / zoom - DocMargin[0]), int(widget.y() / zoom - DocMargin[1]));
}
