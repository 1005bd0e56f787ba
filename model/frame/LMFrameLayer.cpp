#include "model/frame/LMFrameLayer.h"

#include "model/LMViewFlags.h"
#include "model/frame/LMFrameTextPainter.h"

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

void drawOutline(QPainter &painter, const LMFrameLayerInputs &in);

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
    drawOutline(painter, in);
}

void drawOutline(QPainter &painter, const LMFrameLayerInputs &in)
{
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
// The slider's smallest step: a tiled texture never shrinks to nothing.
constexpr int SmallestScale = 10;

// The texture over the frame: tiled at its scale, or one picture stretched
// over the outline's box (from the box's corner, so it is never split).
QBrush textureBrush(const LMFrameLayerInputs &in)
{
    QBrush brush(in.texture);
    if (in.texture.isNull())
        return brush;
    if (in.textureTiled) {
        const qreal f = (in.textureScale > 0 ? in.textureScale : SmallestScale) / 100.0;
        brush.setTransform(QTransform::fromScale(f, f));
    } else {
        const QRectF box = in.outline.boundingRect();
        brush.setTransform(QTransform::fromScale(box.width() / in.texture.width(),
                                                 box.height() / in.texture.height()) *
                           QTransform::fromTranslate(box.left(), box.top()));
    }
    return brush;
}

void drawRing(QPainter &painter, const LMFrameLayerInputs &in);

void ringStage(LMFrameLayer::Image &work, const LMFrameLayerInputs &in)
{
    if (!in.frameEffectOn)
        return;
    QPainter painter;
    begin(painter, work);
    drawRing(painter, in);
}

void drawRing(QPainter &painter, const LMFrameLayerInputs &in)
{
    painter.setPen(QPen(QColor(0, 0, 0, 200), 2));
    painter.setBrush(textureBrush(in));
    painter.drawPath(in.frame);
    if (in.outsidePrintable && !in.output && (in.outlineEditing || in.frameToolActive)) {
        painter.setPen(QPen(Qt::red, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(in.outer);
    }
}

void textStage(LMFrameLayer::Image &work, const LMFrameLayerInputs &in)
{
    if (!in.frameEffectOn || !in.frameTextOn || in.frameIndex <= 2 || !in.text)
        return;
    // The glyphs go on a layer of their own, which the ring then cuts out in
    // one pass: clipping each of hundreds of turned glyphs to the ring's
    // curves costs many times more.
    QImage glyphs(work.image.size(), QImage::Format_ARGB32_Premultiplied);
    glyphs.fill(Qt::transparent);
    QPainter painter(&glyphs);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.translate(work.origin);
    LMFrameTextPainter::paint(painter, in.outline, *in.text, in.frameIndex, in.thinStrips, false,
                              &in.frame);
    QImage ring(work.image.size(), QImage::Format_ARGB32_Premultiplied);
    ring.fill(Qt::transparent);
    {
        QPainter mask(&ring);
        mask.setRenderHint(QPainter::Antialiasing, true);
        mask.translate(work.origin);
        mask.fillPath(in.frame, Qt::black);
    }
    painter.resetTransform();
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawImage(0, 0, ring);
    painter.end();
    QPainter onto(&work.image);
    onto.drawImage(0, 0, glyphs);
}
} // namespace

LMFrameLayerInputs LMFrameLayer::inputsFor(const LMViewFlags &flags, const LMOutlineShapes &shapes,
                                           const QImage &texture, LMFrameTextSettings *text,
                                           bool output)
{
    LMFrameLayerInputs in;
    in.outline = shapes.outline;
    in.frame = shapes.frame;
    in.outer = shapes.outer;
    in.output = output;
    in.frameEffectOn = flags.frameEffectOn();
    in.frameTextOn = flags.frameTextOn();
    in.frameIndex = flags.frameIndex();
    in.textureTiled = flags.textureTiled();
    in.textureScale = flags.textureScale();
    in.texture = texture;
    in.text = text;
    in.thinStrips = flags.stripType();
    return in;
}

void LMFrameLayer::renderStage(int stage, Image &work, const LMFrameLayerInputs &in)
{
    switch (stage) {
    case 0:
        outlineStage(work, in);
        break;
    case 1:
        ringStage(work, in);
        break;
    case 2:
        textStage(work, in);
        break;
    default:
        break;
    }
}

void LMFrameLayer::paintVector(QPainter &painter, const LMFrameLayerInputs &in)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    drawOutline(painter, in);
    if (in.frameEffectOn) {
        drawRing(painter, in);
        if (in.frameTextOn && in.frameIndex > 2 && in.text) {
            painter.save();
            painter.setClipPath(in.frame, Qt::IntersectClip);
            LMFrameTextPainter::paint(painter, in.outline, *in.text, in.frameIndex, in.thinStrips,
                                      true, &in.frame);
            painter.restore();
        }
    }
    painter.restore();
}

LMFrameLayer::Image LMFrameLayer::renderAll(const LMFrameLayerInputs &in)
{
    Image work;
    for (int stage = 0; stage < StageCount; ++stage)
        renderStage(stage, work, in);
    return work;
}
