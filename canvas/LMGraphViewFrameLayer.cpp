// The outline and frame-effect layer: built in stages for the screen, at
// once for output, and the translucent red where it crosses the margins.
#include "canvas/LMGraphView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

void LMGraphView::paintFrameLayer(QPainter &painter)
{
    if (outlinePath().isEmpty())
        return;
    const int stage = m_flags.frameStage();
    if (stage < LMFrameLayer::StageCount) {
        // The last finished layer stays on screen while the next is built.
        LMFrameLayer::renderStage(
            stage, m_frameWork,
            LMFrameLayer::inputsFor(m_flags, outlineShapes(), m_frameTexture, &m_frameText, false));
        if (stage == LMFrameLayer::StageCount - 1)
            m_frameImage = m_frameWork;
        m_flags.setFrameStage(stage + 1);
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
    if (!m_flags.outsidePrintable())
        return;
    const QRect printable = transform(Matrix::DocToWidget).mapRect(printableRect(m_raster.rect()));
    painter.save();
    painter.setClipRegion(QRegion(rect()).subtracted(QRegion(printable)));
    painter.setTransform(transform(Matrix::OutlineToWidget));
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
    const QRect box = transform(Matrix::OutlineToDoc).map(outline).boundingRect().toAlignedRect();
    QImage picture(box.size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QTransform outlineToPicture =
        transform(Matrix::OutlineToDoc) * QTransform::fromTranslate(-box.left(), -box.top());
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
