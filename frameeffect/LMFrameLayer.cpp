#include "frameeffect/LMFrameLayer.h"

#include "canvas/LMViewFlags.h"

#include <QPainter>

#include <cmath>

namespace {
QPainter *begin(QPainter &painter, LMFrameLayer::Image &work)
{
    painter.begin(&work.image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(work.origin);
    return &painter;
}

void outlineStage(LMFrameLayer::Image &work, const LMFrameLayerInputs &in)
{
    const QRectF box = in.outline.boundingRect();
    const QSize size(int(std::floor(box.width() + 0.5)) + 2 * LMFrameLayer::Margin,
                     int(std::floor(box.height() + 0.5)) + 2 * LMFrameLayer::Margin);
    work.image = QImage(size, QImage::Format_ARGB32_Premultiplied);
    work.image.fill(Qt::transparent);
    // The box's corner on whole pixels keeps straight cutting lines crisp.
    work.origin = QPointF(LMFrameLayer::Margin - std::floor(box.left()),
                          LMFrameLayer::Margin - std::floor(box.top()));
    QPainter painter;
    begin(painter, work);
    if (in.outlineEditing && !in.output) {
        painter.setPen(QPen(in.outsidePrintable ? Qt::red : Qt::gray, 2, Qt::SolidLine));
        painter.setBrush(QColor(120, 120, 120, 140));
        painter.drawPath(in.outline);
        return;
    }
    // The cutting line: black, with white dashes over it.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine));
    painter.drawPath(in.outline);
    QPen dashes(Qt::white, 2);
    dashes.setDashPattern({2, 2});
    painter.setPen(dashes);
    painter.drawPath(in.outline);
}
} // namespace

LMFrameLayerInputs LMFrameLayer::inputsFor(const LMViewFlags &flags, const LMOutlineShapes &shapes,
                                           const QImage &texture, bool output)
{
    LMFrameLayerInputs in;
    in.outline = shapes.outline;
    in.frame = shapes.frame;
    in.outer = shapes.outer;
    in.output = output;
    in.outlineEditing = flags.outlineEditing();
    in.outsidePrintable = flags.outsidePrintable();
    in.frameEffectOn = flags.frameEffectOn();
    in.frameToolActive = flags.frameToolActive();
    in.frameTextOn = flags.frameTextOn();
    in.frameIndex = flags.frameIndex();
    in.textureTiled = flags.textureTiled();
    in.textureScale = flags.textureScale();
    in.texture = texture;
    return in;
}

void LMFrameLayer::renderStage(int stage, Image &work, const LMFrameLayerInputs &in)
{
    switch (stage) {
    case 0:
        outlineStage(work, in);
        break;
    default:
        // The frame ring and the text along it come with the frame effect.
        break;
    }
}

LMFrameLayer::Image LMFrameLayer::renderAll(const LMFrameLayerInputs &in)
{
    Image work;
    for (int stage = 0; stage < StageCount; ++stage)
        renderStage(stage, work, in);
    return work;
}
