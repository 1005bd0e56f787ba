#pragma once

#include <QImage>
#include <QSize>
#include <QVector>

// The page history: one snapshot of the page per apply that drew something
// (and per change of paper), and the index of the snapshot that shows the
// current page. Index -1 is the page the history started from: the page a
// document was opened with, or white. Snapshots are kept as tiles of physical
// pixels shared with the snapshot before them, so a step costs memory in
// proportion to the area it changed, not a whole page. Each step remembers the
// paper it was on and the page's detail (its device pixel ratio).
class LMHistory {
public:
    static constexpr int TileSide = 64;

    // The paper a step was drawn on, as the page controls show it.
    struct Paper {
        int paperId = -1;
        bool landscape = true;
        bool operator==(const Paper &o) const
        {
            return paperId == o.paperId && landscape == o.landscape;
        }
        bool operator!=(const Paper &o) const { return !(*this == o); }
    };

    int index() const { return m_index; }
    int count() const { return int(m_steps.size()); }
    bool canUndo() const { return m_index >= 0; }
    bool canRedo() const { return m_index + 1 < count(); }

    void clear();
    // A fresh history starting from `page` on `paper`: Undo goes back to it
    // and never further.
    void restart(const QImage &page, const Paper &paper);
    // The same from a white page of `size` physical pixels, which costs no pixels.
    void restartWhite(const QSize &size, qreal detail, const Paper &paper);
    // Records `page` as the step after the current one; the steps after the
    // current one (the redo branch) are dropped. Gives the physical pixels
    // that differ from the step before (all of them when its size or detail
    // differs), to the tile.
    QRect push(const QImage &page, const Paper &paper);
    QRect push(const QImage &page) { return push(page, {-1, true}); }
    // Records a white page of `size` physical pixels without its pixels.
    void pushWhite(const QSize &size, qreal detail, const Paper &paper);
    // Moves the index; the page to show is snapshot(index()).
    bool stepBack();
    bool stepForward();

    // The page of step `k` (0 <= k < count(); -1 the starting page), whole;
    // a null image when there is no such step (or, at -1, no starting page:
    // white).
    QImage snapshot(int k) const;
    Paper paper(int k) const;
    // Whether step `k` is a white page (false when there is no such step).
    bool isWhite(int k) const;
    // The physical pixels in which steps `a` and `b` differ, to the tile;
    // their whole area when their sizes or details differ.
    QRect difference(int a, int b) const;

    // Bytes of pixel data held, each shared tile counted once.
    qint64 storedBytes() const;

private:
    struct Step {
        QSize size;         // physical pixels
        qreal detail = 1.0; // physical pixels per document pixel
        Paper paper;
        int columns = 0;
        // Row-major tiles; a null tile is all white and costs nothing.
        QVector<QImage> tiles;
    };

    Step makeStep(const QImage &page, const Step *previous, QRect *changed) const;
    static Step whiteStep(const QSize &size, qreal detail);
    static QRect tileRect(const Step &step, int i);
    void append(Step step, const Paper &paper);

    const Step *stepAt(int k) const;

    QVector<Step> m_steps;
    Step m_start; // index -1; empty until restart()
    int m_index = -1;
};
