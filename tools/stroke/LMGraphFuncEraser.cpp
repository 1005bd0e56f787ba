#include "tools/stroke/LMGraphFuncEraser.h"

#include "tools/LMToolEnvironment.h"

#include <QPainter>
#include <QPolygon>

namespace {
// Twice the signed area; its sign is the polygon's orientation.
qint64 doubledArea(const QPolygon &p)
{
    qint64 sum = 0;
    for (int i = 0; i < p.size(); ++i) {
        const QPoint &a = p[i];
        const QPoint &b = p[(i + 1) % p.size()];
        sum += qint64(a.x()) * b.y() - qint64(b.x()) * a.y();
    }
    return sum;
}

QPolygon squareAt(const QPoint &p, int h, int side)
{
    const QRect square(p.x() - h, p.y() - h, side, side);
    return QPolygon(square, false);
}
} // namespace

void LMGraphFuncEraser::addPiece(const QPolygon &piece)
{
    if (piece.size() < 3)
        return;
    const qint64 area = doubledArea(piece);
    if (area == 0)
        return; // a flat band adds nothing
    QPolygon oriented = piece;
    if (area < 0)
        std::reverse(oriented.begin(), oriented.end());
    region.addPolygon(QPolygonF(oriented));
    region.closeSubpath();
    m_pieces << oriented;
    m_bounds |= oriented.boundingRect();
}

void LMGraphFuncEraser::pressAt(const QPoint &p)
{
    const int h = int(width * 0.5);
    const int side = int(width);
    last = p;
    start = p;
    region = QPainterPath();
    region.setFillRule(Qt::WindingFill);
    m_pieces.clear();
    m_bounds = QRect();
    m_preview = QImage();
    m_previewPieces = 0;
    addPiece(squareAt(p, h, side));
}

void LMGraphFuncEraser::sweepTo(const QPoint &p)
{
    if (region.isEmpty()) {
        pressAt(p); // no press seen: start here rather than sweep from nowhere
        return;
    }
    const int h = int(width * 0.5);
    const int side = int(width);
    const QPoint q = last;
    const QPolygon a({QPoint(q.x() - h, q.y() + h), QPoint(p.x() - h, p.y() + h),
                      QPoint(p.x() + h, p.y() - h), QPoint(q.x() + h, q.y() - h)});
    const QPolygon b({QPoint(q.x() - h, q.y() - h), QPoint(p.x() - h, p.y() - h),
                      QPoint(p.x() + h, p.y() + h), QPoint(q.x() + h, q.y() + h)});
    addPiece(squareAt(p, h, side));
    addPiece(a);
    addPiece(b);
    last = p;
}

void LMGraphFuncEraser::updatePreview()
{
    const QRect covered(m_previewOrigin, m_preview.size());
    if (m_preview.isNull() || !covered.contains(m_bounds)) {
        // Grown by half again on every side, so growing stays rare.
        const int pad = qMax(128, qMax(m_bounds.width(), m_bounds.height()) / 2);
        QRect area = m_bounds.adjusted(-pad, -pad, pad, pad);
        if (!m_preview.isNull())
            area |= covered;
        QImage grown(area.size(), QImage::Format_ARGB32_Premultiplied);
        grown.fill(Qt::transparent);
        QPainter copy(&grown);
        copy.drawImage(m_previewOrigin - area.topLeft(), m_preview);
        copy.end();
        m_preview = grown;
        m_previewOrigin = area.topLeft();
    }
    if (m_previewPieces == m_pieces.size())
        return;
    QPainter painter(&m_preview);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.translate(-m_previewOrigin);
    // Opaque and not smoothed: overlapping pieces add up to their exact union.
    for (; m_previewPieces < m_pieces.size(); ++m_previewPieces)
        painter.drawPolygon(m_pieces[m_previewPieces]);
}

void LMGraphFuncEraser::paintPreview(QPainter *painter, LMToolEnvironment *)
{
    if (m_pieces.isEmpty())
        return;
    updatePreview();
    painter->drawImage(m_previewOrigin, m_preview);
}

bool LMGraphFuncEraser::commit(QPainter *painter, LMToolEnvironment *view)
{
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setBrush(QBrush(Qt::white, Qt::SolidPattern));
    painter->setTransform(view->transform(Matrix::WidgetToDoc));
    painter->drawPath(region);
    painter->restore();
    return !region.isEmpty();
}
