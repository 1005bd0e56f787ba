#include "model/LMTransformCache.h"

const QTransform &LMTransformCache::get(Matrix::Id index, const LMTransformInputs &in)
{
    static const QTransform identity;
    if (index < 0 || index >= Matrix::Count)
        return identity;
    if (!isValid(index)) {
        m_matrices[index] = compute(index, in);
        m_valid |= 1u << index;
    }
    return m_matrices[index];
}

QTransform LMTransformCache::compute(Matrix::Id index, const LMTransformInputs &in)
{
    // Odd matrices are the inverses of the even ones before them.
    if (index % 2 == 1)
        return get(Matrix::Id(index - 1), in).inverted();

    switch (index) {
    case Matrix::OutlineRotation: {
        const QPointF c = in.outlineBounds.center();
        return QTransform::fromTranslate(-c.x(), -c.y()) * QTransform().rotate(in.outlineRotation) *
               QTransform::fromTranslate(c.x(), c.y());
    }
    case Matrix::DocToWidget:
        return QTransform::fromTranslate(DocMargin[0], DocMargin[1]) *
               QTransform::fromScale(in.zoom, in.zoom);
    case Matrix::StripSheet:
        return QTransform().rotate(-90) * QTransform::fromTranslate(0, in.rasterHeight);
    case Matrix::OutlineToDoc:
        return get(Matrix::OutlineRotation, in) *
               QTransform::fromTranslate(in.outlineOffset.x(), in.outlineOffset.y());
    case Matrix::OutlineToWidget:
        return get(Matrix::OutlineToDoc, in) * get(Matrix::DocToWidget, in);
    default:
        return QTransform();
    }
}

QPoint LMTransformCache::widgetToDocument(const QPoint &widget, double zoom)
{
    return QPoint(int(widget.x() / zoom - DocMargin[0]), int(widget.y() / zoom - DocMargin[1]));
}
