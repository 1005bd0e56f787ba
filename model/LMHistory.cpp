#include "model/LMHistory.h"

#include <QSet>

#include <cstring>

namespace {
constexpr QRgb White = 0xffffffff;

bool sameRows(const QImage &page, const QRect &area, const QImage &tile)
{
    const qsizetype bytes = qsizetype(area.width()) * 4;
    for (int y = 0; y < area.height(); ++y) {
        const uchar *a = page.constScanLine(area.top() + y) + qsizetype(area.left()) * 4;
        if (std::memcmp(a, tile.constScanLine(y), size_t(bytes)) != 0)
            return false;
    }
    return true;
}

// RGB32 keeps its unused alpha byte at 0xff, so a white row is all 0xff bytes.
bool allWhite(const QImage &page, const QRect &area)
{
    static const QByteArray whiteRow(LMHistory::TileSide * 4, char(0xff));
    const size_t bytes = size_t(area.width()) * 4;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar *row = page.constScanLine(y) + qsizetype(area.left()) * 4;
        if (std::memcmp(row, whiteRow.constData(), bytes) != 0)
            return false;
    }
    return true;
}
} // namespace

void LMHistory::clear()
{
    m_steps.clear();
    m_start = Step();
    m_index = -1;
}

void LMHistory::restart(const QImage &page, const Paper &paper)
{
    clear();
    m_start = makeStep(page, nullptr);
    m_start.paper = paper;
}

const LMHistory::Step *LMHistory::stepAt(int k) const
{
    if (k == -1)
        return m_start.size.isEmpty() ? nullptr : &m_start;
    return k >= 0 && k < count() ? &m_steps[k] : nullptr;
}

LMHistory::Paper LMHistory::paper(int k) const
{
    const Step *step = stepAt(k);
    return step ? step->paper : Paper();
}

void LMHistory::push(const QImage &page, const Paper &paper)
{
    Step step = makeStep(page, stepAt(m_index));
    step.paper = paper;
    ++m_index;
    m_steps.resize(m_index); // the redo branch is lost
    m_steps.append(std::move(step));
}

LMHistory::Step LMHistory::makeStep(const QImage &source, const Step *previous) const
{
    const QImage page = source.format() == QImage::Format_RGB32
                            ? source
                            : source.convertToFormat(QImage::Format_RGB32);
    Step step;
    step.size = page.size();
    step.detail = page.devicePixelRatio();
    step.columns = (page.width() + TileSide - 1) / TileSide;
    const int rows = (page.height() + TileSide - 1) / TileSide;
    step.tiles.resize(step.columns * rows);
    const bool comparable =
        previous && previous->size == step.size && previous->detail == step.detail;

    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < step.columns; ++c) {
            const int i = r * step.columns + c;
            const QRect area =
                QRect(c * TileSide, r * TileSide, TileSide, TileSide).intersected(page.rect());
            if (comparable) {
                const QImage &before = previous->tiles[i];
                if (before.isNull() ? allWhite(page, area) : sameRows(page, area, before)) {
                    step.tiles[i] = before; // shared, no copy
                    continue;
                }
            }
            if (!allWhite(page, area))
                step.tiles[i] = page.copy(area);
        }
    }
    return step;
}

bool LMHistory::stepBack()
{
    if (m_index < 0)
        return false;
    --m_index;
    return true;
}

bool LMHistory::stepForward()
{
    if (!canRedo())
        return false;
    ++m_index;
    return true;
}

QImage LMHistory::snapshot(int k) const
{
    const Step *at = stepAt(k);
    if (!at)
        return QImage();
    const Step &step = *at;
    QImage page(step.size, QImage::Format_RGB32);
    page.setDevicePixelRatio(step.detail);
    page.fill(White);
    for (int i = 0; i < step.tiles.size(); ++i) {
        const QImage &tile = step.tiles[i];
        if (tile.isNull())
            continue;
        const int left = (i % step.columns) * TileSide;
        const int top = (i / step.columns) * TileSide;
        const size_t bytes = size_t(tile.width()) * 4;
        for (int y = 0; y < tile.height(); ++y)
            std::memcpy(page.scanLine(top + y) + qsizetype(left) * 4, tile.constScanLine(y), bytes);
    }
    return page;
}

qint64 LMHistory::storedBytes() const
{
    QSet<qint64> seen;
    qint64 bytes = 0;
    QVector<Step> all = m_steps;
    all << m_start;
    for (const Step &step : std::as_const(all)) {
        for (const QImage &tile : step.tiles) {
            if (tile.isNull() || seen.contains(tile.cacheKey()))
                continue;
            seen.insert(tile.cacheKey());
            bytes += tile.sizeInBytes();
        }
    }
    return bytes;
}
