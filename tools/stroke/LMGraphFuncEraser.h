#pragma once

#include "tools/LMGraphFuncInf.h"

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QPolygon>
#include <QVector>

// An eraser stroke: the area swept by a square of side `width`, in widget
// pixels. Erasing paints it white into the page.
class LMGraphFuncEraser : public LMGraphFuncInf {
public:
    void paintPreview(QPainter *painter, LMToolEnvironment *view) override;
    bool commit(QPainter *painter, LMToolEnvironment *view) override;

    // Starts the region afresh with the square at `p`.
    void pressAt(const QPoint &p);
    // Adds the square at `p` and the bands its diagonals swept from the last
    // position, so that fast moves leave no gaps.
    void sweepTo(const QPoint &p);

    // The union of the squares and bands; every piece is added with the same
    // orientation, so the non-zero fill covers exactly their union.
    QPainterPath region;
    QPoint last;
    QColor colour = Qt::white;
    QPoint start;
    double width = 3.0; // widget pixels: the tool's width times the zoom

private:
    void addPiece(const QPolygon &piece);
    void updatePreview();

    // The screen shows the stroke from a picture of it that only the new
    // pieces are added to, so a repaint costs the same however long the
    // stroke; the page gets the exact union, once, on commit.
    QVector<QPolygon> m_pieces;
    QRect m_bounds;
    QImage m_preview;
    QPoint m_previewOrigin;
    int m_previewPieces = 0;
};
