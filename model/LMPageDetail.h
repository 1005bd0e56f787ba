#pragma once

#include <QImage>
#include <QSize>

// How fine a page is drawn: every document coordinate stays at 3 pixels per
// millimetre, and a fine page holds k x k physical pixels for each of them.
namespace LMPageDetail {

// The most physical pixels a fine page holds.
constexpr qint64 MaxFinePixels = 40'000'000;
constexpr int Finest = 4; // 12 px/mm, 305 dpi

// k for a fine page of `page` document pixels: 4 while the fine page stays
// under MaxFinePixels, else 2, else 1 (Letter to A3 get 4, A0 2, B0 1).
int forPage(const QSize &page);

// Whether `fine` is `page` drawn k times finer for a k a fine page may have.
bool isFineOf(const QSize &fine, const QSize &page, int k);

// A page of the given detail (physical pixels; its device pixel ratio is
// ignored) scaled down smoothly to `page` document pixels: the page any
// version-10 reader opens.
QImage standardOf(const QImage &fine, const QSize &page);

// A white page of `page` document pixels at detail `k`, as plain pixels.
QImage whitePage(const QSize &page, int k);

} // namespace LMPageDetail
