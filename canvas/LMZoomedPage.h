#pragma once

#include <QImage>
#include <QRect>

// The page as the screen shows it below its own size, kept between repaints
// so a repaint draws it without scaling millions of pixels. It is made of
// blocks whose edges fall on whole pixels both on the page and on screen,
// each averaged down on its own: after a change only the blocks it touched
// are scaled again, and they match their neighbours exactly.
class LMZoomedPage {
public:
    // The page at `zoom` on a screen of `screenRatio` device pixels per
    // widget pixel, brought up to date, its device pixel ratio the screen's;
    // a null image where the page is drawn as it is (zoomed to its detail or
    // beyond, where nothing is averaged) or is null.
    const QImage &at(const QImage &page, qreal zoom, qreal screenRatio);
    // The page changed within `area` (document pixels).
    void pageChanged(const QRect &area);
    // Forgets everything, as after another page.
    void clear();

private:
    void rebuildBlocks(const QImage &page, const QRect &physicalArea);

    QImage m_image;
    qreal m_scale = 0.0; // device pixels per document pixel
    QSize m_source;      // the page's physical size when last scaled
    qreal m_detail = 0.0;
    int m_block = 0; // a block's side in page pixels
    int m_blockOnScreen = 0;
    QRect m_dirty; // document pixels
};
