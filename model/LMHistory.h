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
    // Records `page` as the step after the current one; the steps after the
    // current one (the redo branch) are dropped.
    void push(const QImage &page, const Paper &paper);
    void push(const QImage &page) { push(page, {-1, true}); }
    // Moves the index; the page to show is snapshot(index()).
    bool stepBack();
    bool stepForward();

    // The page of step `k` (0 <= k < count(); -1 the starting page), whole;
    // a null image when there is no such step (or, at -1, no starting page:
    // white).
    QImage snapshot(int k) const;
    Paper paper(int k) const;

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

    Step makeStep(const QImage &page, const Step *previous) const;

    const Step *stepAt(int k) const;

    QVector<Step> m_steps;
    Step m_start; // index -1; empty until restart()
    int m_index = -1;
};
