#pragma once

#include <QImage>
#include <QSize>
#include <QVector>

// The page history: one snapshot of the page per apply that drew something,
// and the index of the snapshot that shows the current page (-1: the white
// page before the first). Snapshots are kept as tiles shared with the
// snapshot before them, so a step costs memory in proportion to the area it
// changed, not a whole page.
class LMHistory {
public:
    static constexpr int TileSide = 64;

    int index() const { return m_index; }
    int count() const { return int(m_steps.size()); }
    bool canUndo() const { return m_index >= 0; }
    bool canRedo() const { return m_index + 1 < count(); }

    void clear();
    // Records `page` as the step after the current one; the steps after the
    // current one (the redo branch) are dropped.
    void push(const QImage &page);
    // Moves the index; the page to show is snapshot(index()) or, at -1, white.
    bool stepBack();
    bool stepForward();

    // The page of step `k` (0 <= k < count()), whole; a null image otherwise.
    QImage snapshot(int k) const;

    // Bytes of pixel data held, each shared tile counted once.
    qint64 storedBytes() const;

private:
    struct Step {
        QSize size;
        int columns = 0;
        // Row-major tiles; a null tile is all white and costs nothing.
        QVector<QImage> tiles;
    };

    Step makeStep(const QImage &page, const Step *previous) const;

    QVector<Step> m_steps;
    int m_index = -1;
};
