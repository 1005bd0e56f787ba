// Painting of the page: white sheet, raster, live items and the margin guide.
#include "canvas/LMGraphView.h"

#include "canvas/LMCanvasToolEnvironment.h"
#include "model/LMDesign.h"
#include "tools/LMGraphFuncInf.h"

#include <QPainter>

void LMGraphView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);

    painter.fillRect(m_paperRect, Qt::white);
    // A crisp one-pixel border just outside the page.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(m_paperRect.adjusted(-1, -1, 1, 1));
    painter.setRenderHint(QPainter::Antialiasing, true);

    if (m_stripMode) {
        painter.save();
        painter.setTransform(transform(Matrix::DocToWidget));
        m_stripSheet.paint(painter, stripSheetInputs());
        painter.restore();
        paintMarginGuide(painter);
        return;
    }

    // The raster, clipped to the outline when only the pouch's inside is shown.
    // A blank page is the white sheet already there.
    if (!m_design->pageIsBlank())
        paintPage(painter);

    // Live items paint in widget pixels and apply the zoom themselves.
    for (LMGraphFuncInf *item : std::as_const(m_liveItems))
        item->paintPreview(&painter, m_toolEnvironment.get());

    paintFrameLayer(painter);
    paintMarginGuide(painter);
    paintReadout(painter);
}

void LMGraphView::setReadout(const QString &text, const QPoint &widgetPos)
{
    if (text == m_readout && widgetPos == m_readoutAt)
        return;
    m_readout = text;
    m_readoutAt = widgetPos;
    update();
}

void LMGraphView::paintReadout(QPainter &painter)
{
    if (m_readout.isEmpty())
        return;
    const QFontMetrics metrics(font());
    const QRect text = metrics.boundingRect(m_readout).adjusted(-6, -3, 6, 3);
    // Below and right of the pointer, clear of the cursor; kept in view.
    QRect box(m_readoutAt + QPoint(18, 18), text.size());
    const QRect seen = visibleRegion().boundingRect();
    if (!seen.isEmpty()) {
        if (box.right() > seen.right())
            box.moveRight(m_readoutAt.x() - 8);
        if (box.bottom() > seen.bottom())
            box.moveBottom(m_readoutAt.y() - 8);
    }
    painter.save();
    painter.resetTransform();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 30, 210));
    painter.drawRoundedRect(box, 4, 4);
    painter.setPen(Qt::white);
    painter.drawText(box, Qt::AlignCenter, m_readout);
    painter.restore();
}

void LMGraphView::paintPage(QPainter &painter)
{
    const QImage &page = m_design->page();
    painter.save();
    const QPainterPath &outline = m_design->outlinePath();
    const bool outlineClip = m_design->clipToOutline() && !outline.isEmpty();
    if (outlineClip) {
        painter.setTransform(transform(Matrix::OutlineToWidget));
        painter.setClipPath(outline);
    }
    const QTransform toPage = QTransform::fromTranslate(
        int(m_zoom * LMTransformCache::DocMargin[0]), int(m_zoom * LMTransformCache::DocMargin[1]));
    const QTransform docToWidget = QTransform::fromScale(m_zoom, m_zoom) * toPage;
    painter.setTransform(docToWidget);
    if (!outlineClip)
        painter.setClipRect(m_design->pageRect());
    // Below the page's detail the screen shows a kept, averaged copy; at or
    // above it the page's own pixels.
    const QImage &zoomed = m_zoomedPage.at(page, m_zoom, devicePixelRatioF());
    if (zoomed.isNull()) {
        painter.drawImage(0, 0, page);
    } else {
        painter.setTransform(toPage);
        painter.drawImage(0, 0, zoomed);
    }
    painter.restore();
}

void LMGraphView::paintMarginGuide(QPainter &painter)
{
    const bool red = m_design->outsidePrintable() && m_marginToolActive;
    QPen pen(red ? Qt::red : Qt::gray);
    pen.setWidthF(m_marginToolActive ? 3.0 : 1.0);
    pen.setStyle(Qt::DotLine);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::BevelJoin);
    painter.save();
    painter.setTransform(transform(Matrix::DocToWidget));
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(m_design->printableRect());
    painter.restore();
}
