// The outline and frame-effect layer: built in stages for the screen, and
// the translucent red where it crosses the margins; the strip sheet.
#include "canvas/LMGraphView.h"

#include "model/LMDesign.h"
#include "model/LMPictureClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

LMFrameLayerInputs LMGraphView::frameLayerInputs()
{
    // Without the frame effect there is no ring to fill: the texture stays
    // undecoded, which keeps it out of the start-up.
    const bool ring = m_design->flags().frameEffectOn();
    LMFrameLayerInputs in = LMFrameLayer::inputsFor(m_design->flags(), m_design->shapes(),
                                                    ring ? m_design->texture() : QImage(),
                                                    m_design->frameTextForDrawing(), false);
    // The editing look, which output never shows.
    in.outlineEditing = m_outlineEditing;
    in.frameToolActive = m_frameToolActive;
    in.outsidePrintable = m_design->outsidePrintable();
    return in;
}

void LMGraphView::paintFrameLayer(QPainter &painter)
{
    if (m_design->outlinePath().isEmpty())
        return;
    const int stage = m_frameStage;
    if (stage < LMFrameLayer::StageCount) {
        // The last finished layer stays on screen while the next is built.
        LMFrameLayer::renderStage(stage, m_frameWork, frameLayerInputs());
        if (stage == LMFrameLayer::StageCount - 1)
            m_frameImage = m_frameWork;
        m_frameStage = stage + 1;
        m_stageTimer.start();
    }
    if (!m_frameImage.image.isNull()) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.setTransform(transform(Matrix::OutlineToWidget));
        painter.drawImage(-m_frameImage.origin, m_frameImage.image);
        painter.restore();
    }
    paintUnprintableArea(painter);
}

void LMGraphView::paintUnprintableArea(QPainter &painter)
{
    if (!m_design->outsidePrintable())
        return;
    const QRect printable = transform(Matrix::DocToWidget).mapRect(m_design->printableRect());
    painter.save();
    painter.setClipRegion(QRegion(rect()).subtracted(QRegion(printable)));
    painter.setTransform(transform(Matrix::OutlineToWidget));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 0, 0, 140));
    painter.drawPath(m_design->outlinePath());
    painter.restore();
}

LMStripSheetInputs LMGraphView::stripSheetInputs()
{
    const LMViewFlags &flags = m_design->flags();
    LMStripSheetInputs in;
    in.page = m_design->pageSize();
    in.landscape = flags.landscape();
    in.printable = m_design->printableRect();
    in.strips.thin = flags.stripType();
    in.strips.count = flags.stripCount();
    in.strips.sides = flags.useHeight();
    in.expandToSides = flags.expandToSides();
    in.sideColor = m_design->sideColor();
    in.texture = m_design->texture();
    in.textureTiled = flags.textureTiled();
    in.textureScale = flags.textureScale();
    in.text = flags.frameTextOn() ? m_design->frameTextForDrawing() : nullptr;
    return in;
}

void LMGraphView::copyFrameContent()
{
    apply();
    const QPainterPath &outline = m_design->outlinePath();
    if (outline.isEmpty())
        return;
    const QRect box = transform(Matrix::OutlineToDoc).map(outline).boundingRect().toAlignedRect();
    // At the page's detail: a paste brings it back as fine as it was.
    const int k = m_design->detail();
    QImage picture(box.size() * k, QImage::Format_RGB32);
    picture.setDevicePixelRatio(k);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QTransform outlineToPicture =
        transform(Matrix::OutlineToDoc) * QTransform::fromTranslate(-box.left(), -box.top());
    painter.setTransform(outlineToPicture);
    painter.setClipPath(outline);
    painter.setTransform(QTransform::fromTranslate(-box.left(), -box.top()));
    painter.drawImage(0, 0, m_design->page());
    if (m_design->flags().frameEffectOn() && !m_frameImage.image.isNull()) {
        painter.setTransform(outlineToPicture);
        painter.drawImage(-m_frameImage.origin, m_frameImage.image);
    }
    painter.end();
    LMPictureClipboard::copy(picture, box);
}
