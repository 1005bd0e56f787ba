#include "canvas/LMZoomedPage.h"

#include <QPainter>

#include <cmath>

namespace {
// The fewest page pixels that cover a whole number of screen pixels at
// `factor` screen pixels per page pixel; 0 when no small number does.
int alignedRun(qreal factor)
{
    for (int run = 1; run <= 4096; ++run) {
        const qreal onScreen = run * factor;
        if (std::abs(onScreen - std::round(onScreen)) < 1e-6)
            return run;
    }
    return 0;
}
} // namespace

const QImage &LMZoomedPage::at(const QImage &page, qreal zoom, qreal screenRatio)
{
    static const QImage none;
    const qreal scale = zoom * screenRatio;
    const qreal detail = page.devicePixelRatio();
    const qreal factor = scale / detail; // screen pixels per page pixel
    if (page.isNull() || factor >= 1.0) {
        clear();
        return none;
    }
    const bool fresh = scale != m_scale || page.size() != m_source || detail != m_detail;
    if (fresh) {
        m_scale = scale;
        m_source = page.size();
        m_detail = detail;
        // Blocks of at least 256 page pixels keep the number of scalings small.
        const int run = qMax(1, alignedRun(factor));
        m_block = run * qMax(1, int(std::ceil(256.0 / run)));
        m_blockOnScreen = qMax(1, qRound(m_block * factor));
        m_image = QImage(int(std::ceil(page.width() * factor)),
                         int(std::ceil(page.height() * factor)), QImage::Format_RGB32);
        m_image.fill(Qt::white);
        rebuildBlocks(page, page.rect());
    } else if (!m_dirty.isEmpty()) {
        const QRect physical(m_dirty.topLeft() * detail, m_dirty.size() * detail);
        rebuildBlocks(page, physical.intersected(page.rect()));
    }
    m_dirty = QRect();
    m_image.setDevicePixelRatio(screenRatio);
    return m_image;
}

void LMZoomedPage::rebuildBlocks(const QImage &page, const QRect &area)
{
    if (area.isEmpty())
        return;
    const qreal factor = m_scale / m_detail;
    const int firstColumn = area.left() / m_block, lastColumn = area.right() / m_block;
    const int firstRow = area.top() / m_block, lastRow = area.bottom() / m_block;
    m_image.setDevicePixelRatio(1.0); // blocks land on device pixels
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const QRect source =
                QRect(column * m_block, row * m_block, m_block, m_block).intersected(page.rect());
            const QSize onScreen(qMax(1, qRound(source.width() * factor)),
                                 qMax(1, qRound(source.height() * factor)));
            QImage block = page.copy(source);
            block.setDevicePixelRatio(1.0);
            painter.drawImage(
                QPoint(column * m_blockOnScreen, row * m_blockOnScreen),
                block.scaled(onScreen, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
    }
}

void LMZoomedPage::pageChanged(const QRect &area)
{
    m_dirty |= area;
}

void LMZoomedPage::clear()
{
    m_image = QImage();
    m_scale = 0.0;
    m_source = QSize();
    m_detail = 0.0;
    m_dirty = QRect();
}
