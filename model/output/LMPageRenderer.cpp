#include "model/output/LMPageRenderer.h"

#include "model/LMTransformCache.h"
#include "model/frame/LMFrameLayer.h"
#include "model/frame/LMFrameTextSettings.h"
#include "model/frame/LMStripSheet.h"

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

QRect printableRect(const QRect &page, const std::array<double, 4> &margins)
{
    const double ppm = 3.0; // document pixels per millimetre
    QRect r = page;
    r.setLeft(page.left() + int(ppm * margins[1]));
    r.setTop(page.top() + int(ppm * margins[0]));
    r.setRight(page.right() + int(-ppm * margins[3]));
    r.setBottom(page.bottom() + int(-ppm * margins[2]));
    return r;
}

void frameTextOf(const LMDocument &document, LMFrameTextSettings &text)
{
    QFont font;
    if (font.fromString(document.fontDescription))
        text.setFont(font);
    text.setText(document.frameText);
    text.setSeparator(document.frameTextSeparator);
    text.setColors(QColor::fromRgba(document.textEdgeColor), QColor::fromRgb(document.textColor));
    text.setStroke(document.textStroke);
    text.setEdgeWidth(document.textEdgeWidth);
}

namespace {
LMStripSheetInputs stripSheetOf(const LMDocument &document, LMFrameTextSettings &text)
{
    frameTextOf(document, text);
    const LMViewFlags &flags = document.flags;
    LMStripSheetInputs in;
    in.page = document.page.size();
    in.landscape = flags.landscape();
    in.printable = printableRect(document.page.rect(), document.margins);
    in.strips.thin = flags.stripType();
    in.strips.count = flags.stripCount();
    in.strips.sides = flags.useHeight();
    in.expandToSides = flags.expandToSides();
    in.sideColor = QColor::fromRgb(document.sideColor);
    in.texture = document.texture;
    in.textureTiled = flags.textureTiled();
    in.textureScale = flags.textureScale();
    in.text = flags.frameTextOn() ? &text : nullptr;
    return in;
}

// A fine page at its own detail: the painter works in page pixels and the
// outline, frame and letters are drawn as shapes at the finer resolution.
QImage renderFine(const LMDocument &document, const LMOutlineShapes &shapes,
                  LMPageRenderer::Options options)
{
    const qreal k = qreal(document.finePage.width()) / document.page.width();
    QImage fine = document.finePage.convertToFormat(QImage::Format_RGB32);
    fine.setDevicePixelRatio(k);
    if (shapes.outline.isEmpty())
        return fine;
    QImage page = fine;
    const QTransform toPage = LMPageRenderer::outlineToPage(document, shapes.outline);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (options.clipToOutline) {
        painter.fillRect(QRect(QPoint(0, 0), document.page.size()), Qt::white);
        painter.setTransform(toPage);
        painter.setClipPath(shapes.outline);
        painter.resetTransform();
        painter.drawImage(0, 0, fine);
        painter.setClipping(false);
    }
    LMFrameTextSettings text;
    LMPageRenderer::frameTextOf(document, text);
    painter.setTransform(toPage);
    LMFrameLayer::paintVector(
        painter, LMFrameLayer::inputsFor(document.flags, shapes, document.texture, &text, true));
    return page;
}

// Page pixels spread over `target`.
QTransform pageToTarget(const QSize &page, const QRectF &target)
{
    return QTransform::fromScale(target.width() / page.width(), target.height() / page.height()) *
           QTransform::fromTranslate(target.left(), target.top());
}
} // namespace

QImage renderStripSheet(const LMDocument &document)
{
    LMFrameTextSettings text;
    return LMStripSheet().render(stripSheetOf(document, text));
}

void paintStripSheet(QPainter &painter, const QRectF &target, const LMDocument &document)
{
    if (document.page.isNull())
        return;
    LMFrameTextSettings text;
    painter.save();
    painter.setTransform(pageToTarget(document.page.size(), target), true);
    painter.fillRect(QRect(QPoint(0, 0), document.page.size()), Qt::white);
    LMStripSheet().paintDirect(painter, stripSheetOf(document, text));
    painter.restore();
}

void paintPage(QPainter &painter, const QRectF &target, const LMDocument &document,
               const LMOutlineShapes &shapes, Options options)
{
    if (document.page.isNull())
        return;
    painter.save();
    painter.setTransform(pageToTarget(document.page.size(), target), true);
    const QTransform base = painter.transform();
    const QRect pageRect(QPoint(0, 0), document.page.size());
    painter.fillRect(pageRect, Qt::white);
    const bool clip = options.clipToOutline && !shapes.outline.isEmpty();
    const QTransform toPage =
        clip || !shapes.outline.isEmpty() ? outlineToPage(document, shapes.outline) * base : base;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    // Within whatever the caller clips to (an insert's place on a sheet).
    painter.save();
    if (clip) {
        painter.setTransform(toPage);
        painter.setClipPath(shapes.outline, Qt::IntersectClip);
        painter.setTransform(base);
    }
    // A fine page brings its own detail to the printer.
    painter.drawImage(QRectF(pageRect),
                      document.finePage.isNull() ? document.page : document.finePage);
    painter.restore();
    if (!shapes.outline.isEmpty()) {
        LMFrameTextSettings text;
        frameTextOf(document, text);
        painter.setTransform(toPage);
        LMFrameLayer::paintVector(painter, LMFrameLayer::inputsFor(document.flags, shapes,
                                                                   document.texture, &text, true));
    }
    painter.restore();
}

QImage render(const LMDocument &document, const LMOutlineShapes &shapes, Options options)
{
    if (!document.finePage.isNull() && !document.page.isNull())
        return renderFine(document, shapes, options);
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
    LMFrameTextSettings text;
    frameTextOf(document, text);
    const LMFrameLayer::Image layer = LMFrameLayer::renderAll(
        LMFrameLayer::inputsFor(document.flags, shapes, document.texture, &text, true));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setTransform(toPage);
    painter.drawImage(-layer.origin, layer.image);
    return page;
}

} // namespace LMPageRenderer
