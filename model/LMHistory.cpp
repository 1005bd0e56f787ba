#include "model/LMHistory.h"

#include <QSet>

#include <algorithm>
#include <future>

#include <cstring>

namespace {
constexpr QRgb White = 0xffffffff;
// Pages from this many pixels on are compared by two threads.
constexpr qint64 LargePage = 4'000'000;

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
    m_start = makeStep(page, nullptr, nullptr);
    m_start.paper = paper;
}

void LMHistory::restartWhite(const QSize &size, qreal detail, const Paper &paper)
{
    clear();
    m_start = whiteStep(size, detail);
    m_start.paper = paper;
}

LMHistory::Step LMHistory::whiteStep(const QSize &size, qreal detail)
{
    Step step;
    step.size = size;
    step.detail = detail;
    step.columns = (size.width() + TileSide - 1) / TileSide;
    const int rows = (size.height() + TileSide - 1) / TileSide;
    step.tiles.resize(step.columns * rows);
    return step;
}

QRect LMHistory::tileRect(const Step &step, int i)
{
    return QRect((i % step.columns) * TileSide, (i / step.columns) * TileSide, TileSide, TileSide)
        .intersected(QRect(QPoint(0, 0), step.size));
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

QRect LMHistory::push(const QImage &page, const Paper &paper)
{
    QRect changed;
    append(makeStep(page, stepAt(m_index), &changed), paper);
    return changed;
}

void LMHistory::pushWhite(const QSize &size, qreal detail, const Paper &paper)
{
    append(whiteStep(size, detail), paper);
}

void LMHistory::append(Step step, const Paper &paper)
{
    step.paper = paper;
    ++m_index;
    m_steps.resize(m_index); // the redo branch is lost
    m_steps.append(std::move(step));
}

bool LMHistory::isWhite(int k) const
{
    const Step *step = stepAt(k);
    return step && std::all_of(step->tiles.cbegin(), step->tiles.cend(),
                               [](const QImage &tile) { return tile.isNull(); });
}

QRect LMHistory::difference(int a, int b) const
{
    const Step *first = stepAt(a);
    const Step *second = stepAt(b);
    if (!first || !second) {
        const Step *known = first ? first : second;
        return known ? QRect(QPoint(0, 0), known->size) : QRect();
    }
    if (first->size != second->size || first->detail != second->detail)
        return QRect(QPoint(0, 0), second->size);
    QRect changed;
    for (int i = 0; i < first->tiles.size(); ++i) {
        // Tiles a step did not change are shared with the step before it.
        if (first->tiles[i].cacheKey() != second->tiles[i].cacheKey())
            changed |= tileRect(*first, i);
    }
    return changed;
}

LMHistory::Step LMHistory::makeStep(const QImage &source, const Step *previous,
                                    QRect *changed) const
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

    // Each band of tile rows is compared on its own; a large page's bands
    // share the work between two threads.
    QImage *tiles = step.tiles.data();
    const QImage *before = comparable ? previous->tiles.constData() : nullptr;
    const auto band = [&](int firstRow, int endRow) {
        QRect bandChanged;
        for (int r = firstRow; r < endRow; ++r) {
            for (int c = 0; c < step.columns; ++c) {
                const int i = r * step.columns + c;
                const QRect area = tileRect(step, i);
                if (before) {
                    const QImage &was = before[i];
                    if (was.isNull() ? allWhite(page, area) : sameRows(page, area, was)) {
                        tiles[i] = was; // shared, no copy
                        continue;
                    }
                }
                bandChanged |= area;
                if (!allWhite(page, area))
                    tiles[i] = page.copy(area);
            }
        }
        return bandChanged;
    };
    QRect all;
    if (qint64(page.width()) * page.height() >= LargePage) {
        auto lower = std::async(std::launch::async, band, rows / 2, rows);
        all = band(0, rows / 2);
        all |= lower.get();
    } else {
        all = band(0, rows);
    }
    if (changed)
        *changed = all;
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
