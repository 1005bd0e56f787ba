// The outline and frame-effect layer: built in stages for the screen, at
// once for output, and the translucent red where it crosses the margins.
#include "canvas/LMGraphView.h"

#include "app/LMMainWidget.h"
#include "outlines/LMArtFrameFactory.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

LMFrameLayerInputs LMGraphView::frameLayerInputs(bool output) const
{
    LMFrameLayerInputs in;
    in.outline = outlinePath();
    if (const LMArtFrameFactory *catalogue = LMArtFrameFactory::instance()) {
        in.frame = catalogue->framePath();
        in.outer = catalogue->frameOuterPath();
    }
    in.output = output;
    in.outlineEditing = m_flags.outlineEditing();
    in.outsidePrintable = m_flags.outsidePrintable();
    in.frameEffectOn = m_flags.frameEffectOn();
    in.frameToolActive = m_flags.frameToolActive();
    in.frameTextOn = m_flags.frameTextOn();
    in.frameIndex = m_flags.frameIndex();
    in.textureTiled = m_flags.textureTiled();
    in.textureScale = m_flags.textureScale();
    in.texture = m_frameTexture;
    return in;
}

LMFrameLayer::Image LMGraphView::outputFrameLayer()
{
    return LMFrameLayer::renderAll(frameLayerInputs(true));
}

void LMGraphView::paintFrameLayer(QPainter &painter)
{
    if (outlinePath().isEmpty())
        return;
    const int stage = m_flags.frameStage();
    if (stage < LMFrameLayer::StageCount) {
        // The last finished layer stays on screen while the next is built.
        LMFrameLayer::renderStage(stage, m_frameWork, frameLayerInputs(false));
        if (stage == LMFrameLayer::StageCount - 1)
            m_frameImage = m_frameWork;
        m_flags.setFrameStage(stage + 1);
        m_stageTimer.start();
    }
    if (!m_frameImage.image.isNull()) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.setTransform(transform(8));
        painter.drawImage(-m_frameImage.origin, m_frameImage.image);
        painter.restore();
    }
    paintUnprintableArea(painter);
}

void LMGraphView::paintUnprintableArea(QPainter &painter)
{
    if (!m_flags.outsidePrintable() || m_flags.outputRendering())
        return;
    const QRect printable = transform(2).mapRect(printableRect(m_raster.rect()));
    painter.save();
    painter.setClipRegion(QRegion(rect()).subtracted(QRegion(printable)));
    painter.setTransform(transform(8));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 0, 0, 140));
    painter.drawPath(outlinePath());
    painter.restore();
}

void LMGraphView::copyFrameContent()
{
    apply();
    const QPainterPath &outline = outlinePath();
    if (outline.isEmpty())
        return;
    const QRect box = transform(6).map(outline).boundingRect().toAlignedRect();
    QImage picture(box.size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QTransform outlineToPicture =
        transform(6) * QTransform::fromTranslate(-box.left(), -box.top());
    painter.setTransform(outlineToPicture);
    painter.setClipPath(outline);
    painter.setTransform(QTransform::fromTranslate(-box.left(), -box.top()));
    painter.drawImage(0, 0, m_raster);
    if (m_flags.frameEffectOn() && !m_frameImage.image.isNull()) {
        painter.setTransform(outlineToPicture);
        painter.drawImage(-m_frameImage.origin, m_frameImage.image);
    }
    painter.end();
    QGuiApplication::clipboard()->setImage(picture);
}
