#include "canvas/LMPageRenderer.h"

#include "canvas/LMTransformCache.h"
#include "frameeffect/LMFrameLayer.h"

#include <QPainter>

namespace LMPageRenderer {

QTransform outlineToPage(const LMDocument &document, const QPainterPath &outline)
{
    LMTransformInputs in;
    in.outlineBounds = outline.boundingRect();
    in.outlineRotation = document.flags.outlineRotation();
    in.outlineOffset = document.outlineOffset;
    in.rasterHeight = document.page.height();
    LMTransformCache matrices;
    return matrices.get(Matrix::OutlineToDoc, in);
}

QImage render(const LMDocument &document, const LMOutlineShapes &shapes, Options options)
{
    const bool clip = options.clipToOutline && !shapes.outline.isEmpty();
    QImage page = document.page.convertToFormat(QImage::Format_RGB32);
    if (shapes.outline.isEmpty())
        return page;
    if (clip)
        page.fill(Qt::white);
    const QTransform toPage = outlineToPage(document, shapes.outline);
    QPainter painter(&page);
    if (clip) {
        painter.setTransform(toPage);
        painter.setClipPath(shapes.outline);
        painter.resetTransform();
        painter.drawImage(0, 0, document.page);
        painter.setClipping(false);
    }
    const LMFrameLayer::Image layer = LMFrameLayer::renderAll(
        LMFrameLayer::inputsFor(document.flags, shapes, document.texture, true));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setTransform(toPage);
    painter.drawImage(-layer.origin, layer.image);
    return page;
}

} // namespace LMPageRenderer
